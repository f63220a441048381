// Reading the comma- and tab-separated answers of the mesonet and of the
// sounding interface: lines, fields, blanks and numbers.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisalta::sources {

// The lines of a text, split at '\n' with a trailing '\r' removed. A final
// line end does not give an empty last line.
std::vector<std::string_view> splitLines(std::string_view text);

// The fields of one line. A field that starts with a double quote runs to the
// closing quote, a doubled quote inside standing for one; the delimiter inside
// it is part of the field. Fields are returned as written, blanks included.
std::vector<std::string> splitFields(std::string_view line, char delimiter);

// The text without leading and trailing blanks, tabs and line ends.
std::string_view trimmed(std::string_view text);

// True when the text holds nothing but blanks, tabs and line ends.
bool isBlank(std::string_view text);

// Lower-cased copy (ASCII letters only).
std::string lowerAscii(std::string_view text);

// A decimal number with optional sign, fraction and exponent, blanks around it
// allowed. Nothing for an empty field, any other text, or a value that is not
// finite (so "nan" and "inf" are not numbers here).
std::optional<double> parseNumber(std::string_view text);

} // namespace brisalta::sources
