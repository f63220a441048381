// The runtime folder the desktop libraries expect in $XDG_RUNTIME_DIR. Under
// cron, ssh or a bare X server the variable is often unset and Qt then warns
// about it on every run; the programs give it a private folder of their own.
#pragma once

#include <filesystem>
#include <optional>

namespace brisalta {

// When XDG_RUNTIME_DIR is unset, empty or not absolute, points it at a folder
// of this user with mode 0700: /tmp/brisalta-runtime-<uid> (made when missing;
// used again only when it is a real folder owned by the user with exactly that
// mode), or else a fresh uniquely named one. Returns the folder it set, or
// nothing when the variable was already good or no folder could be made.
// Call before the first Qt application object is created.
std::optional<std::filesystem::path> ensureRuntimeFolder();

} // namespace brisalta
