// The zip package of a workbook, through libzip, in memory.
#include "tables/xlsxzip.h"

#include <zip.h>

namespace brisalta::xlsx {
namespace {

// Largest part read from a package: far above any real worksheet, and a
// guard against a small file that inflates without end.
constexpr zip_uint64_t kMaxPartBytes = 256u * 1024 * 1024;

} // namespace

ZipPackage::ZipPackage(const std::string& bytes) {
    zip_error_t error;
    zip_error_init(&error);
    mSource = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (mSource != nullptr) {
        mArchive = zip_open_from_source(mSource, 0, &error);
        if (mArchive == nullptr) {
            zip_source_free(mSource);
            mSource = nullptr;
        } else {
            // The source outlives the archive: the new package is read from it.
            zip_source_keep(mSource);
        }
    }
    zip_error_fini(&error);
}

ZipPackage::~ZipPackage() {
    if (mArchive != nullptr) {
        zip_discard(mArchive);
    }
    if (mSource != nullptr) {
        zip_source_free(mSource);
    }
}

std::optional<std::uint64_t> ZipPackage::indexOf(const std::string& name) const {
    const zip_int64_t index = zip_name_locate(mArchive, name.c_str(), ZIP_FL_NOCASE);
    if (index < 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(index);
}

std::optional<std::string> ZipPackage::read(const std::string& name) const {
    const auto index = indexOf(name);
    if (!index) {
        return std::nullopt;
    }
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(mArchive, *index, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE) ||
        stat.size > kMaxPartBytes) {
        return std::nullopt;
    }
    zip_file_t* file = zip_fopen_index(mArchive, *index, 0);
    if (file == nullptr) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(stat.size), '\0');
    const zip_int64_t n = zip_fread(file, bytes.data(), stat.size);
    zip_fclose(file);
    if (n < 0 || static_cast<zip_uint64_t>(n) != stat.size) {
        return std::nullopt;
    }
    return bytes;
}

bool ZipPackage::replace(std::uint64_t index, const std::string& bytes) {
    zip_source_t* part = zip_source_buffer(mArchive, bytes.data(), bytes.size(), 0);
    if (part == nullptr) {
        return false;
    }
    if (zip_file_replace(mArchive, index, part, 0) != 0) {
        zip_source_free(part);
        return false;
    }
    return true;
}

std::optional<std::string> ZipPackage::close() {
    if (zip_close(mArchive) != 0) {
        return std::nullopt;
    }
    mArchive = nullptr;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_stat(mSource, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE) ||
        zip_source_open(mSource) != 0) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(stat.size), '\0');
    const zip_int64_t n = zip_source_read(mSource, bytes.data(), stat.size);
    zip_source_close(mSource);
    if (n < 0 || static_cast<zip_uint64_t>(n) != stat.size) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace brisalta::xlsx
