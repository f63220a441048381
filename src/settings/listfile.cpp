// Reading and writing the two list files.
#include "settings/listfile.h"

#include "settings/atomicfile.h"
#include "text/boundedfile.h"

#include <fstream>

namespace brisalta {
namespace {

// Twenty lines of at most 199 bytes are a few kilobytes; a file far larger
// than that is not a list, and only its head is looked at.
constexpr std::size_t kMaxListBytes = 1024 * 1024;

bool isLetterOrDigit1252(unsigned char c) {
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
        return true;
    }
    switch (c) {
    case 0x83: // ƒ
    case 0x8A: // Š
    case 0x8C: // Œ
    case 0x8E: // Ž
    case 0x9A: // š
    case 0x9C: // œ
    case 0x9E: // ž
    case 0x9F: // Ÿ
    case 0xAA: // ª
    case 0xB5: // µ
    case 0xBA: // º
        return true;
    default:
        // À..ÿ without × and ÷.
        return c >= 0xC0 && c != 0xD7 && c != 0xF7;
    }
}

bool hasLetterOrDigit(std::string_view text) {
    for (const char c : text) {
        if (isLetterOrDigit1252(static_cast<unsigned char>(c))) {
            return true;
        }
    }
    return false;
}

std::string oneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return text;
}

} // namespace

std::vector<ListEntry> parseListFile(std::string_view bytes, const ListFileFormat& format) {
    const std::size_t maxLines = 2 * format.pairs;
    const std::size_t keep = format.lineLimit > 1 ? format.lineLimit - 1 : 0;
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (lines.size() < maxLines && pos < bytes.size()) {
        const std::size_t feed = bytes.find('\n', pos);
        const bool broken = feed != std::string_view::npos;
        std::string_view text = bytes.substr(pos, (broken ? feed : bytes.size()) - pos);
        pos = broken ? feed + 1 : bytes.size();
        if (broken && !text.empty() && text.back() == '\r') {
            text.remove_suffix(1);
        }
        text = text.substr(0, text.find('\0'));
        std::string line(text.substr(0, keep));
        if (broken) {
            line += ' ';
        }
        lines.push_back(std::move(line));
    }
    std::vector<ListEntry> entries;
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
        entries.push_back({std::move(lines[i]), std::move(lines[i + 1])});
    }
    return entries;
}

std::optional<std::vector<ListEntry>> readListFile(const std::filesystem::path& file,
                                                   const ListFileFormat& format) {
    // A FIFO is refused at once; of a file past the limit only the head is read.
    const text::BoundedFile read = text::readFileHead(file, kMaxListBytes);
    if (!read.ok()) {
        return std::nullopt;
    }
    return parseListFile(read.bytes, format);
}

bool isKeptListRow(const ListEntry& row) {
    return hasLetterOrDigit(row.name) && hasLetterOrDigit(row.value);
}

std::string formatListFile(const std::vector<ListEntry>& rows) {
    std::string bytes;
    for (const ListEntry& row : rows) {
        if (isKeptListRow(row)) {
            bytes += oneLine(row.name) + '\n' + oneLine(row.value) + '\n';
        }
    }
    return bytes;
}

std::error_code writeListFile(const std::filesystem::path& file,
                              const std::vector<ListEntry>& rows) {
    return writeFileAtomically(file, formatListFile(rows), FileAccess::Shared);
}

} // namespace brisalta
