// Write-to-temporary-then-rename on POSIX.
#include "settings/atomicfile.h"

#include "text/diskerror.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brisalta {
namespace {

std::error_code lastError() {
    return {errno, std::generic_category()};
}

// A name no other writer uses: the target's name hidden behind a dot, the
// process id, a counter and the clock. O_EXCL still guards against a clash.
std::filesystem::path temporaryNameFor(const std::filesystem::path& target, int attempt) {
    static std::atomic<unsigned> counter{0};
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    std::string name = "." + target.filename().string() + ".tmp-" + std::to_string(::getpid()) +
                       "-" + std::to_string(counter++) + "-" +
                       std::to_string(static_cast<unsigned long long>(ticks) % 1000000007ULL) +
                       "-" + std::to_string(attempt);
    return target.parent_path() / name;
}

std::error_code writeAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return lastError();
        }
        done += static_cast<std::size_t>(n);
    }
    return {};
}

// The temporary file being written, for a signal handler to remove. Set
// before the file is created, cleared once it is renamed or removed.
char gUnfinished[4096];
std::atomic<bool> gHasUnfinished{false};

void noteUnfinished(const std::filesystem::path& temporary) {
    const std::string& name = temporary.native();
    if (name.size() >= sizeof gUnfinished) {
        return;
    }
    gHasUnfinished = false;
    std::copy(name.begin(), name.end(), gUnfinished);
    gUnfinished[name.size()] = '\0';
    gHasUnfinished = true;
}

void forgetUnfinished() { gHasUnfinished = false; }

// Makes the rename itself durable; a folder that cannot be synced is no reason
// to report the save as failed, since the file is already in place.
void syncFolder(const std::filesystem::path& folder) {
    const std::string name = folder.empty() ? std::string(".") : folder.string();
    const int fd = ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

void removeUnfinishedTemporaryFile() noexcept {
    if (gHasUnfinished.exchange(false)) {
        ::unlink(gUnfinished);
    }
}

std::filesystem::path replacementTarget(const std::filesystem::path& path) {
    std::filesystem::path target = path;
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(target, ec)) {
            break;
        }
        const std::filesystem::path next = std::filesystem::read_symlink(target, ec);
        if (ec) {
            break;
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target;
}

std::error_code writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                    FileAccess access) {
    ReplaceOptions options;
    options.access = access;
    // Replacing a document the user made private keeps it private.
    options.keepMode = true;
    return replaceFileAtomically(path, bytes, options);
}

std::error_code replaceFileAtomically(const std::filesystem::path& linkOrPath,
                                      std::string_view bytes, const ReplaceOptions& options) {
    if (linkOrPath.filename().empty()) {
        return std::make_error_code(std::errc::is_a_directory);
    }
    // Renaming over a symbolic link would replace the link and leave the file
    // it points to stale: the file itself is replaced, beside itself.
    const std::filesystem::path path = replacementTarget(linkOrPath);
    if (path.filename().empty()) {
        return std::make_error_code(std::errc::is_a_directory);
    }
    const FileAccess access = options.access;
    const mode_t mode = access == FileAccess::Private ? 0600 : 0666;
    struct stat previous {};
    const bool keepMode = options.keepMode && access == FileAccess::Shared &&
                          ::stat(path.c_str(), &previous) == 0 && S_ISREG(previous.st_mode);

    std::filesystem::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = temporaryNameFor(path, attempt);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST) {
            return lastError();
        }
    }
    if (fd < 0) {
        return std::make_error_code(std::errc::file_exists);
    }
    noteUnfinished(temporary);

    std::error_code error = writeAll(fd, bytes);
    // The umask may have taken more than group and others away; a private file
    // must still be readable and writable by its owner.
    if (!error && access == FileAccess::Private && ::fchmod(fd, 0600) != 0) {
        error = lastError();
    }
    if (!error && keepMode && ::fchmod(fd, previous.st_mode & 07777) != 0) {
        error = lastError();
    }
    if (!error && ::fsync(fd) != 0) {
        error = lastError();
    }
    if (::close(fd) != 0 && !error) {
        error = lastError();
    }
    if (!error && options.beforeRename) {
        options.beforeRename();
    }
    if (!error && ::rename(temporary.c_str(), path.c_str()) != 0) {
        error = lastError();
    }
    if (error) {
        ::unlink(temporary.c_str());
        forgetUnfinished();
        return error;
    }
    forgetUnfinished();
    syncFolder(path.parent_path());
    return {};
}

std::string writeFailureReason(std::error_code error) { return text::diskErrorReason(error); }

} // namespace brisalta
