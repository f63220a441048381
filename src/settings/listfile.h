// "Brisanet.ini" and "GrafPref.ini": the user's web links and favourite graphs,
// kept as plain Windows-1252 text with one value per line, a name line followed
// by its address or ICAO code line.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace brisalta {

inline constexpr const char* kLinksFileName = "Brisanet.ini";
inline constexpr const char* kFavouritesFileName = "GrafPref.ini";

// The shape of one list file.
struct ListFileFormat {
    std::size_t pairs;     // pairs read at most
    std::size_t lineLimit; // bytes of one line read at most, its line break included
};

inline constexpr ListFileFormat kLinksFormat{10, 199};
inline constexpr ListFileFormat kFavouritesFormat{4, 99};

// One row of a list: the menu text and the web address or ICAO code
// (Windows-1252).
struct ListEntry {
    std::string name;
    std::string value;

    friend bool operator==(const ListEntry&, const ListEntry&) = default;
};

// The pairs of a list file's bytes. Lines are read in order until the input
// ends or 2 × format.pairs lines have been read; the line feed of each line (or
// a CR LF pair) becomes one blank at the end of its text, and an odd last line
// is dropped. A line longer than the limit keeps its first lineLimit - 1 bytes
// and the rest of it is skipped, so a long address never pushes the following
// lines out of their pairs. A NUL byte ends the text of its line.
std::vector<ListEntry> parseListFile(std::string_view bytes, const ListFileFormat& format);

// Reads a list file; nothing when it cannot be opened. Only the head of a
// file that is far too large for a list is read.
std::optional<std::vector<ListEntry>> readListFile(const std::filesystem::path& file,
                                                   const ListFileFormat& format);

// True for a row that "Guardar" keeps: both texts hold at least one letter or
// digit (accented letters of the code page count). Empty rows and rows such
// as "---" are skipped.
bool isKeptListRow(const ListEntry& row);

// The bytes of a list file with the kept rows in order, each as the name, a
// line feed, the value and a line feed (no carriage returns). A line break
// inside a text becomes a blank, so that a row always stays one pair.
std::string formatListFile(const std::vector<ListEntry>& rows);

// Writes formatListFile(rows) in one step: the previous file stays whole when
// the new one cannot be written. Returns the system error, empty on success.
std::error_code writeListFile(const std::filesystem::path& file,
                              const std::vector<ListEntry>& rows);

} // namespace brisalta
