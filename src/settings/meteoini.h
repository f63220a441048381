// "meteo.ini": the airport, country, sounding station, time offset and AEMET
// OpenData key the program remembers between runs, as one line of six tokens.
#pragma once

#include "session/sessionstate.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace brisalta {

inline constexpr const char* kSettingsFileName = "meteo.ini";

// Longest token kept for each field when the file is read; the rest of a longer
// token is skipped, so it never spills into the next field.
inline constexpr std::size_t kIcaoReadLimit = 4;
inline constexpr std::size_t kCountryReadLimit = 19;
inline constexpr std::size_t kStationIdReadLimit = 5;
inline constexpr std::size_t kStationNameReadLimit = 40;
inline constexpr std::size_t kApiKeyReadLimit = 300;

// A token that starts with this mark carries its value escaped: the mark alone
// is an empty value, and "%XX" (two hexadecimal digits) stands for a byte that
// a token cannot hold (blanks, line breaks, other control bytes and '%'). Files
// of earlier versions never start a token with it and read as they always did.
inline constexpr char kEscapedTokenMark = '~';

// One value as a token of the file: the value itself when it is not empty and
// has no byte that would split or end the token, the escaped form otherwise.
std::string encodeSettingsToken(std::string_view value);

// The value of a token: the escaped form decoded, any other token as it is.
std::string decodeSettingsToken(std::string_view token);

// Reads the settings file into session.selection: time offset, ICAO code,
// country, sounding station number, sounding station name and API key, in that
// order, separated by white space ('_' in the country and the station name reads
// back as a blank). A file that cannot be opened gives the time offset 1, "LEAL"
// and "ESPAÑA" and leaves the other fields alone. Escaped tokens are decoded
// before the limits apply. In files of earlier versions an empty value wrote
// nothing, so the following tokens move up into it. Fields with no token left,
// and every field after a first token that is not an integer, keep their
// values. A time offset outside -12..12 hours becomes 1.
void loadSettings(SessionState& session, const std::filesystem::path& iniFile);

// Writes session.selection to the settings file as six tokens separated by one
// blank, with no line end, blanks of the country and the station name written
// as '_'. An empty value, and a value that still holds a blank or a control
// byte (an API key with blanks), is written in the escaped form, so every field
// comes back in its own place. The file is replaced in one step and gets mode
// 0600, since it holds the user's API key.
// False when it could not be written; the program then carries on silently with
// the values in memory. After a successful save, '_' in the country and the
// station name in memory become blanks, as the next start will read them.
bool saveSettings(SessionState& session, const std::filesystem::path& iniFile);

} // namespace brisalta
