// The byte encoding of ".brl" documents: little-endian 32-bit integers and
// floats, length-prefixed Windows-1252 strings and raw 8-byte fields, with no
// header and no padding.
//
// String prefix: one byte when the length is below 255; else 0xFF and a 16-bit
// length when it is below 0xFFFE; else 0xFF, 0xFFFF and a 32-bit length. Strings
// are always written in this 8-bit form. A reader also accepts UTF-16 text,
// marked by 0xFF 0xFFFE and followed by its length in UTF-16 code units in the
// same 1/3/7-byte scheme (a 16-bit length of 0xFFFE or 0xFFFF announces the
// 32-bit one) and then two little-endian bytes per unit; it is converted to
// Windows-1252, a character the code page lacks becoming '?'.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace brisalta {

class ArchiveWriter {
public:
    void writeInt(std::int32_t value);
    void writeFloat(float value);
    void writeString(std::string_view text); // Windows-1252 bytes
    void writeRaw8(const char* eightBytes);

    const std::string& bytes() const { return mBytes; }

private:
    void writeUint16(std::uint16_t value);
    void writeUint32(std::uint32_t value);

    std::string mBytes;
};

enum class ArchiveError {
    None,
    EndOfData,        // a value needed more bytes than were left
    StringTooLong,    // a string length beyond the end of the data
    UnsupportedLength // the 64-bit string length form, which no document uses
};

// Reads values from bytes held by the caller. A read that cannot be completed
// returns false, consumes nothing and leaves its target unchanged; the first
// failure is remembered and every later read fails too. A string's length is
// checked against the bytes left before anything is allocated.
class ArchiveReader {
public:
    explicit ArchiveReader(std::string_view bytes) : mData(bytes) {}

    [[nodiscard]] bool readInt(std::int32_t& value);
    [[nodiscard]] bool readFloat(float& value);
    [[nodiscard]] bool readString(std::string& text);
    [[nodiscard]] bool readRaw8(std::array<char, 8>& bytes);

    std::size_t position() const { return mPos; }
    std::size_t remaining() const { return mData.size() - mPos; }
    bool atEnd() const { return mPos >= mData.size(); }
    ArchiveError error() const { return mError; }
    std::string_view data() const { return mData; }

private:
    bool fail(ArchiveError error, std::size_t restartAt);
    bool take(std::size_t count, const unsigned char*& bytes);
    bool readUint8(std::uint8_t& value);
    bool readUint16(std::uint16_t& value);
    bool readUint32(std::uint32_t& value);

    std::string_view mData;
    std::size_t mPos = 0;
    ArchiveError mError = ArchiveError::None;
};

} // namespace brisalta
