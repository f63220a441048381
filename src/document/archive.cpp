// Little-endian archive values and the string length prefixes.
#include "document/archive.h"

#include "text/codepage.h"

#include <cstring>

namespace brisalta {
namespace {

constexpr std::uint8_t kLongLength = 0xFF;        // a longer length follows
constexpr std::uint16_t kUtf16Marker = 0xFFFE;    // after 0xFF: UTF-16 text follows
constexpr std::uint16_t kWideLength = 0xFFFF;     // after 0xFF: a 32-bit length follows
constexpr std::uint32_t kHugeLength = 0xFFFFFFFF; // a 64-bit length follows

// UTF-16LE code units to Windows-1252. A surrogate pair names a character far
// outside the code page, and a lone surrogate is no character at all: both
// become one '?', like any character the code page cannot hold.
std::string utf16ToCp1252(const unsigned char* bytes, std::size_t units) {
    std::string out;
    out.reserve(units);
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t unit = static_cast<char32_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units) {
            const char32_t low = static_cast<char32_t>(bytes[2 * i + 2] | (bytes[2 * i + 3] << 8));
            if (low >= 0xDC00 && low <= 0xDFFF) {
                ++i;
            }
        }
        out.push_back(unit >= 0xD800 && unit <= 0xDFFF ? '?' : text::cp1252ByteOf(unit));
    }
    return out;
}

} // namespace

void ArchiveWriter::writeUint16(std::uint16_t value) {
    mBytes.push_back(static_cast<char>(value & 0xFF));
    mBytes.push_back(static_cast<char>(value >> 8));
}

void ArchiveWriter::writeUint32(std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        mBytes.push_back(static_cast<char>((value >> shift) & 0xFF));
    }
}

void ArchiveWriter::writeInt(std::int32_t value) {
    writeUint32(static_cast<std::uint32_t>(value));
}

void ArchiveWriter::writeFloat(float value) {
    std::uint32_t bits = 0;
    static_assert(sizeof bits == sizeof value);
    std::memcpy(&bits, &value, sizeof bits);
    writeUint32(bits);
}

void ArchiveWriter::writeString(std::string_view text) {
    const std::size_t length = text.size();
    if (length < kLongLength) {
        mBytes.push_back(static_cast<char>(length));
    } else if (length < kUtf16Marker) {
        mBytes.push_back(static_cast<char>(kLongLength));
        writeUint16(static_cast<std::uint16_t>(length));
    } else {
        // No text of the program comes near 4 GiB; a longer one is cut so the
        // prefix stays truthful.
        const std::size_t written = length < kHugeLength ? length : kHugeLength - 1;
        mBytes.push_back(static_cast<char>(kLongLength));
        writeUint16(kWideLength);
        writeUint32(static_cast<std::uint32_t>(written));
        text = text.substr(0, written);
    }
    mBytes.append(text);
}

void ArchiveWriter::writeRaw8(const char* eightBytes) {
    mBytes.append(eightBytes, 8);
}

bool ArchiveReader::fail(ArchiveError error, std::size_t restartAt) {
    if (mError == ArchiveError::None) {
        mError = error;
    }
    mPos = restartAt;
    return false;
}

bool ArchiveReader::take(std::size_t count, const unsigned char*& bytes) {
    if (mError != ArchiveError::None) {
        return false;
    }
    if (count > remaining()) {
        return fail(ArchiveError::EndOfData, mPos);
    }
    bytes = reinterpret_cast<const unsigned char*>(mData.data() + mPos);
    mPos += count;
    return true;
}

bool ArchiveReader::readUint8(std::uint8_t& value) {
    const unsigned char* b = nullptr;
    if (!take(1, b)) {
        return false;
    }
    value = b[0];
    return true;
}

bool ArchiveReader::readUint16(std::uint16_t& value) {
    const unsigned char* b = nullptr;
    if (!take(2, b)) {
        return false;
    }
    value = static_cast<std::uint16_t>(b[0] | (b[1] << 8));
    return true;
}

bool ArchiveReader::readUint32(std::uint32_t& value) {
    const unsigned char* b = nullptr;
    if (!take(4, b)) {
        return false;
    }
    value = static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
            (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
    return true;
}

bool ArchiveReader::readInt(std::int32_t& value) {
    std::uint32_t bits = 0;
    if (!readUint32(bits)) {
        return false;
    }
    value = static_cast<std::int32_t>(bits);
    return true;
}

bool ArchiveReader::readFloat(float& value) {
    std::uint32_t bits = 0;
    if (!readUint32(bits)) {
        return false;
    }
    std::memcpy(&value, &bits, sizeof value);
    return true;
}

bool ArchiveReader::readRaw8(std::array<char, 8>& bytes) {
    const unsigned char* b = nullptr;
    if (!take(8, b)) {
        return false;
    }
    std::memcpy(bytes.data(), b, 8);
    return true;
}

bool ArchiveReader::readString(std::string& text) {
    const std::size_t start = mPos;
    bool wide = false;
    std::uint64_t length = 0;

    std::uint8_t lead = 0;
    if (!readUint8(lead)) {
        return fail(ArchiveError::EndOfData, start);
    }
    length = lead;
    if (lead == kLongLength) {
        std::uint16_t middle = 0;
        if (!readUint16(middle)) {
            return fail(ArchiveError::EndOfData, start);
        }
        if (middle == kUtf16Marker) {
            // UTF-16 text: its length starts over with the one-byte form.
            wide = true;
            if (!readUint8(lead)) {
                return fail(ArchiveError::EndOfData, start);
            }
            length = lead;
            if (lead == kLongLength && !readUint16(middle)) {
                return fail(ArchiveError::EndOfData, start);
            }
        }
        if (lead == kLongLength) {
            length = middle;
            if (middle >= kUtf16Marker) {
                std::uint32_t wideLength = 0;
                if (!readUint32(wideLength)) {
                    return fail(ArchiveError::EndOfData, start);
                }
                if (wideLength == kHugeLength) {
                    return fail(ArchiveError::UnsupportedLength, start);
                }
                length = wideLength;
            }
        }
    }

    const std::uint64_t byteCount = wide ? 2 * length : length;
    if (byteCount > remaining()) {
        return fail(ArchiveError::StringTooLong, start);
    }
    const unsigned char* b = nullptr;
    if (!take(static_cast<std::size_t>(byteCount), b)) {
        return fail(ArchiveError::EndOfData, start);
    }
    text = wide ? utf16ToCp1252(b, static_cast<std::size_t>(length))
                : std::string(reinterpret_cast<const char*>(b), static_cast<std::size_t>(length));
    return true;
}

} // namespace brisalta
