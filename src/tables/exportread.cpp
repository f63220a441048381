// Reading a whole export file, bounded. Also built into the workbook module,
// which reads back the workbook libxlsxwriter wrote.
#include "tables/exportfile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brisalta {

std::error_code readExportFile(const std::filesystem::path& path, std::string& bytes) {
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return {errno, std::generic_category()};
    }
    std::error_code error;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        error = {errno, std::generic_category()};
    } else if (S_ISDIR(info.st_mode)) {
        error = std::make_error_code(std::errc::is_a_directory);
    } else if (!S_ISREG(info.st_mode)) {
        error = std::make_error_code(std::errc::invalid_argument);
    } else if (static_cast<std::uint64_t>(info.st_size) > kMaxExportFileBytes) {
        error = std::make_error_code(std::errc::file_too_large);
    }
    if (!error) {
        // One byte past the limit, so a file that grew since fstat is refused
        // rather than read without bound.
        bytes.resize(static_cast<std::size_t>(info.st_size) + 1);
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0) {
                error = {errno, std::generic_category()};
                break;
            }
            if (n == 0) {
                break;
            }
            done += static_cast<std::size_t>(n);
            if (done == bytes.size() && done <= kMaxExportFileBytes) {
                bytes.resize(std::min(bytes.size() * 2, kMaxExportFileBytes + 1));
            }
        }
        bytes.resize(done);
        if (!error && done > kMaxExportFileBytes) {
            error = std::make_error_code(std::errc::file_too_large);
        }
    }
    ::close(fd);
    if (error) {
        bytes.clear();
    }
    return error;
}

} // namespace brisalta
