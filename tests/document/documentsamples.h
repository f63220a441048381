// Hand-made document bytes and sample sessions shared by the document tests.
#pragma once

#include "session/sessionstate.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace brisalta::test {

// Little-endian bytes laid out by hand, independently of ArchiveWriter.
struct Bytes {
    std::string data;

    Bytes& i32(std::int32_t value);
    Bytes& u16(std::uint16_t value);
    Bytes& u8(std::uint8_t value);
    Bytes& f32(float value);
    Bytes& str(std::string_view cp1252); // 8-bit string with its 1, 3 or 7-byte prefix
    Bytes& raw(std::string_view bytes);
    Bytes& raw8(std::string_view text); // text padded with NUL to 8 bytes
    Bytes& floats(std::initializer_list<float> values);
};

// The start of a sounding document: tag, level count and the five texts.
Bytes soundingHead(std::string_view tag, int count, std::string_view station,
                   std::string_view hour = "12", std::string_view day = "1",
                   std::string_view month = "2", std::string_view year = "2021");

// The 24 slots of a graph document: five ints and a direction each. Slot s
// holds hour s, temperature 10 + s, dew point s, pressure 1000 + s, wind s and
// "NE".
Bytes graphHead(int day, int month, int year, int lastTime, std::string_view title);

// The graph stored in tests/data/document/graph_v30.brl.
void fillGoldenGraph(SessionState& session);
// The sounding stored in tests/data/document/sounding.brl (through the mirror).
void fillGoldenSounding(SessionState& session);

// Every field a document read may touch, as text, to prove a failed read
// changed nothing.
std::string fingerprint(const SessionState& session);

} // namespace brisalta::test
