// Replacing a file in one step: the settings files and the documents are
// written to a temporary file beside the target and renamed over it, so a crash
// or a full disk never leaves the user with a half-written or empty file.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>

namespace brisalta {

enum class FileAccess {
    Shared,  // mode 0666 less the user's umask, like any file the user saves
    Private, // exactly 0600: the file holds something personal (the OpenData key)
};

// Writes `bytes` to a new temporary file in the folder of `path`, flushes it to
// the disk and renames it over `path`. Until the rename the previous file is
// untouched; after a failure the temporary file is removed. When `path` is a
// symbolic link, the file it points to is the one replaced (in its own folder),
// so the link keeps pointing at the data; a shared file keeps the permission
// bits of the file it replaces. Returns the system error of the step that
// failed, or an empty error code on success.
std::error_code writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                    FileAccess access);

// The file a write to `path` replaces: the final target of a chain of
// symbolic links (at most 40), or `path` itself.
std::filesystem::path replacementTarget(const std::filesystem::path& path);

// Removes the temporary file of a write that has not finished. Only calls
// that are safe in a signal handler: the program's handlers of SIGINT and
// SIGTERM call it, so an interrupted save leaves nothing beside the document.
void removeUnfinishedTemporaryFile() noexcept;

// How replaceFileAtomically creates the new file.
struct ReplaceOptions {
    FileAccess access = FileAccess::Shared;
    // The new file takes the permission bits of the file it replaces, when there
    // is one (an export appended to keeps the mode the user gave it).
    bool keepMode = false;
    // Runs once the temporary file is complete and on the disk, just before the
    // rename. Tests end the process here to show that a crash at that moment
    // leaves the previous file whole.
    std::function<void()> beforeRename;
};

// writeFileAtomically with the options above.
std::error_code replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                      const ReplaceOptions& options);

// Why a file could not be written, as the messages that report it end
// ("... «path»: <reason>."): "no queda espacio en el disco", "no hay permiso
// para escribir en la carpeta", ... Windows-1252.
std::string writeFailureReason(std::error_code error);

} // namespace brisalta
