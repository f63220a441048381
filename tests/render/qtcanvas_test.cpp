// QtCanvas over a QImage: pens, text on an opaque background, fonts, the
// print mapping, saved states and pictures.
#include "render/qtcanvas.h"

#include "text/codepage.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace brisalta {
namespace {

const Rgb kRed{255, 0, 0};

QImage blankImage(int width, int height, QColor colour = Qt::white) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

bool isColour(QRgb pixel, int r, int g, int b, int tolerance = 40) {
    return std::abs(qRed(pixel) - r) <= tolerance && std::abs(qGreen(pixel) - g) <= tolerance &&
           std::abs(qBlue(pixel) - b) <= tolerance;
}

int countPixels(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& test) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            n += test(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return n;
}

TEST(QtCanvas, SolidPenDrawsItsColourWhereTheSegmentRuns) {
    QImage image = blankImage(200, 100);
    {
        QPainter painter(&image);
        QtCanvas canvas(painter, VirtualScreen{});
        canvas.selectPen(Pen{PenStyle::Solid, 3, kRed});
        canvas.line(10, 50, 190, 50);
    }
    EXPECT_TRUE(isColour(image.pixel(100, 50), 255, 0, 0, 0));
    EXPECT_TRUE(isColour(image.pixel(100, 49), 255, 0, 0, 0));
    EXPECT_TRUE(isColour(image.pixel(100, 45), 255, 255, 255, 0));
    EXPECT_TRUE(isColour(image.pixel(5, 50), 255, 255, 255, 0));
}

// Purpose: dotted pens leave gaps; a width-0 pen is one pixel wide.
TEST(QtCanvas, DottedHairlineAlternatesInkAndGaps) {
    QImage image = blankImage(200, 20);
    {
        QPainter painter(&image);
        QtCanvas canvas(painter, VirtualScreen{});
        canvas.selectPen(Pen{PenStyle::Dotted, 0, Rgb{0, 0, 255}});
        canvas.line(10, 10, 190, 10);
    }
    const int ink = countPixels(image, QRect(10, 10, 180, 1), [](QRgb p) { return isColour(p, 0, 0, 255); });
    EXPECT_GT(ink, 60);
    EXPECT_LT(ink, 120);
    EXPECT_EQ(countPixels(image, QRect(10, 9, 180, 1), [](QRgb p) { return qBlue(p) == 255 && qRed(p) < 200; }), 0);
    EXPECT_EQ(countPixels(image, QRect(10, 11, 180, 1), [](QRgb p) { return qBlue(p) == 255 && qRed(p) < 200; }), 0);
}

// Purpose: text is drawn top-left at the point, in the text colour, on an
// opaque white background; accented Spanish text renders.
TEST(QtCanvas, TextIsDrawnOnAnOpaqueBackground) {
    QImage image = blankImage(300, 60, QColor(255, 255, 0));
    {
        QPainter painter(&image);
        QtCanvas canvas(painter, VirtualScreen{});
        canvas.selectFont(Font{"Times New Roman", 17, kSemiBoldWeight});
        canvas.setTextColor(Rgb{0, 0, 0});
        canvas.textOut(10, 20, text::cp1252("Últimos datos del día"));
    }
    const QRect textBox(10, 20, 150, 17);
    EXPECT_GT(countPixels(image, textBox, [](QRgb p) { return qRed(p) < 80 && qGreen(p) < 80; }), 100);
    EXPECT_GT(countPixels(image, textBox, [](QRgb p) { return isColour(p, 255, 255, 255, 0); }), 500);
    EXPECT_EQ(countPixels(image, QRect(10, 20, 60, 17), [](QRgb p) { return isColour(p, 255, 255, 0, 0); }), 0);
    EXPECT_EQ(countPixels(image, QRect(0, 0, 300, 19), [](QRgb p) { return qRed(p) < 80; }), 0);
}

// Purpose: Windows face names map to the Liberation faces, and a font's height
// is the height of its line of text.
TEST(QtCanvas, FontsResolveToLiberationFacesAtLineHeight) {
    struct Case {
        Font font;
        const char* family;
    };
    const Case cases[] = {
        {Font{"Ms Sans Serif", 14, kSemiBoldWeight}, "Liberation Sans"},
        {Font{"MS Sans Serif", 14, kNormalWeight}, "Liberation Sans"},
        {Font{"Times New Roman", 13, kNormalWeight}, "Liberation Serif"},
        {Font{"Times New Roman", 17, kSemiBoldWeight}, "Liberation Serif"},
    };
    for (const Case& c : cases) {
        const QFont font = QtCanvas::qtFont(c.font);
        EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(c.family)) << c.font.face;
        EXPECT_NEAR(QFontMetrics(font).height(), c.font.height, 1) << c.font.face << " " << c.font.height;
    }
    EXPECT_GE(QtCanvas::qtFont(Font{"Times New Roman", 0, 400}).pixelSize(), 1);
    EXPECT_LE(QtCanvas::qtFont(Font{"Times New Roman", 2000000000, 400}).pixelSize(), 4000);
}

// Purpose: the print mapping is 0.01 inch per unit on the device, moved by the
// origin; saveState/restoreState bring back the mapping and the pen.
TEST(QtCanvas, PrintMappingOriginAndSavedStates) {
    QImage image = blankImage(400, 200); // 96 dpi: 100 units are 96 pixels
    {
        QPainter painter(&image);
        QtCanvas canvas(painter, VirtualScreen{});
        canvas.selectPen(Pen{PenStyle::Solid, 1, kRed});
        canvas.saveState();
        canvas.setMapping(Mapping::Print);
        canvas.setOrigin(50, 0);
        canvas.selectPen(Pen{PenStyle::Solid, 1, Rgb{0, 0, 255}});
        canvas.line(100, 0, 100, 100); // device x = (50 + 100) · 0.96 = 144
        canvas.restoreState();
        canvas.line(300, 0, 300, 100); // screen mapping again, red
    }
    EXPECT_TRUE(isColour(image.pixel(144, 50), 0, 0, 255));
    EXPECT_TRUE(isColour(image.pixel(300, 50), 255, 0, 0));
    EXPECT_TRUE(isColour(image.pixel(144, 97), 255, 255, 255, 0)); // 100 units end at 96 px
}

TEST(QtCanvas, RectanglesAndPolygonsFillWithTheBrush) {
    QImage image = blankImage(100, 100);
    {
        QPainter painter(&image);
        QtCanvas canvas(painter, VirtualScreen{});
        canvas.selectPen(Pen{PenStyle::Solid, 1, Rgb{0, 0, 0}});
        canvas.selectBrush(Brush{Rgb{204, 255, 255}});
        canvas.polygon({{10, 10}, {60, 10}, {60, 60}, {10, 60}});
        canvas.rectangle(70, 70, 80, 80);
    }
    EXPECT_TRUE(isColour(image.pixel(30, 30), 204, 255, 255, 0));
    EXPECT_TRUE(isColour(image.pixel(10, 30), 0, 0, 0, 0));
    EXPECT_TRUE(isColour(image.pixel(75, 75), 204, 255, 255, 0));
    EXPECT_TRUE(isColour(image.pixel(79, 75), 0, 0, 0, 0));
    EXPECT_TRUE(isColour(image.pixel(80, 75), 255, 255, 255, 0)); // right edge excluded
}

TEST(QtCanvas, DrawImageScalesARegisteredPicture) {
    QImage cloud(4, 4, QImage::Format_RGB32);
    cloud.fill(QColor(0, 0, 255));
    QtCanvas::registerPicture("nube", cloud);
    QImage image = blankImage(100, 100);
    {
        QPainter painter(&image);
        QtCanvas canvas(painter, VirtualScreen{});
        canvas.drawImage(10, 10, 48, 38, "nube");
        canvas.drawImage(60, 60, 90, 90, "no-existe");
    }
    EXPECT_TRUE(isColour(image.pixel(30, 25), 0, 0, 255));
    EXPECT_TRUE(isColour(image.pixel(75, 75), 255, 255, 255, 0));
    EXPECT_TRUE(isColour(image.pixel(50, 25), 255, 255, 255, 0));
}

TEST(QtCanvas, DeviceCapsComeFromTheVirtualScreen) {
    QImage image = blankImage(10, 10);
    QPainter painter(&image);
    QtCanvas canvas(painter, VirtualScreen{1280, 1024, 120});
    EXPECT_EQ(canvas.deviceCaps(DeviceCap::HorizontalResolution), 1280);
    EXPECT_EQ(canvas.deviceCaps(DeviceCap::VerticalResolution), 1024);
    EXPECT_EQ(canvas.deviceCaps(DeviceCap::LogicalPixelsPerInch), 120);
}

TEST(QtCanvas, DrawTextInRectWrapsAtWords) {
    QImage image = blankImage(200, 200);
    {
        QPainter painter(&image);
        QtCanvas canvas(painter, VirtualScreen{});
        canvas.selectFont(Font{"Ms Sans Serif", 14, kSemiBoldWeight});
        canvas.setTextColor(Rgb{0, 0, 255});
        canvas.drawTextInRect(10, 10, 110, 150, text::cp1252("Temperatura máxima: 31ºC a las 14 horas.\nViento"));
    }
    const auto blue = [](QRgb p) { return qBlue(p) > 150 && qRed(p) < 120; };
    EXPECT_GT(countPixels(image, QRect(10, 10, 100, 14), blue), 20);
    EXPECT_GT(countPixels(image, QRect(10, 24, 100, 14), blue), 20); // the second line
    EXPECT_EQ(countPixels(image, QRect(110, 0, 90, 200), blue), 0);  // nothing outside the box
}

} // namespace
} // namespace brisalta
