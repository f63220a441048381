// A realistic summer day at an inland airport, for the graph tests: 24 hourly
// slots with a diurnal temperature cycle, dew points, QNH and a sea breeze.
#pragma once

#include "catalogues/airportcatalogue.h"
#include "graph/graphrenderer.h"
#include "session/sessionstate.h"

#include <memory>

namespace brisalta::test {

inline void fillSummerDay(GraphSeries& g) {
    static constexpr int kTemperature[kSlots] = {18, 17, 16, 15, 15, 14, 15, 17, 20, 23, 25, 27,
                                                 29, 30, 31, 31, 30, 29, 27, 25, 23, 21, 20, 19};
    static constexpr int kDewPoint[kSlots] = {9, 9, 8, 8, 8, 8, 9, 9, 10, 10, 9, 9,
                                              8, 8, 7, 7, 7, 8, 8, 9, 9, 9, 9, 9};
    static constexpr int kPressure[kSlots] = {1016, 1016, 1016, 1015, 1015, 1015, 1016, 1016,
                                              1016, 1016, 1015, 1015, 1014, 1013, 1013, 1012,
                                              1012, 1012, 1013, 1013, 1014, 1014, 1015, 1015};
    static constexpr int kWind[kSlots] = {6, 6, 4, 4, 4, 2, 4, 6, 9, 11, 13, 15,
                                          19, 22, 24, 26, 24, 22, 19, 15, 11, 9, 7, 6};
    static constexpr const char* kDirection[kSlots] = {
        "N", "N", "NNE", "Calm", "NE", "NE", "E", "E", "ESE", "SE", "SSE", "S",
        "SSW", "SW", "SW", "WSW", "SW", "SW", "S", "SSE", "SE", "E", "ENE", "NE"};
    g.day = 17;
    g.month = 7;
    g.year = 2026;
    g.lastTime = 2230;
    g.humidity = 47;
    g.title = "SAEZ";
    for (int i = 0; i < kSlots; ++i) {
        g.hour[i] = (i + 23) % 24; // UTC hours 23, 0, 1, ... 22
        g.temperature[i] = kTemperature[i];
        g.dewPoint[i] = kDewPoint[i];
        g.pressure[i] = kPressure[i];
        g.windSpeed[i] = kWind[i];
        g.windDirection[i] = kDirection[i];
    }
    g.pressureIsStation = false;
}

// A session showing the summer day on a screen mapped one design unit per
// pixel (an 800 × 600 screen at 96 dpi with drawScale 1.0), no time offset.
inline std::unique_ptr<SessionState> summerDaySession() {
    auto session = std::make_unique<SessionState>();
    fillSummerDay(session->graph);
    session->view.graphShown = true;
    session->view.graphAvailable = true;
    session->view.drawScale = 1.0;
    session->selection.timeOffsetHours = 0;
    session->selection.icao = "SAEZ"; // an airport without a catalogue display name
    return session;
}

// What a graph command and the view do with the graph on screen: prepare it
// (titled from the airport catalogue), store what other commands read, and
// paint it in the screen mapping at the session's scale, or on the printed page.
// True when there was a graph to draw.
inline bool drawGraph(DrawingCanvas& canvas, SessionState& session, bool printing = false) {
    const GraphModel model =
        prepareGraph(session, airports::displayNameOf(session.selection.icao.str()));
    applyGraphModel(session, model);
    paintGraph(canvas, model,
               printing ? PageMapping::print() : PageMapping::screen(session.view.drawScale));
    return model.drawable;
}

} // namespace brisalta::test
