// Bounded whole-file reads.
#include "text/boundedfile.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brisalta::text {

namespace {

// Reads a regular file up to limit + 1 bytes; `head` keeps only the first
// `limit` of a longer one instead of refusing it.
BoundedFile readRegularFile(const std::filesystem::path& path, std::size_t limit, bool head) {
    BoundedFile file;
    // Opening a FIFO for reading waits for a writer; without O_NONBLOCK a
    // document "opened" from one would hang the program.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        file.problem = BoundedFile::Problem::Unreadable;
        return file;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        file.problem = BoundedFile::Problem::Unreadable;
    } else if (!S_ISREG(info.st_mode)) {
        file.problem = BoundedFile::Problem::NotAFile;
    } else if (!head && static_cast<std::uintmax_t>(info.st_size) > limit) {
        file.problem = BoundedFile::Problem::TooLarge;
    }
    if (file.ok()) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        // Up to one byte past the limit, so that a file that grew since fstat
        // is refused rather than read without bound.
        std::string& bytes = file.bytes;
        bytes.resize(std::min(static_cast<std::size_t>(info.st_size), limit) + 1);
        std::size_t done = 0;
        for (;;) {
            if (done == bytes.size()) {
                if (bytes.size() > limit) {
                    break;
                }
                bytes.resize(std::min(bytes.size() * 2, limit + 1));
            }
            const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0) {
                file.problem = BoundedFile::Problem::Unreadable;
                break;
            }
            if (n == 0) {
                break;
            }
            done += static_cast<std::size_t>(n);
        }
        bytes.resize(done);
        if (file.ok() && done > limit) {
            if (head) {
                bytes.resize(limit);
            } else {
                file.problem = BoundedFile::Problem::TooLarge;
            }
        }
    }
    ::close(fd);
    if (!file.ok()) {
        file.bytes.clear();
        file.bytes.shrink_to_fit();
    }
    return file;
}

} // namespace

BoundedFile readBoundedFile(const std::filesystem::path& path, std::size_t limit) {
    return readRegularFile(path, limit, false);
}

BoundedFile readFileHead(const std::filesystem::path& path, std::size_t limit) {
    return readRegularFile(path, limit, true);
}

bool regularFileSize(const std::filesystem::path& path, std::uintmax_t& size) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
    size = static_cast<std::uintmax_t>(info.st_size);
    return true;
}

} // namespace brisalta::text
