// printf-style formatting that never depends on the user's locale.
//
// The program's texts come with printf formats ("%02d/%02d/%d a las %.2f horas").
// Qt sets the process locale from the environment, and under es_ES "%.2f" would
// write a decimal comma; these helpers format in the C locale whatever the
// process locale is.
#pragma once

#include <string>

namespace brisalta::text {

// vsnprintf in the C locale. Arguments and result are bytes (Windows-1252 text).
std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// Like format(), but the format itself is written in UTF-8 (a literal of the
// source) and is converted to Windows-1252 before use, so that field widths
// count the bytes of the code page.
std::string format1252(const char* utf8Format, ...);

} // namespace brisalta::text
