// A zip package held in memory: read its parts, replace one, and get the
// bytes of the new package, every other part copied as it was.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct zip;
struct zip_source;

namespace brisalta::xlsx {

class ZipPackage {
public:
    // Opens the package in `bytes`, which must outlive this object.
    explicit ZipPackage(const std::string& bytes);
    ~ZipPackage();
    ZipPackage(const ZipPackage&) = delete;
    ZipPackage& operator=(const ZipPackage&) = delete;

    // False when the bytes are not a zip package.
    bool isOpen() const { return mArchive != nullptr; }

    // Index of a part, its name compared without regard to case.
    std::optional<std::uint64_t> indexOf(const std::string& name) const;

    // The uncompressed bytes of a part; nothing when it is missing, damaged or
    // larger than any real worksheet could be.
    std::optional<std::string> read(const std::string& name) const;

    // Replaces a part; `bytes` must stay alive until close().
    bool replace(std::uint64_t index, const std::string& bytes);

    // Writes the changed package into memory and returns its bytes.
    std::optional<std::string> close();

private:
    zip_source* mSource = nullptr;
    zip* mArchive = nullptr;
};

} // namespace brisalta::xlsx
