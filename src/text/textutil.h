// Small text helpers shared by every page, file and report reader.
#pragma once

#include <string>
#include <string_view>

namespace brisalta::text {

// The leading decimal integer of a text, as the C library's atoi reads it:
// leading blanks are skipped, an optional sign is accepted, then digits are read
// up to the first non-digit. No digits gives 0. Values beyond the int range are
// clamped to it instead of overflowing.
int leadingInteger(std::string_view text);

// True when the needle occurs in the text as a contiguous, case-sensitive run of
// bytes at any position. An empty needle is found in any text.
bool textContains(std::string_view needle, std::string_view text);

// Characters a..b (1-based, inclusive) of a word, as a copy; characters beyond
// the end of the word are absent, so the result may be shorter or empty.
std::string_view charactersOf(std::string_view word, std::size_t first, std::size_t last);

// Bounded copy into a fixed character field of `size` bytes (NUL included): at
// most size - 1 bytes of the text are kept.
std::string boundedCopy(std::string_view text, std::size_t size);

// Replaces every occurrence of one byte by another.
void replaceAll(std::string& text, char from, char to);

} // namespace brisalta::text
