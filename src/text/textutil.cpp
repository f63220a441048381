// Text helpers: leading integers, substring tests, positional character runs.
#include "text/textutil.h"

#include <climits>
#include <cstdint>

namespace brisalta::text {

namespace {
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
} // namespace

int leadingInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::int64_t value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        if (value <= static_cast<std::int64_t>(INT_MAX) + 1) {
            value = value * 10 + (text[i] - '0');
        }
        ++i;
    }
    if (negative) {
        value = -value;
    }
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

bool textContains(std::string_view needle, std::string_view text) {
    return text.find(needle) != std::string_view::npos;
}

std::string_view charactersOf(std::string_view word, std::size_t first, std::size_t last) {
    if (first == 0 || first > word.size() || last < first) {
        return {};
    }
    const std::size_t end = last < word.size() ? last : word.size();
    return word.substr(first - 1, end - first + 1);
}

std::string boundedCopy(std::string_view text, std::size_t size) {
    if (size == 0) {
        return {};
    }
    return std::string(text.substr(0, size - 1));
}

void replaceAll(std::string& text, char from, char to) {
    for (char& c : text) {
        if (c == from) {
            c = to;
        }
    }
}

} // namespace brisalta::text
