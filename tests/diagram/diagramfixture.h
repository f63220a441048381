// Sessions holding a sounding ready to draw, for the diagram and simulation
// tests: made-up profiles with known shapes, and real pages read by the
// sounding readers.
#pragma once

#include "diagram/soundingdiagram.h"
#include "session/sessionstate.h"

#include <filesystem>
#include <memory>
#include <vector>

namespace brisalta::test {

// One level in the column order of the sounding rows.
SoundingRow level(float pressure, float height, float temperature, float dewPoint, float humidity,
                  float direction, float speed);

// A session showing these rows as a text-list sounding (speeds in knots) of
// a station picked from the catalogue, 17 July 2024 at 12 UTC, on screen.
std::unique_ptr<SessionState> soundingSession(const std::vector<SoundingRow>& rows);

// A summer afternoon over the plateau: the station at 600 m and 948 hPa,
// 30 °C and 5 °C of dew point, a dry-adiabatic layer to 1600 m capped by a
// 2 °C inversion, then the standard lapse rate; wind from the west
// strengthening from 10 to 50 knots. Rows every 500 m to 15600 m, pressures
// from a standard atmosphere.
std::vector<SoundingRow> dryAfternoonRows();

// A moist coastal morning: the station at 10 m and 1012 hPa, 24 °C and 20 °C
// of dew point, a dry-adiabatic layer (9.8 K/km) to 1510 m and 6.5 K/km above
// up to 11010 m, a south-easterly wind from 8 to 30 knots.
std::vector<SoundingRow> moistMorningRows();

// A session holding a real page of the text-list service, read by the
// sounding reader (the page's station text names the station), for the date
// given as texts.
std::unique_ptr<SessionState> wyomingSession(const std::filesystem::path& page,
                                             const char* day = "4", const char* month = "5",
                                             const char* year = "1999", const char* hour = "00");

// A page of the second service for Murcia, 17 July 2024 at 12 UTC, read by
// the sounding reader; by default the one of tests/data/sounding (102 rows
// in km/h).
std::unique_ptr<SessionState> secondServiceSession(const std::filesystem::path& page = {});

// A forecast listing of tests/data/sounding, read by the forecast reader.
std::unique_ptr<SessionState> forecastSession(const char* file = "ready_gfs_coordinates.txt");

// What a sounding command and the view do with the sounding on screen:
// prepare it (running the ceiling simulation while one is requested), store
// what other commands read, and paint it in the screen mapping, or the print
// mapping at the session's scale, or on the printed page. True when there was
// a sounding to draw.
inline bool drawSounding(DrawingCanvas& canvas, SessionState& session, bool printing = false) {
    CeilingSimulation ceiling = session.ceiling;
    const SoundingModel model = prepareSounding(session, ceiling);
    applySoundingModel(session, model, ceiling);
    paintSounding(canvas, model,
                  printing ? PageMapping::print() : PageMapping::screen(session.view.drawScale));
    return model.drawable;
}

} // namespace brisalta::test
