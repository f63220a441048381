// Loading libcurl on demand.
#include "adapters/curl/curllibrary.h"

#include <dlfcn.h>

#include <optional>

namespace brisalta {
namespace {

// The name Debian's libcurl4 installs (soname 4 since curl 7.16).
constexpr const char* kLibraryName = "libcurl.so.4";

template <typename Function>
bool resolve(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

std::optional<CurlLibrary> load() {
    void* library = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        return std::nullopt;
    }
    CurlLibrary c{};
    decltype(&curl_global_init) globalInit = nullptr;
    const bool complete =
        resolve(library, "curl_global_init", globalInit) &&
        resolve(library, "curl_easy_init", c.easyInit) &&
        resolve(library, "curl_easy_setopt", c.easySetopt) &&
        resolve(library, "curl_easy_perform", c.easyPerform) &&
        resolve(library, "curl_easy_getinfo", c.easyGetinfo) &&
        resolve(library, "curl_easy_cleanup", c.easyCleanup) &&
        resolve(library, "curl_easy_strerror", c.easyStrerror) &&
        resolve(library, "curl_easy_escape", c.easyEscape) && resolve(library, "curl_free", c.free) &&
        resolve(library, "curl_slist_append", c.slistAppend) &&
        resolve(library, "curl_slist_free_all", c.slistFreeAll) &&
        resolve(library, "curl_multi_init", c.multiInit) &&
        resolve(library, "curl_multi_add_handle", c.multiAddHandle) &&
        resolve(library, "curl_multi_perform", c.multiPerform) &&
        resolve(library, "curl_multi_info_read", c.multiInfoRead) &&
        resolve(library, "curl_multi_poll", c.multiPoll) &&
        resolve(library, "curl_multi_remove_handle", c.multiRemoveHandle) &&
        resolve(library, "curl_multi_cleanup", c.multiCleanup) &&
        resolve(library, "curl_url", c.url) && resolve(library, "curl_url_set", c.urlSet) &&
        resolve(library, "curl_url_get", c.urlGet) &&
        resolve(library, "curl_url_cleanup", c.urlCleanup);
    if (!complete || globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
        dlclose(library);
        return std::nullopt;
    }
    // Kept loaded: curl's global state lives as long as the program.
    return c;
}

} // namespace

const CurlLibrary* curlLibrary() {
    static const std::optional<CurlLibrary> library = load();
    return library ? &*library : nullptr;
}

} // namespace brisalta
