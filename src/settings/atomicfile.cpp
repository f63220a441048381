// Write-to-temporary-then-rename on POSIX.
#include "settings/atomicfile.h"

#include "text/codepage.h"
#include "text/format.h"

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

std::error_code writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                    FileAccess access) {
    ReplaceOptions options;
    options.access = access;
    return replaceFileAtomically(path, bytes, options);
}

std::error_code replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                      const ReplaceOptions& options) {
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
        return error;
    }
    syncFolder(path.parent_path());
    return {};
}

std::string writeFailureReason(std::error_code error) {
    switch (error.value()) {
    case ENOENT:
    case ENOTDIR:
        return text::cp1252("la carpeta no existe");
    case EACCES:
    case EPERM:
        return text::cp1252("no hay permiso para escribir en la carpeta");
    case EROFS:
        return text::cp1252("el disco es de solo lectura");
    case ENOSPC:
    case EDQUOT:
    case EFBIG: // the write went past the largest file the system lets this user write
        return text::cp1252("no queda espacio en el disco");
    case EISDIR:
        return text::cp1252("ya existe una carpeta con ese nombre");
    case ENAMETOOLONG:
        return text::cp1252("el nombre es demasiado largo");
    case EIO:
        return text::cp1252("error de entrada/salida del disco");
    default:
        return text::format1252("error del sistema número %d", error.value());
    }
}

} // namespace brisalta
