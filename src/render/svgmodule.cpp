// Reaching the SVG module from the program.
#include "render/svgmodule.h"

#include "loading/loadedmodule.h"

namespace brisalta {
namespace {

const SvgModule* load() {
    using Entry = const SvgModule* (*)();
    const auto entry = reinterpret_cast<Entry>(moduleSymbol(kSvgModuleFile, kSvgModuleEntry));
    const SvgModule* module = entry ? entry() : nullptr;
    return module && module->version == kSvgModuleVersion ? module : nullptr;
}

} // namespace

const SvgModule* svgModule() {
    static const SvgModule* const module = load();
    return module;
}

} // namespace brisalta
