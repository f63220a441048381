// Sessions for the table and export tests. Their exports are written out by
// hand in tests/data/tables/utf8/, so a change here needs the same change there.
#pragma once

#include "session/sessionstate.h"
#include "support/testplaces.h"

#include <memory>
#include <string>

namespace brisalta::test {

inline std::filesystem::path tablesData(const std::string& name) {
    return dataPath() / "tables" / name;
}

// An airport graph of 10 March 2024 at UTC+1, station pressure; slot 0 is 13 UTC.
// It holds the awkward cases: a slot without wind speed, "Calm", "---",
// "Variable", "No", an unknown text, a missing dew point, temperature and pressure.
inline std::unique_ptr<SessionState> airportDay10() {
    struct Slot {
        int t, td, p, w;
        const char* direction;
    };
    static constexpr Slot kSlots[24] = {
        {21, 9, 1012, 15, "WSW"},      {22, 9, 1011, 19, "W"},       {22, 8, 1011, 22, "WNW"},
        {21, 8, 1011, 24, "W"},        {20, 8, 1012, kMissing, "W"}, {18, 9, 1012, 9, "SW"},
        {16, 9, 1013, 2, "Calm"},      {15, 9, 1013, 6, "S"},        {14, 10, 1014, 6, "SSE"},
        {13, 10, 1014, 4, "Variable"}, {12, 10, 1014, 4, "SE"},      {11, kMissing, 1015, 6, "ESE"},
        {kMissing, 9, 1015, 6, "E"},   {10, 9, kMissing, 7, "ENE"},  {10, 9, 1015, 7, "NE"},
        {9, 8, 1016, 7, "NNE"},        {9, 8, 1016, 9, "N"},         {9, 8, 1016, 9, "NNW"},
        {10, 8, 1017, 11, "NW"},       {13, 9, 1017, 13, "No"},      {15, 9, 1017, 15, "---"},
        {17, 9, 1016, 17, "SSW"},      {19, 9, 1016, 19, "ESE"},     {20, 9, 1015, 20, "XYZ"}};
    auto s = std::make_unique<SessionState>();
    GraphSeries& g = s->graph;
    g.day = 10;
    g.month = 3;
    g.year = 2024;
    g.lastTime = 1330;
    g.title = "LEMD";
    g.pressureIsStation = true;
    for (int i = 0; i < 24; ++i) {
        g.hour[i] = (13 + i) % 24;
        g.temperature[i] = kSlots[i].t;
        g.dewPoint[i] = kSlots[i].td;
        g.pressure[i] = kSlots[i].p;
        g.windSpeed[i] = kSlots[i].w;
        g.windDirection[i] = kSlots[i].direction;
    }
    s->selection.timeOffsetHours = 1;
    s->view.graphShown = true;
    s->view.graphAvailable = true;
    return s;
}

// A graph of 1 April 2024 at UTC+2 with QNH; slot 0 is 8 UTC, only slot 5 has wind.
inline std::unique_ptr<SessionState> airportDay1() {
    auto s = std::make_unique<SessionState>();
    GraphSeries& g = s->graph;
    g.day = 1;
    g.month = 4;
    g.year = 2024;
    g.lastTime = 730;
    g.title = "SCEL";
    g.pressureIsStation = false;
    for (int i = 0; i < 24; ++i) {
        g.hour[i] = (8 + i) % 24;
        g.temperature[i] = 10;
        g.dewPoint[i] = 5;
        g.pressure[i] = 1020;
        g.windSpeed[i] = i == 5 ? 12 : kMissing;
        g.windDirection[i] = i == 5 ? "S" : "N";
    }
    s->selection.timeOffsetHours = 2;
    s->view.graphShown = true;
    return s;
}

// An automatic station of 15 June 2024 at UTC-1 with its own humidity series
// (60 + slot, far from the derived 52 %); slot 0 is 0 UTC, slot 3 lacks the dew point.
inline std::unique_ptr<SessionState> automaticStationDay15() {
    auto s = std::make_unique<SessionState>();
    GraphSeries& g = s->graph;
    g.day = 15;
    g.month = 6;
    g.year = 2024;
    g.lastTime = 2200;
    g.title = "Valencia";
    g.pressureIsStation = false;
    g.hasHumiditySeries = true;
    for (int i = 0; i < 24; ++i) {
        g.hour[i] = i;
        g.temperature[i] = 20;
        g.dewPoint[i] = i == 3 ? kMissing : 10;
        g.humiditySeries[i] = 60 + i;
        g.pressure[i] = 1014;
        g.windSpeed[i] = 10;
        g.windDirection[i] = "SW";
    }
    s->selection.timeOffsetHours = -1;
    s->view.emaGraphShown = true;
    return s;
}

// The Banyeres school station on 20 February 2024: local hours stored (slot 0
// is 1 h), its measured humidity 70 + slot, slot 4 without temperature.
inline std::unique_ptr<SessionState> banyeresDay20() {
    auto s = std::make_unique<SessionState>();
    GraphSeries& g = s->graph;
    g.day = 20;
    g.month = 2;
    g.year = 2024;
    g.lastTime = 0;
    g.title = "Banyeres, Alicante";
    g.pressureIsStation = true;
    for (int i = 0; i < 24; ++i) {
        g.hour[i] = (i + 1) % 24;
        g.temperature[i] = i == 4 ? kMissing : 8;
        g.dewPoint[i] = 6;
        g.banyeresHumiditySeries[i] = 70 + i;
        g.pressure[i] = 950;
        g.windSpeed[i] = 5;
        g.windDirection[i] = "E";
    }
    s->selection.timeOffsetHours = 1;
    s->view.banyeresGraph = true;
    s->view.graphShown = true;
    return s;
}

inline void setLevels(SessionState& s, std::initializer_list<SoundingRow> levels) {
    s.sounding.levels.assign(levels.begin(), levels.end());
    s.sounding.count = static_cast<int>(levels.size());
    std::copy(levels.begin(), levels.end(), s.sounding.mirror.begin());
    s.sounding.rowsAllocated = true;
}

// A sounding of the text-list service (winds in knots): A Coruña, 5 March 2024, 12 UTC.
// Columns: pressure, height, temperature, dew point, humidity, direction, speed.
inline std::unique_ptr<SessionState> textListSounding() {
    auto s = std::make_unique<SessionState>();
    setLevels(*s, {{1013, 58, 14.2f, 9.6f, 73, 230, 10},
                   {1000, 167, 13.4f, 8.6f, 72, 240, 12},
                   {925, 840, 9.4f, 3.4f, 66, 260, 25},
                   {850, 1548, 4.6f, -1.4f, 65, 270, 30},
                   {780, 2250, -0.4f, -6.2f, 63, 275, 35},
                   {700, 3128, -5.3f, -15.3f, 45, 285, 41}});
    StationSelection& sel = s->selection;
    sel.soundingStationName = "A Coru\xF1"
                              "a (Espa\xF1"
                              "a)";
    sel.soundingDay = "5";
    sel.soundingMonth = "3";
    sel.soundingYear = "2024";
    sel.soundingHour = "12";
    s->view.soundingShown = true;
    s->view.soundingAvailable = true;
    return s;
}

// A forecast sounding (winds already in km/h) with a title holding a "/".
inline std::unique_ptr<SessionState> forecastSounding() {
    auto s = std::make_unique<SessionState>();
    setLevels(*s, {{1008, 120, 18.3f, 7.2f, 48, 200, 18.4f},
                   {900, 1010, 11.8f, 2.1f, 52, 215, 27.7f},
                   {800, 1960, 4.4f, -3.9f, 55, 230, 36.2f}});
    s->sounding.isForecast = true;
    s->sounding.forecastTitle = "GFS 40.5N/3.5W 17-7-2026";
    StationSelection& sel = s->selection;
    sel.soundingDay = "17";
    sel.soundingMonth = "7";
    sel.soundingYear = "2026";
    sel.soundingHour = "00";
    s->view.soundingShown = true;
    return s;
}

} // namespace brisalta::test
