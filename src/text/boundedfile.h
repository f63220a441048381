// Reading a whole file the program did not write itself, safely: only a
// regular file (a FIFO or a device is refused without waiting for a writer),
// and never more than a size limit, however large the file is or grows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace brisalta::text {

// The largest file any reader takes when the caller names no limit: the size
// of the largest document, far above every page, answer and list the program
// reads (a few hundred kilobytes at most).
inline constexpr std::size_t kDefaultFileLimit = 16u * 1024 * 1024;

struct BoundedFile {
    enum class Problem {
        None,
        Unreadable, // missing, no permission, a read error
        NotAFile,   // a folder, a FIFO, a device, a socket
        TooLarge,   // more than the limit
    };
    Problem problem = Problem::None;
    std::string bytes; // the whole file when problem is None, else empty

    bool ok() const { return problem == Problem::None; }
};

// Reads the file at `path` (symbolic links followed) when it is a regular file
// of at most `limit` bytes. Memory stays within the limit for any file.
BoundedFile readBoundedFile(const std::filesystem::path& path,
                            std::size_t limit = kDefaultFileLimit);

// The first `limit` bytes of a regular file (all of a shorter one): the head
// of a settings file that someone has filled past any real size. A FIFO or a
// device is refused (NotAFile) without waiting; TooLarge never comes back.
BoundedFile readFileHead(const std::filesystem::path& path, std::size_t limit);

// The size of a regular file, without opening it for reading; nothing for a
// missing file or anything that is not a regular file.
bool regularFileSize(const std::filesystem::path& path, std::uintmax_t& size);

} // namespace brisalta::text
