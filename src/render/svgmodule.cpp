// Reaching the SVG module from the program.
#include "render/svgmodule.h"

#include "loading/loadedmodule.h"

namespace brisalta {

const SvgModule* svgModule() {
    static const SvgModule* const module =
        moduleTable<SvgModule>(kSvgModuleFile, kSvgModuleEntry, kSvgModuleVersion);
    return module;
}

} // namespace brisalta
