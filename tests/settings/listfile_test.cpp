// "Brisanet.ini" and "GrafPref.ini": line limits, odd lines, the blank that
// replaces each line break, the rows "Guardar" skips, and a failed write.
#include "settings/listfile.h"

#include "support/testplaces.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace brisalta {
namespace {

namespace fs = std::filesystem;

std::string lines(int count, const std::string& prefix) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        text += prefix + std::to_string(i) + "\n";
    }
    return text;
}

// Purpose: what a list file reads as, line by line, for both formats.
TEST(ListFile, ReadsAlternatingLinesIntoPairs) {
    struct Case {
        const char* name;
        std::string bytes;
        ListFileFormat format;
        std::vector<ListEntry> expected;
    };
    const std::string longAddress = "https://example.org/" + std::string(280, 'a');
    const Case cases[] = {
        {"two links",
         "AEMET\nhttps://www.aemet.es\nMeteociel\nhttps://www.meteociel.fr\n",
         kLinksFormat,
         {{"AEMET ", "https://www.aemet.es "}, {"Meteociel ", "https://www.meteociel.fr "}}},
        {"odd number of lines drops the last one",
         "Madrid\nLEMD\nSevilla\nLEZL\nsuelto\n",
         kFavouritesFormat,
         {{"Madrid ", "LEMD "}, {"Sevilla ", "LEZL "}}},
        {"a single line is no pair", "solo\n", kLinksFormat, {}},
        {"empty file", "", kLinksFormat, {}},
        {"last line without its line feed",
         "Madrid\nLEMD",
         kFavouritesFormat,
         {{"Madrid ", "LEMD"}}},
        {"CR LF line ends", "Madrid\r\nLEMD\r\n", kFavouritesFormat, {{"Madrid ", "LEMD "}}},
        {"empty lines are values too",
         "\n\nMadrid\nLEMD\n",
         kFavouritesFormat,
         {{" ", " "}, {"Madrid ", "LEMD "}}},
        {"long address is cut and the next pair stays whole",
         "Larga\n" + longAddress + "\nAEMET\nhttps://www.aemet.es\n",
         kLinksFormat,
         {{"Larga ", longAddress.substr(0, 198) + " "}, {"AEMET ", "https://www.aemet.es "}}},
        {"favourite lines keep 98 bytes",
         std::string(150, 'n') + "\nLEMD\n",
         kFavouritesFormat,
         {{std::string(98, 'n') + " ", "LEMD "}}},
        {"a line of 198 bytes is kept whole",
         std::string(198, 'x') + "\nhttps://a.es\n",
         kLinksFormat,
         {{std::string(198, 'x') + " ", "https://a.es "}}},
        {"a NUL byte ends its line's text",
         std::string("Mad\0rid\nLEMD\n", 13),
         kFavouritesFormat,
         {{"Mad ", "LEMD "}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(parseListFile(c.bytes, c.format), c.expected);
    }
}

// Purpose: at most 10 links and 4 favourites, whatever the file holds.
TEST(ListFile, StopsAtTheLineCountOfItsList) {
    const auto links = parseListFile(lines(25, "l"), kLinksFormat);
    ASSERT_EQ(links.size(), 10u);
    EXPECT_EQ(links.front(), (ListEntry{"l1 ", "l2 "}));
    EXPECT_EQ(links.back(), (ListEntry{"l19 ", "l20 "}));

    const auto favourites = parseListFile(lines(9, "f"), kFavouritesFormat);
    ASSERT_EQ(favourites.size(), 4u);
    EXPECT_EQ(favourites.back(), (ListEntry{"f7 ", "f8 "}));
}

// Purpose: the rows "Guardar" writes and the ones it skips.
TEST(ListFile, SavesOnlyRowsWithALetterOrDigitInBothTexts) {
    struct Case {
        const char* name;
        ListEntry row;
        bool kept;
    };
    const Case cases[] = {
        {"name and address", {"AEMET", "https://www.aemet.es"}, true},
        {"dashes", {"---", "https://www.aemet.es"}, false},
        {"dashes as the value", {"AEMET", "---"}, false},
        {"empty row", {"", ""}, false},
        {"blanks only", {"   ", "LEMD"}, false},
        {"empty value", {"Madrid", ""}, false},
        {"a digit is enough", {"1", "LEMD"}, true},
        {"an accented letter is enough", {text::cp1252("Ñ"), "LEMD"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(isKeptListRow(c.row), c.kept);
    }

    const std::vector<ListEntry> rows = {{"AEMET", "https://www.aemet.es"},
                                         {"---", "---"},
                                         {"", ""},
                                         {"Meteociel", "https://www.meteociel.fr"},
                                         {text::cp1252("Dos\nlíneas"), "https://a.es\r\n"}};
    EXPECT_EQ(formatListFile(rows), "AEMET\nhttps://www.aemet.es\nMeteociel\n"
                                    "https://www.meteociel.fr\nDos l\xEDneas\nhttps://a.es  \n");
}

// Purpose: a save and a new opening of the editor give back every kept row,
// each text with one more blank at its end, in Windows-1252.
TEST(ListFile, WrittenFileReadsBackWithOneMoreBlank) {
    test::ScratchPlaces places;
    const fs::path file = places.settingsFolder() / kFavouritesFileName;
    const std::vector<ListEntry> rows = {
        {text::cp1252("Almería"), "LEAM"}, {"---", "LEMD"}, {"Madrid ", "LEMD  "}};
    ASSERT_FALSE(writeListFile(file, rows));
    EXPECT_EQ(test::readFile(file), "Almer\xED"
                                    "a\nLEAM\nMadrid \nLEMD  \n");

    const auto back = readListFile(file, kFavouritesFormat);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, (std::vector<ListEntry>{{text::cp1252("Almería "), "LEAM "},
                                             {"Madrid  ", "LEMD   "}}));
    EXPECT_FALSE(readListFile(places.settingsFolder() / "falta.ini", kFavouritesFormat));
}

// Purpose: a file that cannot be written leaves the old list as it was.
TEST(ListFile, FailedWriteKeepsTheOldFile) {
    test::ScratchPlaces places;
    const std::vector<ListEntry> rows = {{"AEMET", "https://www.aemet.es"}};
    EXPECT_TRUE(writeListFile(places.root() / "falta" / kLinksFileName, rows));

    // A folder in the way of the file: the rename fails, the folder stays.
    const fs::path blocked = places.settingsFolder() / kLinksFileName;
    test::writeFile(blocked / "dentro.txt", "antiguo");
    EXPECT_TRUE(writeListFile(blocked, rows));
    EXPECT_EQ(test::readFile(blocked / "dentro.txt"), "antiguo");
    EXPECT_EQ(
        std::distance(fs::directory_iterator(places.settingsFolder()), fs::directory_iterator{}),
        1);
}

} // namespace
} // namespace brisalta
