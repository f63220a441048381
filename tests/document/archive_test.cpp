// The archive encoding of documents: byte order, the three string length
// forms, UTF-16 text written by other versions, and reads that never run past
// the data.
#include "document/archive.h"

#include "document/documentsamples.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace brisalta {
namespace {

using test::Bytes;

std::string hex(const std::string& bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        if (!out.empty()) {
            out += ' ';
        }
        out += digits[c >> 4];
        out += digits[c & 0xF];
    }
    return out;
}

// Purpose: ints and floats are 4 bytes, little-endian, two's complement / IEEE.
TEST(Archive, WritesLittleEndianIntsAndFloats) {
    ArchiveWriter w;
    w.writeInt(30);
    w.writeInt(-1);
    w.writeInt(6666);
    w.writeFloat(1.0f);
    w.writeFloat(-9.75f);
    EXPECT_EQ(hex(w.bytes()), "1E 00 00 00 FF FF FF FF 0A 1A 00 00 00 00 80 3F 00 00 1C C1");

    ArchiveReader r(w.bytes());
    std::int32_t a = 0, b = 0, c = 0;
    float f = 0, g = 0;
    ASSERT_TRUE(r.readInt(a) && r.readInt(b) && r.readInt(c) && r.readFloat(f) && r.readFloat(g));
    EXPECT_EQ(a, 30);
    EXPECT_EQ(b, -1);
    EXPECT_EQ(c, 6666);
    EXPECT_EQ(f, 1.0f);
    EXPECT_EQ(g, -9.75f);
    EXPECT_TRUE(r.atEnd());
}

// Purpose: the length prefix takes 1, 3 or 7 bytes at the documented limits,
// and every form reads back to the same text.
TEST(Archive, StringPrefixGrowsAtTheDocumentedLengths) {
    struct Case {
        std::size_t length;
        const char* prefix;
    };
    const Case cases[] = {
        {0, "00"},
        {6, "06"},
        {254, "FE"},
        {255, "FF FF 00"},
        {256, "FF 00 01"},
        {0xFFFD, "FF FD FF"},
        {0xFFFE, "FF FF FF FE FF 00 00"},
        {70000, "FF FF FF 70 11 01 00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        const std::string text(c.length, 'x');
        ArchiveWriter w;
        w.writeString(text);
        const std::size_t prefixBytes = w.bytes().size() - c.length;
        EXPECT_EQ(hex(w.bytes().substr(0, prefixBytes)), c.prefix);

        ArchiveReader r(w.bytes());
        std::string back;
        ASSERT_TRUE(r.readString(back));
        EXPECT_EQ(back, text);
        EXPECT_TRUE(r.atEnd());
    }
}

TEST(Archive, Raw8CopiesEightBytesAsTheyAre) {
    const char field[9] = {'C', 'a', 'l', 'm', '\0', 'x', 'y', 'z', '\0'};
    ArchiveWriter w;
    w.writeRaw8(field);
    EXPECT_EQ(w.bytes(), std::string(field, 8));
    ArchiveReader r(w.bytes());
    std::array<char, 8> back{};
    ASSERT_TRUE(r.readRaw8(back));
    EXPECT_EQ(std::string(back.data(), 8), std::string(field, 8));
}

// Purpose: text marked 0xFF 0xFFFE is UTF-16LE whose length, in code units,
// follows in the same 1/3/7-byte scheme; it arrives as Windows-1252.
TEST(Archive, ReadsUtf16MarkedStringsAsWindows1252) {
    auto utf16 = [](std::u16string_view units) {
        std::string out;
        for (char16_t u : units) {
            out.push_back(static_cast<char>(u & 0xFF));
            out.push_back(static_cast<char>(u >> 8));
        }
        return out;
    };
    struct Case {
        const char* name;
        std::string bytes;
        std::string expected; // UTF-8
    };
    const std::u16string spanish = u"Almería €";
    const std::u16string longText(300, u'ñ');
    const Case cases[] = {
        {"one-byte length", Bytes().raw("\xFF\xFE\xFF").u8(9).raw(utf16(spanish)).data,
         "Almería €"},
        {"empty", Bytes().raw("\xFF\xFE\xFF").u8(0).data, ""},
        {"three-byte length", Bytes().raw("\xFF\xFE\xFF\xFF").u16(300).raw(utf16(longText)).data,
         text::toUtf8(std::string(300, '\xF1'))},
        {"seven-byte length",
         Bytes().raw("\xFF\xFE\xFF\xFF").u16(0xFFFF).i32(2).raw(utf16(u"Sí")).data, "Sí"},
        {"outside the code page", Bytes().raw("\xFF\xFE\xFF").u8(3).raw(utf16(u"a\u4E2Db")).data,
         "a?b"},
        {"surrogate pair is one character",
         Bytes().raw("\xFF\xFE\xFF").u8(3).raw(utf16(u"\U0001F600z")).data, "?z"},
        {"lone surrogate", Bytes().raw("\xFF\xFE\xFF").u8(2).raw(utf16(u"\xD800z")).data, "?z"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ArchiveReader r(c.bytes);
        std::string back;
        ASSERT_TRUE(r.readString(back));
        EXPECT_EQ(text::toUtf8(back), c.expected);
        EXPECT_TRUE(r.atEnd());
    }
}

// Purpose: short data and hostile lengths fail cleanly, consume nothing, leave
// the target alone and never allocate what the length claims.
TEST(Archive, RefusesReadsPastTheEndOfTheData) {
    struct Case {
        const char* name;
        std::string bytes;
        ArchiveError error;
    };
    const Case cases[] = {
        {"empty", "", ArchiveError::EndOfData},
        {"prefix only", "\xFF", ArchiveError::EndOfData},
        {"half a 16-bit length", std::string("\xFF\x10", 2), ArchiveError::EndOfData},
        {"short text",
         std::string("\x05"
                     "abc",
                     4),
         ArchiveError::StringTooLong},
        {"16-bit length past the end", Bytes().raw("\xFF").u16(300).raw("abc").data,
         ArchiveError::StringTooLong},
        {"4 GiB claimed", Bytes().raw("\xFF\xFF\xFF").i32(-2).raw("abc").data,
         ArchiveError::StringTooLong},
        {"64-bit length form", Bytes().raw("\xFF\xFF\xFF").i32(-1).i32(1).i32(0).data,
         ArchiveError::UnsupportedLength},
        {"UTF-16 units past the end",
         Bytes().raw("\xFF\xFE\xFF").u8(3).raw(std::string("a\0b", 3)).data,
         ArchiveError::StringTooLong},
        {"UTF-16 4 GiB claimed", Bytes().raw("\xFF\xFE\xFF\xFF\xFF\xFF").i32(-2).data,
         ArchiveError::StringTooLong},
        {"UTF-16 marker cut", Bytes().raw("\xFF\xFE\xFF").data, ArchiveError::EndOfData},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ArchiveReader r(c.bytes);
        std::string text = "untouched";
        EXPECT_FALSE(r.readString(text));
        EXPECT_EQ(text, "untouched");
        EXPECT_EQ(r.position(), 0u);
        EXPECT_EQ(r.error(), c.error);
    }

    ArchiveReader r(std::string("\x01\x02\x03", 3));
    std::int32_t value = 42;
    EXPECT_FALSE(r.readInt(value));
    EXPECT_EQ(value, 42);
    EXPECT_EQ(r.position(), 0u);
    // The failure sticks: nothing is read after it.
    std::string text;
    EXPECT_FALSE(r.readString(text));
    EXPECT_EQ(r.error(), ArchiveError::EndOfData);
}

} // namespace
} // namespace brisalta
