// The two header lines of the 24-hour graph, the feels-like temperature and
// the validation of the series.
#include "graph/graphheader.h"

#include "graphfixture.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

#include <climits>

namespace brisalta {
namespace {

std::string utf8(const std::string& cp1252) { return text::toUtf8(cp1252); }

// Purpose: the exact first line: zero-padded date, hh.mm time, title padded to 9.
TEST(GraphHeader, FirstLineFormatsDateTimeAndTitle) {
    struct Case {
        int day, month, year, lastTime;
        const char* title;
        const char* expected;
    };
    const Case cases[] = {
        {17, 7, 2026, 2230, "LEMD", " Últimos datos del día 17/07/2026 a las 22.30 horas:      LEMD"},
        {5, 3, 2024, 930, "Banyeres, Alicante",
         " Últimos datos del día 05/03/2024 a las 9.30 horas: Banyeres, Alicante"},
        {1, 1, 2025, 0, "", " Últimos datos del día 01/01/2025 a las 0.00 horas:          "},
        {31, 12, 2025, 1405, "Sevilla", " Últimos datos del día 31/12/2025 a las 14.05 horas:   Sevilla"},
    };
    for (const Case& c : cases) {
        GraphSeries g;
        g.day = c.day;
        g.month = c.month;
        g.year = c.year;
        g.lastTime = c.lastTime;
        g.title = text::cp1252(c.title);
        EXPECT_EQ(utf8(graphHeaderLine1(g)), c.expected);
    }
}

// Purpose: both variants of the second line (with and without gust), with and
// without the feels-like temperature, and "-" for every missing value.
TEST(GraphHeader, SecondLineVariants) {
    struct Case {
        const char* name;
        int t, td, p, w;
        const char* direction;
        int hasGust, gust;
        const char* expected;
    };
    const Case cases[] = {
        {"mild, no ST", 20, 10, 1015, 10, "SW", 0, 0,
         " Temperatura: 20ºC. Punto de rocío: 10ºC. Humedad rel.: 52 %. Presión: 1015 mb. Viento: 10 km/h. "
         "Dirección: SurOeste."},
        {"cold and windy, ST", 5, 0, 1020, 20, "N", 0, 0,
         " Temperatura: 5ºC (ST=1º). Punto de rocío: 0ºC. Humedad rel.: 70 %. Presión: 1020 mb. Viento: 20 km/h. "
         "Dirección: Norte."},
        {"hot, ST", 30, 10, 1012, 10, "Calm", 0, 0,
         " Temperatura: 30ºC (ST=32º). Punto de rocío: 10ºC. Humedad rel.: 28 %. Presión: 1012 mb. Viento: 10 km/h. "
         "Dirección: Calma."},
        {"missing values", 20, kMissing, kMissing, kMissing, "No", 0, 0,
         " Temperatura: 20ºC. Punto de rocío: -ºC. Humedad rel.: - %. Presión: - mb. Viento: - km/h. "
         "Dirección: No."},
        {"missing temperature never takes ST", kMissing, 3, 1010, 30, "Variable", 0, 0,
         " Temperatura: -ºC. Punto de rocío: 3ºC. Humedad rel.: - %. Presión: 1010 mb. Viento: 30 km/h. "
         "Dirección: Variable."},
        {"gust", 20, 10, 1015, 30, "W", 1, 55,
         " Temp: 20ºC, Pto de rocío: 10ºC, Humedad rel.: 52 %, Presión: 1015 mb., Viento: 30 km/h (ráfagas de 55 "
         "km/h), dirección: Oeste."},
        {"gust with ST", 5, 0, 1020, 20, "NNW", 1, 40,
         " Temp: 5ºC (ST=1º), Pto de rocío: 0ºC, Humedad rel.: 70 %, Presión: 1020 mb., Viento: 20 km/h (ráfagas de "
         "40 km/h), dirección: Nor-Noroeste."},
        {"gust with missing dew point", 20, kMissing, kMissing, 30, "W", 1, 55,
         " Temp: 20ºC, Pto de rocío: -ºC, Humedad rel.: - %, Presión: - mb., Viento: 30 km/h (ráfagas de 55 "
         "km/h), dirección: Oeste."},
        {"nothing in the last hour", kMissing, kMissing, 1015, kMissing, "No", 0, 0,
         " No hay datos actualizados en la última hora"},
    };
    for (const Case& c : cases) {
        auto session = std::make_unique<SessionState>();
        GraphSeries& g = session->graph;
        g.temperature[23] = c.t;
        g.dewPoint[23] = c.td;
        g.pressure[23] = c.p;
        g.windSpeed[23] = c.w;
        g.windDirection[23] = c.direction;
        g.hasGust = c.hasGust;
        g.gustSpeed = c.gust;
        EXPECT_EQ(utf8(graphHeaderLine2(*session)), c.expected) << c.name;
    }
}

// Purpose: an automatic station always shows its values, even when all are missing.
TEST(GraphHeader, AutomaticStationShowsDashesInsteadOfNoData) {
    auto session = std::make_unique<SessionState>();
    GraphSeries& g = session->graph;
    g.temperature[23] = g.dewPoint[23] = g.pressure[23] = g.windSpeed[23] = kMissing;
    g.windDirection[23] = "Calma";
    session->view.emaGraphShown = true;
    EXPECT_EQ(utf8(graphHeaderLine2(*session)),
              " Temperatura: -ºC. Punto de rocío: -ºC. Humedad rel.: - %. Presión: - mb. Viento: - km/h. "
              "Dirección: Calma.");
}

// Purpose: measured humidity replaces the derived one where the source has it.
TEST(GraphHeader, HumidityComesFromTheMeasuredSeriesWhenThereIsOne) {
    auto session = std::make_unique<SessionState>();
    GraphSeries& g = session->graph;
    g.temperature[5] = 20;
    g.dewPoint[5] = 10;
    g.humiditySeries[5] = 61;
    g.banyeresHumiditySeries[5] = 73;
    EXPECT_EQ(slotHumidity(*session, 5), 52);
    g.hasHumiditySeries = true;
    EXPECT_EQ(slotHumidity(*session, 5), 61);
    session->view.banyeresGraph = true;
    EXPECT_EQ(slotHumidity(*session, 5), 73);
    EXPECT_EQ(slotHumidity(*session, 24), kMissing);
    EXPECT_EQ(slotHumidity(*session, -1), kMissing);
}

// Purpose: feels-like temperature bands, and no wind chill from a missing wind.
TEST(GraphHeader, FeelsLikeTemperature) {
    struct Case {
        int t, w, st;
    };
    const Case cases[] = {
        {20, 10, 20},       // between 63 and 77 °F: the temperature itself
        {5, 20, 1},         // cool and windy: wind chill
        {5, 4, 5},          // cool but V = 2.5 mph: no chill
        {30, 10, 32},       // 86 °F: the formula again
        {25, 0, 28},        // 77 °F: the formula, even without wind
        {10, kMissing, 10}, // unknown wind: no chill
        {kMissing, 20, kMissing},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(feelsLikeTemperature(c.t, c.w), c.st) << c.t << " °C, " << c.w << " km/h";
    }
}

// Purpose: implausible values become missing; plausible limits are kept.
TEST(GraphHeader, ValidationTurnsImplausibleValuesIntoMissing) {
    struct Case {
        int t, td, p, w;
        int vt, vtd, vp, vw;
    };
    const Case cases[] = {
        {20, 10, 1015, 10, 20, 10, 1015, 10},
        {-100, 100, 700, 1, -100, 100, 700, 1},
        {100, -100, 1200, 300, 100, -100, 1200, 300},
        {-101, 101, 699, 0, kMissing, kMissing, kMissing, kMissing},
        {101, -101, 1201, 301, kMissing, kMissing, kMissing, kMissing},
        {kMissing, kMissing, kMissing, kMissing, kMissing, kMissing, kMissing, kMissing},
        {INT_MIN, INT_MAX, -5, -5, kMissing, kMissing, kMissing, kMissing},
    };
    for (const Case& c : cases) {
        GraphSeries g;
        g.temperature[7] = c.t;
        g.dewPoint[7] = c.td;
        g.pressure[7] = c.p;
        g.windSpeed[7] = c.w;
        validateSeries(g);
        EXPECT_EQ(g.temperature[7], c.vt);
        EXPECT_EQ(g.dewPoint[7], c.vtd);
        EXPECT_EQ(g.pressure[7], c.vp);
        EXPECT_EQ(g.windSpeed[7], c.vw);
    }
}

} // namespace
} // namespace brisalta
