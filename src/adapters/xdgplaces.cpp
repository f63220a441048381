// Desktop folders.
#include "adapters/xdgplaces.h"

#include <algorithm>
#include "adapters/signalcleanup.h"

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <signal.h>
#include <string_view>
#include <sys/stat.h>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

#ifndef BRISALTA_DATA_DIR
#define BRISALTA_DATA_DIR "/usr/local/share/brisalta"
#endif
#ifndef BRISALTA_BUILD_MANUAL_DIR
#define BRISALTA_BUILD_MANUAL_DIR BRISALTA_DATA_DIR
#endif
#ifndef BRISALTA_SOURCE_DATA_DIR
#define BRISALTA_SOURCE_DATA_DIR BRISALTA_DATA_DIR
#endif

namespace brisalta {
namespace {

namespace fs = std::filesystem;

// An environment folder counts only when it is set and absolute, as the XDG
// base-directory rules say.
const char* absoluteEnv(const char* name) {
    const char* value = std::getenv(name);
    return value && value[0] == '/' ? value : nullptr;
}

fs::path homeFolder() {
    if (const char* home = absoluteEnv("HOME")) {
        return home;
    }
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_dir) {
        return found->pw_dir;
    }
    return "/";
}

constexpr std::string_view kFolderPrefix = "brisalta-";

// mkdtemp makes the folder with mode 0700 and a name nobody can guess; the
// process id in the name tells a later start whose folder it was.
bool makePrivateFolder(const fs::path& parent, fs::path& made) {
    std::string pattern =
        (parent / (std::string(kFolderPrefix) + std::to_string(::getpid()) + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        return false;
    }
    made = pattern;
    return true;
}

// The process id of a folder name "brisalta-<pid>-XXXXXX", or 0.
pid_t ownerOf(std::string_view name) {
    if (!name.starts_with(kFolderPrefix)) {
        return 0;
    }
    name.remove_prefix(kFolderPrefix.size());
    const auto dash = name.find('-');
    if (dash == std::string_view::npos || dash == 0 || dash > 9 || name.size() - dash - 1 != 6) {
        return 0;
    }
    pid_t pid = 0;
    for (char c : name.substr(0, dash)) {
        if (c < '0' || c > '9') {
            return 0;
        }
        pid = pid * 10 + (c - '0');
    }
    return pid;
}

} // namespace

void XdgPlaces::sweepStaleFolders(const fs::path& parent) {
    std::error_code ec;
    for (fs::directory_iterator it(parent, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path folder = it->path();
        const pid_t pid = ownerOf(folder.filename().native());
        if (pid <= 0 || pid == ::getpid()) {
            continue;
        }
        struct stat info {};
        // Only our own real folders, and only when their process is gone.
        if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) ||
            info.st_uid != ::getuid() || ::kill(pid, 0) == 0 || errno != ESRCH) {
            continue;
        }
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
}

XdgPlaces::XdgPlaces(fs::path dataFolder) : mDataFolder(std::move(dataFolder)) {
    const char* runtime = absoluteEnv("XDG_RUNTIME_DIR");
    if (!(runtime && makePrivateFolder(runtime, mTempFolder)) &&
        !makePrivateFolder("/tmp", mTempFolder)) {
        throw std::system_error(errno, std::generic_category(),
                                "No se ha podido crear la carpeta temporal");
    }
    sweepStaleFolders(mTempFolder.parent_path());
    signalcleanup::watchFolder(mTempFolder);
    if (const char* config = absoluteEnv("XDG_CONFIG_HOME")) {
        mSettingsFolder = fs::path(config) / "Brisalta";
    } else {
        mSettingsFolder = homeFolder() / ".config" / "Brisalta";
    }
}

XdgPlaces::~XdgPlaces() {
    signalcleanup::forgetFolder(mTempFolder);
    std::error_code ignored;
    fs::remove_all(mTempFolder, ignored);
}

fs::path XdgPlaces::currentFolder() const {
    std::error_code ec;
    fs::path current = fs::current_path(ec);
    return ec ? fs::path(".") : current;
}

std::vector<fs::path> XdgPlaces::manualFolders() const {
    std::vector<fs::path> folders;
    for (const fs::path& folder :
         {mDataFolder, installedDataFolder(), fs::path(BRISALTA_BUILD_MANUAL_DIR)}) {
        if (std::find(folders.begin(), folders.end(), folder) == folders.end()) {
            folders.push_back(folder);
        }
    }
    return folders;
}

fs::path XdgPlaces::installedDataFolder() {
    return BRISALTA_DATA_DIR;
}

fs::path XdgPlaces::resolveDataFolder(const fs::path& chosen) {
    if (!chosen.empty()) {
        return chosen;
    }
    if (const char* env = std::getenv("BRISALTA_DATOS"); env && *env) {
        return env;
    }
    std::error_code ec;
    const fs::path installed = installedDataFolder();
    if (fs::is_directory(installed, ec)) {
        return installed;
    }
    return BRISALTA_SOURCE_DATA_DIR;
}

} // namespace brisalta
