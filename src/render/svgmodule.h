// The SVG writer (QSvgGenerator) lives in the module "brisalta-svg.so", so
// that only the runs that write an SVG file load QtSvg.
#pragma once

#include <QPaintDevice>
#include <QSize>
#include <QString>

#include <memory>

class QIODevice;

namespace brisalta {

struct SvgModule {
    unsigned version;
    // A paint device that writes an SVG document of `size` pixels at `dpi`
    // into `output`, titled `title`; the document is complete once the
    // painter on it has ended.
    std::unique_ptr<QPaintDevice> (*newWriter)(QIODevice& output, QSize size, int dpi,
                                               const QString& title);
};

inline constexpr unsigned kSvgModuleVersion = 1;
inline constexpr const char* kSvgModuleFile = "brisalta-svg.so";
inline constexpr const char* kSvgModuleEntry = "brisalta_svg_module";

// The loaded module; nullptr when it cannot be loaded.
const SvgModule* svgModule();

} // namespace brisalta
