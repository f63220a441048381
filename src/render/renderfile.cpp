// PNG, SVG and PDF output of a drawing.
#include "render/renderfile.h"

#include "graph/graphgeometry.h"
#include "render/pngfile.h"
#include "render/svgmodule.h"
#include "session/numeric.h"
#include "text/codepage.h"
#include "text/format.h"

#include "settings/atomicfile.h"
#include "text/diskerror.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cctype>
#include <cmath>

namespace brisalta {
namespace {

constexpr int kMaxPictureSide = 16384;

std::string cannotWrite(const std::filesystem::path& path) {
    return text::cp1252("No se pudo escribir el fichero ") + text::cp1252(path.string());
}

std::string cannotWrite(const std::filesystem::path& path, std::error_code error) {
    return cannotWrite(path) + ": " + text::diskErrorReason(error) +
           text::cp1252(". El fichero anterior, si había uno, no ha cambiado.");
}

// The picture is drawn into memory and only then put on the disk, through a
// temporary file beside the target that is renamed over it once every byte is
// there: a full disk or an unwritable folder leave the previous file whole.
std::string replaceWith(const std::filesystem::path& path, const QByteArray& bytes) {
    ReplaceOptions options;
    options.access = FileAccess::Shared;
    options.keepMode = true;
    const std::error_code error = replaceFileAtomically(
        path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), options);
    return error ? cannotWrite(path, error) : std::string();
}

QString qtTitle(const RenderOptions& options) { return QtCanvas::qtText(options.title); }

void drawOnPicture(QPainter& painter, const RenderOptions& options, const DrawFunction& draw) {
    QtCanvas canvas(painter, options.screen);
    canvas.setMapping(Mapping::Screen);
    canvas.setOrigin(options.margin, options.margin);
    draw(canvas, PageMode::Screen);
}

std::string writePng(const std::filesystem::path& path, const RenderOptions& options, const DrawFunction& draw) {
    QImage image = pngPicture(pictureSize(options));
    if (image.isNull()) {
        return cannotWrite(path);
    }
    image.fill(Qt::white);
    const int dotsPerMetre = static_cast<int>(std::lround(std::max(1, options.screen.dpi) / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    {
        QPainter painter(&image);
        drawOnPicture(painter, options, draw);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !savePng(std::move(image), buffer)) {
        return cannotWrite(path);
    }
    return replaceWith(path, bytes);
}

std::string writeSvg(const std::filesystem::path& path, const RenderOptions& options, const DrawFunction& draw) {
    const SvgModule* module = svgModule();
    if (module == nullptr) {
        return cannotWrite(path) +
               text::cp1252(": falta la parte del programa que escribe SVG (brisalta-svg.so). "
                            "Vuelva a instalar Brisalta; PNG y PDF sí funcionan.");
    }
    const QSize size = pictureSize(options);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const std::unique_ptr<QPaintDevice> svg =
        module->newWriter(buffer, size, std::max(1, options.screen.dpi), qtTitle(options));
    QPainter painter;
    if (!painter.begin(svg.get())) {
        return cannotWrite(path);
    }
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    drawOnPicture(painter, options, draw);
    if (!painter.end()) {
        return cannotWrite(path);
    }
    return replaceWith(path, bytes);
}

std::string writePdf(const std::filesystem::path& path, const RenderOptions& options, const DrawFunction& draw) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageOrientation(QPageLayout::Landscape);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(qtTitle(options));
    pdf.setCreator(QStringLiteral("Brisalta"));
    QPainter painter;
    if (!painter.begin(&pdf)) {
        return cannotWrite(path);
    }
    // Page size in 0.01-inch units, and the drawing centred on it.
    const QSizeF page = pdf.pageLayout().fullRectPoints().size() * (100.0 / 72.0);
    const int width = truncToInt(options.designWidth * options.printFactor);
    const int height = truncToInt(options.designHeight * options.printFactor);
    {
        QtCanvas canvas(painter, options.screen);
        canvas.setMapping(Mapping::Print);
        canvas.setOrigin(std::max(0, static_cast<int>(page.width()) - width) / 2,
                         std::max(0, static_cast<int>(page.height()) - height) / 2);
        draw(canvas, PageMode::Print);
    }
    if (!painter.end()) {
        return cannotWrite(path);
    }
    return replaceWith(path, bytes);
}

} // namespace

std::optional<FileKind> fileKindOf(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".png") {
        return FileKind::Png;
    }
    if (extension == ".svg") {
        return FileKind::Svg;
    }
    if (extension == ".pdf") {
        return FileKind::Pdf;
    }
    return std::nullopt;
}

QSize pictureSize(const RenderOptions& options) {
    const VirtualScreen& s = options.screen;
    const GraphFactors f = screenFactors(s.width, s.height, s.dpi, options.drawScale);
    const int margin = std::clamp(options.margin, 0, 1000);
    const int width = std::clamp(f.x(options.designWidth) + 2 * margin, 1, kMaxPictureSide);
    const int height = std::clamp(f.y(options.designHeight) + 2 * margin, 1, kMaxPictureSide);
    return QSize(width, height);
}

std::string renderToFile(const std::filesystem::path& path, const RenderOptions& options, const DrawFunction& draw) {
    const auto kind = fileKindOf(path);
    if (!kind) {
        return text::cp1252("No se reconoce el formato del fichero ") + text::cp1252(path.string()) +
               text::cp1252(": use la extensión .png, .svg o .pdf");
    }
    switch (*kind) {
    case FileKind::Png:
        return writePng(path, options, draw);
    case FileKind::Svg:
        return writeSvg(path, options, draw);
    case FileKind::Pdf:
        return writePdf(path, options, draw);
    }
    return cannotWrite(path);
}

} // namespace brisalta
