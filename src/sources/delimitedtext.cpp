// Lines, fields and numbers of the services' delimited answers.
#include "sources/delimitedtext.h"

#include <charconv>
#include <cmath>

namespace brisalta::sources {
namespace {

bool blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::vector<std::string> splitFields(std::string_view line, char delimiter) {
    std::vector<std::string> fields;
    std::string field;
    std::size_t i = 0;
    bool quoted = false;
    // A field is quoted only when the quote is its first character.
    bool atFieldStart = true;
    while (i < line.size()) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == delimiter) {
            fields.push_back(field);
            field.clear();
            atFieldStart = true;
            ++i;
            continue;
        } else if (c == '"' && atFieldStart) {
            quoted = true;
        } else {
            field += c;
        }
        atFieldStart = false;
        ++i;
    }
    fields.push_back(field);
    return fields;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool isBlank(std::string_view text) {
    return trimmed(text).empty();
}

std::string lowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

std::optional<double> parseNumber(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace brisalta::sources
