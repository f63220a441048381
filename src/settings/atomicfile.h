// Replacing a file in one step: the settings files and the documents are
// written to a temporary file beside the target and renamed over it, so a crash
// or a full disk never leaves the user with a half-written or empty file.
#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace brisalta {

enum class FileAccess {
    Shared,  // mode 0666 less the user's umask, like any file the user saves
    Private, // exactly 0600: the file holds something personal (the OpenData key)
};

// Writes `bytes` to a new temporary file in the folder of `path`, flushes it to
// the disk and renames it over `path`. Until the rename the previous file is
// untouched; after a failure the temporary file is removed. Returns the system
// error of the step that failed, or an empty error code on success.
std::error_code writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                    FileAccess access);

} // namespace brisalta
