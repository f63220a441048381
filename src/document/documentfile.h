// Opening and saving ".brl" documents on disk, and the messages that say why
// it failed.
#pragma once

#include "document/brisaltadocument.h"
#include "session/sessionstate.h"

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace brisalta {

// Largest file taken for a document: far above the few kilobytes of a real one.
inline constexpr std::size_t kMaxDocumentBytes = 16 * 1024 * 1024;

// Reads the document at `path` into the session (see serialize). On failure the
// session is left exactly as it was and the error says why.
DocumentRead openDocument(SessionState& session, const std::filesystem::path& path);

// Writes the document of the picture on screen to `path` (see serialize; a
// graph's fileVersion becomes 30). The file is replaced in one step, so a failed
// save leaves any previous file whole. Returns the Spanish message for the user
// (Windows-1252) when the file could not be written.
std::optional<std::string> saveDocument(SessionState& session, const std::filesystem::path& path);

// "No se ha podido abrir el documento «path»: reason." (Windows-1252).
std::string openFailureMessage(const std::filesystem::path& path, const DocumentError& error);

// "No se ha podido guardar el documento «path»: reason." (Windows-1252).
std::string saveFailureMessage(const std::filesystem::path& path, std::error_code error);

} // namespace brisalta
