// The link tables: loading both files, which addresses may be opened, and the
// code a favourite puts into the selection.
#include "settings/linklists.h"

#include "settings/listfile.h"
#include "support/testplaces.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace brisalta {
namespace {

TEST(LinkLists, LoadsBothFilesAndTellsWhichWereThere) {
    test::ScratchPlaces places;
    const auto folder = places.settingsFolder();
    std::string links;
    for (int i = 1; i <= 12; ++i) {
        links += "Enlace " + std::to_string(i) + "\nhttps://e" + std::to_string(i) + ".es\n";
    }
    test::writeFile(folder / kLinksFileName, links);

    LinkLists lists;
    lists.favouriteCount = 3;
    LinkFilesFound found = loadLinkLists(lists, folder);
    EXPECT_TRUE(found.links);
    EXPECT_FALSE(found.favourites);
    EXPECT_EQ(lists.linkCount, 10);
    EXPECT_EQ(lists.linkNames[0], "Enlace 1 ");
    EXPECT_EQ(lists.linkAddresses[9], "https://e10.es ");
    EXPECT_EQ(lists.favouriteCount, 0);

    // An empty file is there (its submenu has no items); a missing one is not.
    test::writeFile(folder / kFavouritesFileName, "");
    std::filesystem::remove(folder / kLinksFileName);
    found = loadLinkLists(lists, folder);
    EXPECT_FALSE(found.links);
    EXPECT_TRUE(found.favourites);
    EXPECT_EQ(lists.linkCount, 0);
    EXPECT_EQ(lists.linkNames[0], "");
    EXPECT_EQ(lists.favouriteCount, 0);
}

// Purpose: only web addresses reach the desktop; anything that could run a
// program or open a local file is refused.
TEST(LinkLists, OpensOnlyWebAddresses) {
    struct Case {
        std::string stored;
        std::optional<std::string> opened;
    };
    const Case cases[] = {
        {"https://www.aemet.es ", "https://www.aemet.es"},
        {"  http://weather.uwyo.edu/upperair/sounding.html\t",
         "http://weather.uwyo.edu/upperair/sounding.html"},
        {"HTTPS://WWW.AEMET.ES/", "HTTPS://WWW.AEMET.ES/"},
        {"https://example.org/a b", "https://example.org/a b"},
        {"file:///etc/passwd", std::nullopt},
        {"/usr/bin/xterm", std::nullopt},
        {"xterm -e rm", std::nullopt},
        {"javascript:alert(1)", std::nullopt},
        {"ftp://ftp.example.org/", std::nullopt},
        {"www.aemet.es", std::nullopt},
        {"https://", std::nullopt},
        {"https:///etc/passwd", std::nullopt},
        {"http:/x", std::nullopt},
        {"https://a.es/\x01", std::nullopt},
        {"", std::nullopt},
        {" ", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(webAddressOf(c.stored), c.opened);
    }
    EXPECT_EQ(text::toUtf8(refusedLinkMessage("file:///etc/passwd ")),
              "La dirección «file:///etc/passwd» no es una dirección web (http:// o https://) y "
              "no se abre.");
}

// Purpose: the code a favourite selects: its first four characters, without
// the blank the file reading leaves at the end.
TEST(LinkLists, FavouriteSelectsItsFirstFourCharacters) {
    struct Case {
        const char* code;
        int index;
        bool picked;
        const char* icao;
    };
    const Case cases[] = {
        {"LEMD ", 0, true, "LEMD"},   {"LEMD   ", 0, true, "LEMD"}, {"LEMDXX ", 0, true, "LEMD"},
        {"LEM ", 0, true, "LEM"},     {"SAEZ", 0, true, "SAEZ"},    {"LEMD ", 1, false, "LEAL"},
        {"LEMD ", -1, false, "LEAL"}, {"LEMD ", 4, false, "LEAL"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.code) + " at " + std::to_string(c.index));
        SessionState s;
        s.selection.icao = "LEAL";
        s.links.favouriteCodes[0] = c.code;
        s.links.favouriteCount = 1;
        s.links.favouriteCodes[1] = "LEBL ";
        EXPECT_EQ(pickFavourite(s, c.index), c.picked);
        EXPECT_EQ(s.selection.icao, c.icao);
    }
}

// Purpose: the lists a new user starts with open and select what they say.
TEST(LinkLists, ShippedListsAreUsable) {
    LinkLists lists;
    const LinkFilesFound found = loadLinkLists(lists, test::programDataPath());
    ASSERT_TRUE(found.links && found.favourites);
    EXPECT_EQ(lists.linkCount, 5);
    for (int i = 0; i < lists.linkCount; ++i) {
        EXPECT_TRUE(webAddressOf(lists.linkAddresses[static_cast<std::size_t>(i)]))
            << lists.linkAddresses[static_cast<std::size_t>(i)];
    }
    EXPECT_EQ(lists.favouriteCount, 4);
    SessionState s;
    s.links = lists;
    for (int i = 0; i < lists.favouriteCount; ++i) {
        ASSERT_TRUE(pickFavourite(s, i));
        EXPECT_EQ(s.selection.icao.size(), 4u);
    }
    EXPECT_EQ(s.selection.icao, "LEZL");
}

} // namespace
} // namespace brisalta
