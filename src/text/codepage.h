// Windows-1252 <-> UTF-8. Inside the core every text is Windows-1252 bytes,
// because every file the program reads or writes uses that code page and every
// length limit counts bytes; these two functions are the only crossing points.
#pragma once

#include <string>
#include <string_view>

namespace brisalta::text {

// Converts Windows-1252 bytes to UTF-8. Every one of the 256 byte values maps to
// a character: the five bytes Windows leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) map to the C1 controls of the same number, so the round trip is lossless.
std::string toUtf8(std::string_view cp1252);

// Converts UTF-8 to Windows-1252. A character the code page cannot hold, and any
// malformed UTF-8 sequence, becomes '?'.
std::string toCp1252(std::string_view utf8);

// The Windows-1252 byte of one Unicode character, or '?' when the code page
// cannot hold it.
char cp1252ByteOf(char32_t codePoint);

// The program's user-facing literals are written in UTF-8 source files; this is
// the one helper they pass through to become core text.
inline std::string cp1252(std::string_view utf8) { return toCp1252(utf8); }

// Upper-cases Windows-1252 text in place: a-z and the accented letters of the
// code page (á -> Á, ñ -> Ñ, š -> Š, ÿ -> Ÿ, ...). Other bytes stay as they are.
void toUpper1252(std::string& text);

} // namespace brisalta::text
