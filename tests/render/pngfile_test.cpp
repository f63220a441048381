// The PNG writer: whatever the pixel format of the picture, the file reads
// back with the same pixels and resolution; a device that stops taking bytes
// gives false, never a crash or a half-written success.
#include "render/pngfile.h"

#include "support/testplaces.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <filesystem>

namespace brisalta {
namespace {

// A small picture with lines, text-like antialiased edges and many colours.
QImage picture(QImage::Format format, int width = 301, int height = 97) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(200, 10, 10), 3));
    painter.drawLine(0, 0, width - 1, height - 1);
    painter.setBrush(QColor(204, 255, 255));
    painter.drawEllipse(QRect(20, 10, 120, 70));
    for (int x = 0; x < width; ++x) {
        image.setPixel(x, height / 2, qRgb(x % 256, (x * 7) % 256, 255 - x % 256));
    }
    painter.end();
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    return image.convertToFormat(format);
}

// A device that accepts a few bytes and then refuses, like a full disc.
class FullDevice : public QIODevice {
public:
    explicit FullDevice(qint64 room) : mRoom(room) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 length) override {
        if (length > mRoom) {
            return -1;
        }
        mRoom -= length;
        return length;
    }

private:
    qint64 mRoom;
};

// Purpose: every pixel format the program or a caller may hand in comes back
// pixel for pixel (the pictures are opaque, so alpha is not kept).
TEST(PngFile, EveryFormatReadsBackWithTheSamePixels) {
    const QImage::Format formats[] = {QImage::Format_RGB32, QImage::Format_ARGB32,
                                      QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB888,
                                      QImage::Format_RGB16, QImage::Format_Grayscale8};
    for (const QImage::Format format : formats) {
        const QImage image = picture(format);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(savePng(image, buffer)) << format;
        QImage read;
        ASSERT_TRUE(read.loadFromData(buffer.data(), "PNG")) << format;
        EXPECT_EQ(read.size(), image.size()) << format;
        EXPECT_EQ(read.dotsPerMeterX(), 3780) << format;
        EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), image.convertToFormat(QImage::Format_RGB32))
            << format;
    }
}

// Purpose: the writer that uses up its picture packs it in place and writes
// the same file; a picture someone else still holds is copied, not changed.
TEST(PngFile, UsingUpThePictureWritesTheSameFile) {
    for (const int width : {1, 2, 3, 301}) {
        const QImage original = picture(QImage::Format_RGB32, width, 7);
        QBuffer kept;
        kept.open(QIODevice::WriteOnly);
        ASSERT_TRUE(savePng(original, kept));

        QImage alone = original.copy();
        QBuffer packed;
        packed.open(QIODevice::WriteOnly);
        ASSERT_TRUE(savePng(std::move(alone), packed)) << width;
        EXPECT_EQ(packed.data(), kept.data()) << width;

        QImage shared = original;
        QBuffer copied;
        copied.open(QIODevice::WriteOnly);
        ASSERT_TRUE(savePng(std::move(shared), copied)) << width;
        EXPECT_EQ(copied.data(), kept.data()) << width;
        EXPECT_EQ(original, picture(QImage::Format_RGB32, width, 7)) << width;
    }
}

// Purpose: the pictures made for the writer are ordinary RGB32 images to paint
// on, and are written (and freed) like any other.
TEST(PngFile, PicturesForTheWriterPaintAndSaveLikeOthers) {
    for (const QSize size : {QSize(1, 1), QSize(301, 97), QSize(1859, 1052)}) {
        QImage image = pngPicture(size);
        ASSERT_EQ(image.size(), size);
        EXPECT_EQ(image.format(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter(&image).fillRect(QRect(0, 0, 1, 1), QColor(10, 20, 30));
        const QImage expected = image.copy();
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(savePng(std::move(image), buffer));
        QImage read;
        ASSERT_TRUE(read.loadFromData(buffer.data(), "PNG"));
        EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), expected);
    }
    EXPECT_TRUE(pngPicture(QSize(0, 5)).isNull());
}

// Purpose: a mostly white picture the size of a graph stays small.
TEST(PngFile, AWhitePageCompresses) {
    QImage image(1859, 1052, QImage::Format_RGB32);
    image.fill(Qt::white);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(savePng(image, buffer));
    EXPECT_LT(buffer.size(), 40 * 1024);
}

// Purpose: a write that fails at any point is reported, and nothing is printed or thrown.
TEST(PngFile, AFailedWriteIsReported) {
    const QImage image = picture(QImage::Format_RGB32);
    QBuffer whole;
    whole.open(QIODevice::WriteOnly);
    ASSERT_TRUE(savePng(image, whole));
    for (const qint64 room : {qint64(0), qint64(10), qint64(40), whole.size() - 13, whole.size() - 1}) {
        FullDevice device(room);
        EXPECT_FALSE(savePng(image, device)) << room;
    }
    FullDevice roomy(whole.size());
    EXPECT_TRUE(savePng(image, roomy));
}

// Purpose: nothing to write and nowhere to write are refusals, not crashes.
TEST(PngFile, RefusesNullPicturesAndUnwritablePlaces) {
    test::ScratchPlaces places;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_FALSE(savePng(QImage(), buffer));
    QBuffer readOnly;
    readOnly.open(QIODevice::ReadOnly);
    EXPECT_FALSE(savePng(picture(QImage::Format_RGB32), readOnly));
    const std::filesystem::path missing = places.root() / "no" / "existe" / "g.png";
    EXPECT_FALSE(savePng(picture(QImage::Format_RGB32), QString::fromStdString(missing.string())));
    const std::filesystem::path file = places.root() / "g.png";
    EXPECT_TRUE(savePng(picture(QImage::Format_RGB32), QString::fromStdString(file.string())));
    EXPECT_FALSE(QImage(QString::fromStdString(file.string())).isNull());
}

} // namespace
} // namespace brisalta
