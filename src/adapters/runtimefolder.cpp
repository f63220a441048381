// A private runtime folder when the session has none.
#include "adapters/runtimefolder.h"

#include <cstdlib>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace brisalta {
namespace {

constexpr mode_t kPrivate = S_IRWXU;

// A folder of ours that nobody else can enter or replace.
bool isPrivateFolder(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & 07777) == kPrivate;
}

bool makeNamedFolder(const std::string& path) {
    if (::mkdir(path.c_str(), kPrivate) != 0) {
        return isPrivateFolder(path);
    }
    // The umask may have taken bits away; Qt wants exactly 0700.
    return ::chmod(path.c_str(), kPrivate) == 0 && isPrivateFolder(path);
}

} // namespace

std::optional<std::filesystem::path> ensureRuntimeFolder() {
    const char* current = std::getenv("XDG_RUNTIME_DIR");
    if (current && current[0] == '/') {
        return std::nullopt;
    }
    std::string folder = "/tmp/brisalta-runtime-" + std::to_string(::getuid());
    if (!makeNamedFolder(folder)) {
        // Someone else's or a wrong kind of file: a fresh folder instead.
        std::string pattern = "/tmp/brisalta-runtime-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            return std::nullopt;
        }
        folder = pattern;
    }
    if (::setenv("XDG_RUNTIME_DIR", folder.c_str(), 1) != 0) {
        return std::nullopt;
    }
    return std::filesystem::path(folder);
}

} // namespace brisalta
