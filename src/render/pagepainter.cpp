// Printed pages on printers and in PDF files.
#include "render/pagepainter.h"

#include "render/qtcanvas.h"
#include "text/codepage.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPaintDevice>
#include <QPdfWriter>

#include <cmath>

namespace brisalta {

void paintPage(QPainter& painter, const PagePainter& paint) {
    const QPaintDevice* device = painter.device();
    const int dpi = device && device->logicalDpiX() > 0 ? device->logicalDpiX() : 100;
    const int pageWidth =
        device ? static_cast<int>(std::lround(device->width() * 100.0 / dpi)) : 0;
    // The page layout draws in print units; what the screen would answer for
    // the device's size plays no part in it.
    QtCanvas canvas(painter, VirtualScreen{});
    paint(canvas, pageWidth);
}

std::string writePagePdf(const std::filesystem::path& path, bool portrait,
                         const std::string& title, const PagePainter& paint) {
    QPdfWriter pdf(QString::fromStdString(path.string()));
    const QPageLayout layout(
        QPageSize(QPageSize::A4), portrait ? QPageLayout::Portrait : QPageLayout::Landscape,
        QMarginsF(kPdfMarginInches, kPdfMarginInches, kPdfMarginInches, kPdfMarginInches),
        QPageLayout::Inch);
    pdf.setPageLayout(layout);
    pdf.setTitle(QtCanvas::qtText(title.empty() ? std::string("Brisalta") : title));
    pdf.setCreator(QStringLiteral("Brisalta"));
    QPainter painter;
    if (!painter.begin(&pdf)) {
        return text::cp1252("No se ha podido escribir el fichero «") + text::toCp1252(path.string()) +
               text::cp1252("»");
    }
    paintPage(painter, paint);
    if (!painter.end()) {
        return text::cp1252("No se ha podido escribir el fichero «") + text::toCp1252(path.string()) +
               text::cp1252("»");
    }
    return {};
}

} // namespace brisalta
