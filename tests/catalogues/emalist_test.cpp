// The automatic-station list: what a "lista.ema" yields, byte for byte, and
// where the program finds one.
#include "catalogues/emalist.h"

#include "ema/opendataquery.h"
#include "session/sessionstate.h"
#include "support/testplaces.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brisalta {
namespace {

struct Station {
    std::string id, name, province;
};

std::vector<Station> loaded(const SessionState& session) {
    std::vector<Station> out;
    for (int i = 0; i < session.emaList.count; ++i) {
        const CListaEma& r = session.emaList.records[static_cast<std::size_t>(i)];
        out.push_back({r.id, r.name, r.province});
    }
    return out;
}

bool operator==(const Station& a, const Station& b) {
    return a.id == b.id && a.name == b.name && a.province == b.province;
}
void PrintTo(const Station& s, std::ostream* os) {
    *os << "{" << s.id << "|" << s.name << "|" << s.province << "}";
}

class EmaListFile : public ::testing::Test {
protected:
    bool load(const std::string& bytes) {
        const auto path = places.currentFolder() / kEmaListFileName;
        test::writeFile(path, bytes);
        return LoadEmaList(session, path);
    }
    test::ScratchPlaces places;
    SessionState session;
};

// Purpose: pairs in any order, PROVINCIA closing a station, values kept byte
// for byte up to ';' or the end of the file, everything else ignored.
TEST_F(EmaListFile, ReadsStationsByTheirKeys) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<Station> expected;
    };
    const Case cases[] = {
        {"third station incomplete",
         "ID = 3195X;\nNOMBRE = MADRID, RETIRO;\nPROVINCIA = Madrid;\n"
         "ID = 8019X;\nNOMBRE = ALICANTE-ELCHE AEROPUERTO;\nPROVINCIA = Alicante;\n"
         "ID = 5783X;\nNOMBRE = SEVILLA AEROPUERTO;\n",
         {{"3195X", "MADRID, RETIRO", "Madrid"},
          {"8019X", "ALICANTE-ELCHE AEROPUERTO", "Alicante"}}},
        {"last province up to the end of the file",
         "ID = 3195X;\r\nNOMBRE = RETIRO;\r\nPROVINCIA = Madrid\r\n",
         {{"3195X", "RETIRO", "Madrid\r\n"}}},
        {"pairs in another order",
         "NOMBRE = RETIRO;\nID = 3195X;\nPROVINCIA = Madrid;\n",
         {{"3195X", "RETIRO", "Madrid"}}},
        {"blank before the semicolon kept",
         "ID = 3195X ;\nNOMBRE = RETIRO ;\nPROVINCIA = Madrid;",
         {{"3195X ", "RETIRO ", "Madrid"}}},
        {"empty value", "ID = ;NOMBRE = ;PROVINCIA = ;", {{"", "", ""}}},
        {"missing semicolon runs into the next line",
         "ID = 3195X\nNOMBRE = RETIRO;PROVINCIA = Madrid;",
         {{"3195X\nNOMBRE = RETIRO", "", "Madrid"}}},
        {"lower-case keys ignored",
         "id = 1X;\nnombre = uno;\nprovincia = x;\nID = 2X;\nNOMBRE = dos;\nPROVINCIA = y;\n",
         {{"2X", "dos", "y"}}},
        {"text around the pairs ignored",
         "Lista de estaciones\n\n  ID = 3195X;  NOMBRE = RETIRO;\tPROVINCIA = Madrid; fin\n",
         {{"3195X", "RETIRO", "Madrid"}}},
        {"accented Windows-1252 bytes",
         text::cp1252("ID = 8175X;\nNOMBRE = ALBACETE BASE AÉREA;\nPROVINCIA = Cáceres;\n"),
         {{"8175X", text::cp1252("ALBACETE BASE AÉREA"), text::cp1252("Cáceres")}}},
    };
    for (const Case& c : cases) {
        SessionState fresh;
        session = fresh;
        ASSERT_TRUE(load(c.bytes)) << c.name;
        EXPECT_EQ(loaded(session), c.expected) << c.name;
    }
}

TEST_F(EmaListFile, LeavesTheCountAloneWithoutACompleteStation) {
    session.emaList.count = 7;
    ASSERT_TRUE(load("ID = 3195X;\nNOMBRE = RETIRO;\n"));
    EXPECT_EQ(session.emaList.count, 7);
    // The unfinished station waits, unseen, in the first record.
    EXPECT_EQ(session.emaList.records[0].id, "3195X");
}

TEST_F(EmaListFile, MissingFileChangesNothing) {
    EXPECT_FALSE(LoadEmaList(session, places.currentFolder() / "no-existe.ema"));
    EXPECT_EQ(session.emaList.count, 0);
    EXPECT_EQ(session.emaList.records.size(), 1000u);
}

TEST_F(EmaListFile, GrowsTheTableForALongList) {
    std::string bytes;
    for (int i = 0; i < 1500; ++i) {
        bytes +=
            "ID = " + std::to_string(i) + "X;NOMBRE = E" + std::to_string(i) + ";PROVINCIA = P;\n";
    }
    bytes += "ID = 9999X;"; // an unfinished station after the last one
    ASSERT_TRUE(load(bytes));
    EXPECT_EQ(session.emaList.count, 1500);
    ASSERT_GE(session.emaList.records.size(), 1501u);
    EXPECT_EQ(session.emaList.records[1499].name, "E1499");
    EXPECT_EQ(session.emaList.records[1500].id, "9999X");
}

TEST_F(EmaListFile, InstalledListHoldsAemetsStations) {
    const auto installed = test::dataPath().parent_path().parent_path() / "data" / "lista.ema";
    ASSERT_TRUE(LoadEmaList(session, installed));
    EXPECT_EQ(session.emaList.count, 920);
    const auto found = [this](const std::string& utf8Name) -> const CListaEma* {
        for (int i = 0; i < session.emaList.count; ++i) {
            if (session.emaList.records[static_cast<std::size_t>(i)].name ==
                text::cp1252(utf8Name)) {
                return &session.emaList.records[static_cast<std::size_t>(i)];
            }
        }
        return nullptr;
    };
    const CListaEma* base = found("ALBACETE BASE AÉREA");
    ASSERT_NE(base, nullptr);
    EXPECT_EQ(base->province, "Albacete");
    const CListaEma* retiro = found("MADRID, RETIRO");
    ASSERT_NE(retiro, nullptr);
    EXPECT_EQ(stationIdentifierOf(*retiro), "3195");
    EXPECT_EQ(retiro->province, "Madrid");
    const CListaEma* airport = found("ALICANTE-ELCHE AEROPUERTO");
    ASSERT_NE(airport, nullptr);
    EXPECT_EQ(stationIdentifierOf(*airport), "8019");
    for (int i = 0; i < session.emaList.count; ++i) {
        const CListaEma& r = session.emaList.records[static_cast<std::size_t>(i)];
        EXPECT_FALSE(r.name.empty() || r.province.empty() || r.id.size() < 5) << i;
    }
}

} // namespace
} // namespace brisalta
