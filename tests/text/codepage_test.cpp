// Windows-1252 <-> UTF-8: the only crossing between the core's bytes and the
// world's text, so every byte value must survive it.
#include "text/codepage.h"

#include <gtest/gtest.h>

namespace brisalta::text {
namespace {

TEST(Codepage, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(toCp1252(toUtf8(all)), all);
}

// Purpose: the characters Spanish text and the 0x80-0x9F block depend on.
TEST(Codepage, MapsTellingCharactersBothWays) {
    struct Case {
        std::string cp1252;
        std::string utf8;
    };
    const Case cases[] = {
        {"\x80", "€"},
        {"\xD1", "Ñ"},
        {"\xF1", "ñ"},
        {"\xE1\xE9\xED\xF3\xFA", "áéíóú"},
        {"\xBA", "º"},
        {"\x8A\x9A", "Šš"},
        {"\x93\x94", "“”"},
        {"\x96\x97", "–—"},
        {"\x85", "…"},
        {"\x9F", "Ÿ"},
        {"ESPA\xD1" "A", "ESPAÑA"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toUtf8(c.cp1252), c.utf8) << c.utf8;
        EXPECT_EQ(toCp1252(c.utf8), c.cp1252) << c.utf8;
    }
}

// Purpose: text the code page cannot hold, and broken UTF-8, become '?'.
TEST(Codepage, UnmappableAndMalformedInputBecomesQuestionMark) {
    struct Case {
        std::string utf8;
        std::string expected;
    };
    const Case cases[] = {
        {"日本", "??"},
        {"a😀b", "a?b"},
        {"\xC3", "?"},               // truncated two-byte sequence
        {"\x80x", "?x"},             // stray continuation byte
        {"\xC0\xAF", "?"},           // overlong '/'
        {"\xED\xA0\x80", "?"},       // UTF-16 surrogate
        {"\xE2\x82", "?"},           // truncated euro sign
        {"\xFF\xFE", "??"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toCp1252(c.utf8), c.expected);
    }
}

TEST(Codepage, UndefinedBytesMapToControlsOfTheSameNumber) {
    EXPECT_EQ(toUtf8("\x81"), "\xC2\x81");
    EXPECT_EQ(toUtf8("\x9D"), "\xC2\x9D");
}

TEST(Codepage, UpperCasesAccentedLettersInPlace) {
    std::string province = toCp1252("málaga, a coruña, ávila, çœšžÿ ÷ 1234");
    toUpper1252(province);
    EXPECT_EQ(toUtf8(province), "MÁLAGA, A CORUÑA, ÁVILA, ÇŒŠŽŸ ÷ 1234");
}

} // namespace
} // namespace brisalta::text
