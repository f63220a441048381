// The address of the first OpenData request, built from the list or from a
// typed identifier, and its copy without the key.
#include "ema/opendataquery.h"

#include "session/sessionstate.h"
#include "settings/services.h"

#include <gtest/gtest.h>

namespace brisalta {
namespace {

const std::string kPath = "/opendata/api/observacion/convencional/datos/estacion/";

SessionState withList(std::initializer_list<const char*> ids) {
    SessionState session;
    for (const char* id : ids) {
        session.emaList.records[static_cast<std::size_t>(session.emaList.count++)].id = id;
    }
    session.selection.apiKey = "eyJhbGciOi.clave";
    return session;
}

// Purpose: a listed station loses its check character, a blank included.
TEST(OpenDataQuery, SendsTheListedIdentifierWithoutItsLastCharacter) {
    const std::pair<const char*, const char*> cases[] = {
        {"3195X", "3195"}, {"9073XX", "9073X"}, {"3195X ", "3195X"}, {"X", ""}, {"", ""}};
    for (const auto& [id, identifier] : cases) {
        CListaEma record;
        record.id = id;
        EXPECT_EQ(stationIdentifierOf(record), identifier) << id;
    }
}

TEST(OpenDataQuery, BuildsTheAddressOfTheChosenStation) {
    ServiceTable services;
    SessionState session = withList({"8019X", "3195X"});
    session.selection.emaIndex = 1;
    ASSERT_TRUE(setQueryUrlFromList(session, services));
    EXPECT_EQ(session.retrieval.openDataQueryUrl,
              "https://opendata.aemet.es" + kPath + "3195/?api_key=eyJhbGciOi.clave");

    services.aemetHost = "127.0.0.1:8443";
    setQueryUrlFromIdentifier(session, services, "3195Y");
    EXPECT_EQ(session.retrieval.openDataQueryUrl,
              "https://127.0.0.1:8443" + kPath + "3195Y/?api_key=eyJhbGciOi.clave");
}

TEST(OpenDataQuery, LeavesTheAddressWhenNoStationIsChosen) {
    const ServiceTable services;
    for (int index : {-1, 2, 999, 5000}) {
        SessionState session = withList({"8019X", "3195X"});
        session.retrieval.openDataQueryUrl = "antes";
        session.selection.emaIndex = index;
        EXPECT_FALSE(setQueryUrlFromList(session, services)) << index;
        EXPECT_EQ(session.retrieval.openDataQueryUrl, "antes") << index;
    }
}

TEST(OpenDataQuery, HidesTheKeyOfAnAddress) {
    EXPECT_EQ(redactApiKey("https://h" + kPath + "3195/?api_key=secreto"),
              "https://h" + kPath + "3195/?api_key=***");
    EXPECT_EQ(redactApiKey("https://h/x?api_key=secreto&y=1"), "https://h/x?api_key=***&y=1");
    EXPECT_EQ(redactApiKey("https://h/sh/d59fcb02"), "https://h/sh/d59fcb02");
}

} // namespace
} // namespace brisalta
