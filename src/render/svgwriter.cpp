// The SVG module: QSvgGenerator behind the one symbol the module exports.
#include "render/svgmodule.h"

#include <QRect>
#include <QSvgGenerator>

namespace brisalta {
namespace {

std::unique_ptr<QPaintDevice> newWriter(QIODevice& output, QSize size, int dpi,
                                        const QString& title) {
    auto svg = std::make_unique<QSvgGenerator>();
    svg->setOutputDevice(&output);
    svg->setSize(size);
    svg->setViewBox(QRect(QPoint(0, 0), size));
    svg->setResolution(dpi);
    svg->setTitle(title);
    svg->setDescription(QStringLiteral("Brisalta"));
    return svg;
}

} // namespace
} // namespace brisalta

extern "C" __attribute__((visibility("default"))) const brisalta::SvgModule* brisalta_svg_module() {
    static constexpr brisalta::SvgModule module{brisalta::kSvgModuleVersion, &brisalta::newWriter};
    return &module;
}
