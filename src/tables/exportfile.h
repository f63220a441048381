// Writing an export file: a new file replaces the old one in one step, and an
// appended file is rewritten whole in one step, so a crash or a full disk
// never costs the user the days already in it.
#pragma once

#include "tables/exportresult.h"
#include "tables/exportrows.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>

namespace brisalta {

// Largest file an export appends to (far above years of daily exports).
inline constexpr std::size_t kMaxExportFileBytes = 256u * 1024 * 1024;

// Called once the new content is complete on the disk, just before it replaces
// the file. Tests stop the process there; the program passes nothing.
using BeforeReplace = std::function<void()>;

// The file a "Combinado" export rewrites: the target of a symbolic link, so
// the link keeps pointing at the data; the path itself otherwise.
std::filesystem::path combinedTarget(const std::filesystem::path& path);

// Reads a whole regular file of at most kMaxExportFileBytes. Errors: the
// system's, EISDIR for a folder, EFBIG for a larger file.
std::error_code readExportFile(const std::filesystem::path& path, std::string& bytes);

// Replaces `path` with `bytes` through a temporary file in the same folder.
// keepMode keeps the permission bits of the file replaced.
ExportResult replaceExportFile(const std::filesystem::path& path, std::string_view bytes,
                               bool keepMode, const BeforeReplace& beforeReplace);

} // namespace brisalta
