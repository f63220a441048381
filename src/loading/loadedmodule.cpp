// Finding and loading the program's modules.
#include "loading/loadedmodule.h"

#include "text/debuglog.h"

#include <dlfcn.h>

#include <cstdlib>
#include <mutex>
#include <string>
#include <system_error>

#ifndef BRISALTA_BINARY_DIR
#define BRISALTA_BINARY_DIR ""
#endif
#ifndef BRISALTA_BUILD_MODULE_DIR
#define BRISALTA_BUILD_MODULE_DIR ""
#endif
#ifndef BRISALTA_INSTALL_LIBDIR
#define BRISALTA_INSTALL_LIBDIR "lib"
#endif
#ifndef BRISALTA_MODULE_DIR
#define BRISALTA_MODULE_DIR "/usr/local/lib/brisalta"
#endif

namespace brisalta {
namespace {

namespace fs = std::filesystem;

// True when `path` is `folder` or lies inside it.
bool isInside(const fs::path& path, const fs::path& folder) {
    if (folder.empty()) {
        return false;
    }
    auto p = path.begin();
    for (auto f = folder.begin(); f != folder.end(); ++f, ++p) {
        if (f->empty()) {
            continue; // a trailing separator
        }
        if (p == path.end() || *p != *f) {
            return false;
        }
    }
    return true;
}

fs::path findModuleFolder() {
    if (const char* chosen = std::getenv("BRISALTA_MODULOS"); chosen && *chosen) {
        return chosen;
    }
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error) {
        return BRISALTA_MODULE_DIR;
    }
    // The build folder as the kernel names the program: without symbolic links.
    const fs::path build = fs::weakly_canonical(BRISALTA_BINARY_DIR, error);
    if (!error && isInside(program, build)) {
        return BRISALTA_BUILD_MODULE_DIR;
    }
    // An installed program in prefix/bin finds prefix/<libdir>/brisalta,
    // wherever the prefix was moved to.
    const fs::path beside =
        program.parent_path().parent_path() / BRISALTA_INSTALL_LIBDIR / "brisalta";
    if (fs::is_directory(beside, error)) {
        return beside;
    }
    return BRISALTA_MODULE_DIR;
}

} // namespace

fs::path moduleFolder() {
    static const fs::path folder = findModuleFolder();
    return folder;
}

void* moduleSymbol(const char* fileName, const char* symbol) {
    // dlopen counts its handles and returns the same one for the same file,
    // so a module is mapped once however often it is asked for; the lock
    // only keeps dlerror's message with the call that caused it.
    static std::mutex lock;
    const std::lock_guard guard(lock);
    const fs::path path = moduleFolder() / fileName;
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (module == nullptr) {
        const char* reason = dlerror();
        text::debugLog("modulo " + path.string() + ": " + (reason ? reason : "no se carga") + "\n");
        return nullptr;
    }
    void* address = dlsym(module, symbol);
    if (address == nullptr) {
        text::debugLog("modulo " + path.string() + ": falta " + symbol + "\n");
    }
    return address;
}

} // namespace brisalta
