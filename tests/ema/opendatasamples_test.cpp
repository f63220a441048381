// Real AEMET OpenData answers (tests/data/samples/aemet) and the demo answers
// (tests/data/ema) through both readers: titles and values a user would see.
#include "ema/opendatareader.h"
#include "ema/opendataseries.h"

#include "session/sessionstate.h"
#include "support/testplaces.h"

#include <gtest/gtest.h>

#include <string>

namespace brisalta {
namespace {

std::filesystem::path sample(const std::string& name) {
    return test::dataPath() / "samples" / "aemet" / name;
}
std::filesystem::path demo(const std::string& name) {
    return test::dataPath() / "ema" / name;
}

// Reads a data answer (kept in place) and finishes the series.
SessionState graphOf(const std::filesystem::path& path, std::string_view province, int offset) {
    SessionState session;
    session.selection.timeOffsetHours = offset;
    EXPECT_TRUE(ReadOpenDataRecords(session, path, false, province)) << path;
    finishOpenDataSeries(session);
    return session;
}

SessionState outcomeOf(const std::filesystem::path& path) {
    SessionState session;
    EXPECT_TRUE(ReadOpenDataAnswer(session, path, false)) << path;
    return session;
}

TEST(OpenDataSamples, MadridRetiroGivesItsTwentyThreeHours) {
    const SessionState s = graphOf(sample("respaced_ha_station-3195-data.json"), "MADRID", 1);
    const GraphSeries& g = s.graph;
    EXPECT_EQ(g.emaSlotCount, 23);
    EXPECT_EQ(g.title, "MADRID RETIRO - MADRID");
    EXPECT_TRUE(s.view.emaGraphShown);
    EXPECT_EQ(g.altitudeMetres, 667);
    EXPECT_TRUE(g.pressureIsStation);
    EXPECT_EQ(g.hour[0], 13);
    EXPECT_EQ(g.temperature[0], kMissing);
    EXPECT_EQ(g.hour[1], 14);
    EXPECT_EQ(g.temperature[1], 0);
    EXPECT_EQ(g.pressure[1], 930);
    EXPECT_EQ(g.dewPoint[1], 0);
    EXPECT_EQ(g.hour[23], 12);
    EXPECT_EQ(g.temperature[23], -1);
    EXPECT_EQ(g.pressure[23], 925);
    EXPECT_EQ(g.dewPoint[23], -1);
    EXPECT_EQ(g.humiditySeries[23], 99);
    EXPECT_EQ(g.day, 9);
    EXPECT_EQ(g.lastTime, 1300);
    // The station measures no wind.
    EXPECT_TRUE(g.noWindSpeed);
    EXPECT_TRUE(g.allCalm);
    EXPECT_FALSE(g.noPressure);
}

TEST(OpenDataSamples, AlicanteStationsFillTheLastTwoSlots) {
    const GraphSeries g =
        graphOf(sample("quoted_obs_8019_8025_alicante_2records.json"), "ALICANTE", 1).graph;
    EXPECT_EQ(g.emaSlotCount, 2);
    EXPECT_EQ(g.title, "ALICANTE-ELCHE/AEROPUERTO - ALICANTE");
    EXPECT_EQ(g.temperature[22], 14);
    EXPECT_EQ(g.dewPoint[22], 6);
    EXPECT_EQ(g.windSpeed[22], 17);
    EXPECT_EQ(g.windDirection[22], "WSW");
    EXPECT_EQ(g.pressure[22], 1012);
    EXPECT_EQ(g.temperature[23], 14);
    EXPECT_EQ(g.windSpeed[23], 12);
    EXPECT_EQ(g.windDirection[23], "W");
    EXPECT_EQ(g.pressure[23], 1006);
    EXPECT_EQ(g.humidity, 58);
    EXPECT_EQ(g.altitudeMetres, 81); // the last record's
    EXPECT_EQ(g.temperature[21], kMissing);
    EXPECT_EQ(g.windDirection[21], "Calma");
}

TEST(OpenDataSamples, SevillaGivesOneHour) {
    const GraphSeries g =
        graphOf(sample("quoted_obs_5783_sevilla_1record.json"), "SEVILLA", 2).graph;
    EXPECT_EQ(g.emaSlotCount, 1);
    EXPECT_EQ(g.title, "SEVILLA/SAN PABLO - SEVILLA");
    EXPECT_EQ(g.temperature[23], 31);
    EXPECT_EQ(g.dewPoint[23], 15);
    EXPECT_EQ(g.windSpeed[23], 12);
    EXPECT_EQ(g.windDirection[23], "E");
    EXPECT_EQ(g.pressure[23], 1014);
    EXPECT_EQ(g.humiditySeries[23], 36);
    EXPECT_EQ(g.hour[0], -10);
    EXPECT_EQ(g.hour[22], 12);
    EXPECT_EQ(g.lastTime, 1500);
    EXPECT_EQ(g.day, 28);
}

TEST(OpenDataSamples, IndexAnswerPointsToTheData) {
    const SessionState s = outcomeOf(sample("quoted_index_exito_observacion_estacion.json"));
    EXPECT_TRUE(s.retrieval.openDataSuccess);
    EXPECT_EQ(s.retrieval.openDataDataUrl, "https://opendata.aemet.es/opendata/sh/d59fcb02");
    EXPECT_FALSE(s.retrieval.openDataKeyExpired);
    EXPECT_FALSE(s.retrieval.openDataKeyInvalid);
}

// Purpose: which refusals the program recognises. AEMET's "datos expirados"
// does not say "caduca", so it is only an unsuccessful query.
TEST(OpenDataSamples, RecognisesTheRefusalsItKnows) {
    struct Case {
        std::filesystem::path file;
        int success, expired, invalid;
    };
    const Case cases[] = {
        {sample("quoted_error_401_api_key_invalido.json"), 0, 0, 1},
        {sample("quoted_error_404_datos_expirados.json"), 0, 0, 0},
        {sample("quoted_error_404_no_hay_datos.json"), 0, 0, 0},
        {demo("clave_caducada.json"), 0, 1, 0},
        {demo("clave_invalida.json"), 0, 0, 1},
    };
    for (const Case& c : cases) {
        const SessionState s = outcomeOf(c.file);
        EXPECT_EQ(s.retrieval.openDataSuccess, c.success) << c.file;
        EXPECT_EQ(s.retrieval.openDataKeyExpired, c.expired) << c.file;
        EXPECT_EQ(s.retrieval.openDataKeyInvalid, c.invalid) << c.file;
    }
}

// Answers re-indented as "key": value do not match the program's keys: the
// index still says "exito" but gives no address, the data give no record.
TEST(OpenDataSamples, ReindentedAnswersGiveNoData) {
    const SessionState index = outcomeOf(sample("ha_station-3195.json"));
    EXPECT_TRUE(index.retrieval.openDataSuccess);
    EXPECT_EQ(index.retrieval.openDataDataUrl, "");
    for (const char* name : {"ha_station-3195-data.json", "ha_station-list-data.json"}) {
        const SessionState s = graphOf(sample(name), "MADRID", 1);
        EXPECT_EQ(s.graph.emaSlotCount, 0) << name;
        EXPECT_FALSE(s.view.emaGraphShown) << name;
        EXPECT_TRUE(s.graph.noPressure) << name;
    }
}

TEST(OpenDataSamples, DemoAnswersGiveTwoFullDays) {
    const SessionState index = outcomeOf(demo("indice_8019.json"));
    EXPECT_TRUE(index.retrieval.openDataSuccess);
    EXPECT_EQ(index.retrieval.openDataDataUrl, "https://opendata.aemet.es/opendata/sh/5e8c1d27");
    EXPECT_EQ(outcomeOf(demo("indice_3195.json")).retrieval.openDataDataUrl,
              "https://opendata.aemet.es/opendata/sh/a3f40b6e");

    const GraphSeries alicante = graphOf(demo("datos_8019.json"), "ALICANTE", 2).graph;
    EXPECT_EQ(alicante.emaSlotCount, 24);
    EXPECT_EQ(alicante.title, "ALICANTE-ELCHE/AEROPUERTO - ALICANTE");
    EXPECT_TRUE(alicante.hasDewPointSeries);
    EXPECT_EQ(alicante.hour[0], 13);
    EXPECT_EQ(alicante.temperature[0], 31);
    EXPECT_EQ(alicante.dewPoint[0], 18);
    EXPECT_EQ(alicante.windSpeed[0], 20);
    EXPECT_EQ(alicante.windDirection[0], "SE");
    EXPECT_EQ(alicante.pressure[23], 1012);
    EXPECT_EQ(alicante.windSpeed[23], 19);
    EXPECT_EQ(alicante.lastTime, 1400);
    EXPECT_EQ(alicante.day, 17);
    EXPECT_EQ(alicante.month, 7);
    EXPECT_EQ(alicante.year, 2026);
    EXPECT_FALSE(alicante.allCalm);

    const GraphSeries retiro = graphOf(demo("datos_3195.json"), "MADRID", 2).graph;
    EXPECT_EQ(retiro.emaSlotCount, 24);
    EXPECT_EQ(retiro.title, "MADRID RETIRO - MADRID");
    EXPECT_FALSE(retiro.hasDewPointSeries);
    EXPECT_EQ(retiro.temperature[0], 34);
    EXPECT_EQ(retiro.dewPoint[0], 9); // from humidity 21 % at 34.4 °C
    EXPECT_EQ(retiro.temperature[23], 33);
    EXPECT_EQ(retiro.pressure[23], 939);
    EXPECT_TRUE(retiro.noWindSpeed);
    EXPECT_TRUE(retiro.allCalm);
}

// Every stored answer goes through both readers without harm.
TEST(OpenDataSamples, EveryStoredAnswerReadsSafely) {
    for (const auto& folder : {test::dataPath() / "samples" / "aemet", test::dataPath() / "ema"}) {
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            SessionState session;
            EXPECT_TRUE(ReadOpenDataAnswer(session, entry.path(), false));
            EXPECT_TRUE(ReadOpenDataRecords(session, entry.path(), false, "X"));
            finishOpenDataSeries(session);
            EXPECT_LE(session.graph.emaSlotCount, kSlots) << entry.path();
        }
    }
}

} // namespace
} // namespace brisalta
