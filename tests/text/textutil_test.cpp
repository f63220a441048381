// leadingInteger, textContains and the positional character runs that every
// reader uses on downloaded text.
#include "text/format.h"
#include "text/textutil.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>

namespace brisalta::text {
namespace {

// Purpose: atoi-like reading, including what a hostile text can throw at it.
TEST(TextUtil, LeadingIntegerReadsLikeAtoi) {
    struct Case {
        const char* text;
        int expected;
    };
    const Case cases[] = {
        {"582", 582},       {"  42abc", 42},  {"-7", -7},   {"+15", 15},
        {"\t\n 9", 9},      {"", 0},          {"abc", 0},   {"-", 0},
        {"020", 20},        {"1.5", 1},       {"--5", 0},   {"R1", 0},
        {"99999999999", INT_MAX},             {"-99999999999", INT_MIN},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(leadingInteger(c.text), c.expected) << '"' << c.text << '"';
    }
}

// Purpose: marker tests find needles at either end and as the whole text.
TEST(TextUtil, TextContainsFindsNeedleAnywhere) {
    struct Case {
        const char* needle;
        const char* text;
        bool expected;
    };
    const Case cases[] = {
        {"Latest", "Latest 24 hours", true},
        {"hours", "Latest 24 hours", true},
        {"Latest 24 hours", "Latest 24 hours", true},
        {"latest", "Latest 24 hours", false}, // case-sensitive
        {"Latest 24 hours!", "Latest 24 hours", false},
        {"", "anything", true},
        {"x", "", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(textContains(c.needle, c.text), c.expected) << c.needle << " in " << c.text;
    }
}

// Purpose: characters beyond the end of a word count as absent, never as garbage.
TEST(TextUtil, CharactersOfIsBoundedByTheWord) {
    EXPECT_EQ(charactersOf("BKN020", 4, 6), "020");
    EXPECT_EQ(charactersOf("BKN02", 4, 6), "02");
    EXPECT_EQ(charactersOf("BK", 4, 6), "");
    EXPECT_EQ(charactersOf("", 1, 3), "");
    EXPECT_EQ(charactersOf("ABC", 0, 2), "");
    EXPECT_EQ(charactersOf("ABC", 3, 2), "");
}

TEST(TextUtil, BoundedCopyKeepsRoomForTheTerminator) {
    EXPECT_EQ(boundedCopy("LEMDX", 5), "LEMD");
    EXPECT_EQ(boundedCopy("LEM", 5), "LEM");
    EXPECT_EQ(boundedCopy("LEMD", 0), "");
}

// Purpose: numbers in texts and files never take the user's decimal comma.
TEST(Format, IgnoresTheProcessLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_ALL, "es_ES.UTF-8")) {
        GTEST_SKIP() << "es_ES.UTF-8 locale not installed";
    }
    EXPECT_EQ(format("%.2f", 14.3), "14.30");
    EXPECT_EQ(format1252("%.0f mts. %.0fºC", 1234.4, 12.6), "1234 mts. 13\xBA" "C");
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(Format, CountsWidthsInCodePageBytes) {
    // "%9s" pads a title of fewer than 9 bytes on the left.
    EXPECT_EQ(format("%9s", "Almer\xED" "a"), "  Almer\xED" "a");
    EXPECT_EQ(format1252("a las %.2f horas: %9s", 9.30, "LEMD"), "a las 9.30 horas:      LEMD");
    EXPECT_EQ(format("%02d/%02d/%d", 7, 3, 2020), "07/03/2020");
}

} // namespace
} // namespace brisalta::text
