// A fixed character field of N bytes (NUL included), as the data model stores
// ICAO codes, countries and wind-direction words. Assignment is a bounded copy:
// at most N - 1 bytes are kept and the rest of the field is zero-filled, so the
// field is always terminated and its raw bytes are deterministic.
#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace brisalta {

template <std::size_t N>
class FixedText {
    static_assert(N >= 1, "a fixed text holds at least its terminator");

public:
    static constexpr std::size_t kSize = N;

    FixedText() = default;
    FixedText(std::string_view text) { assign(text); } // NOLINT: implicit on purpose
    FixedText(const char* text) { assign(text); }      // NOLINT: implicit on purpose

    FixedText& operator=(std::string_view text) {
        assign(text);
        return *this;
    }
    FixedText& operator=(const char* text) {
        assign(text);
        return *this;
    }
    FixedText& operator=(const std::string& text) {
        assign(text);
        return *this;
    }

    void assign(std::string_view text) {
        bytes.fill('\0');
        const std::size_t n = text.size() < N - 1 ? text.size() : N - 1;
        std::memcpy(bytes.data(), text.data(), n);
    }
    void clear() { bytes.fill('\0'); }

    // The text up to its first NUL.
    std::string_view view() const { return {bytes.data(), ::strnlen(bytes.data(), N)}; }
    std::string str() const { return std::string(view()); }
    const char* c_str() const { return bytes.data(); }
    std::size_t size() const { return view().size(); }
    bool empty() const { return bytes[0] == '\0'; }

    // Makes the field terminated again after its raw bytes were overwritten.
    void terminate() { bytes[N - 1] = '\0'; }

    friend bool operator==(const FixedText& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const FixedText& a, const char* b) { return a.view() == std::string_view(b); }
    friend bool operator==(const FixedText& a, const std::string& b) { return a.view() == b; }
    friend bool operator==(const FixedText& a, const FixedText& b) { return a.view() == b.view(); }

    std::array<char, N> bytes{};
};

} // namespace brisalta
