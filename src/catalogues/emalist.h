// The automatic-station list "lista.ema": the stations the automatic-station
// dialog offers, read once at start-up into SessionState::emaList.
//
// The file is Windows-1252 bytes in which each station is given by three pairs,
// ID = <identifier plus one check character>; NOMBRE = <name>; PROVINCIA = <province>;
// in any order within a station, PROVINCIA closing it. A value is every byte up
// to the next ';' (or the end of the file), blanks and line breaks included;
// anything outside the pairs is ignored.
#pragma once

#include <cstddef>
#include <filesystem>

namespace brisalta {

struct SessionState;

inline constexpr const char* kEmaListFileName = "lista.ema";

// The largest list taken: the installed one, about 900 stations, is 56 KiB.
inline constexpr std::size_t kMaxEmaListBytes = 1024 * 1024;

// Reads the list into session.emaList.records from record 0 on. The count
// becomes the number of stations closed by a PROVINCIA pair, when there is at
// least one; otherwise it is left as it was. The table grows past its 1000
// records when the file holds more. False, silently and with nothing changed,
// when the file cannot be opened, is not a regular file or is larger than
// kMaxEmaListBytes.
bool LoadEmaList(SessionState& session, const std::filesystem::path& path);

} // namespace brisalta
