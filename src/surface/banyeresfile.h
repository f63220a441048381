// Reader of the data table of the Banyeres de Mariola school weather station
// ("datosBanyeres.tmp"): one line of 38 words every half hour, newest last, in
// local time.
#pragma once

#include <filesystem>

namespace brisalta {

struct SessionState;
class Ui;

// Fills the 24 slots of session.graph from the full-hour lines of the last
// day and deletes the file.
//
// Always first: pressureIsStation, altitudeKnown, hasGust, gustSpeed and
// hasTrend become 0 and skyReport is emptied (the station sends no report).
// When the download did not succeed (downloadOk is not 1, or downloadFailed
// is 1) graphShown becomes 0 and nothing is read. Otherwise icao becomes
// "BANY"; a missing file or a file of 9 lines or fewer is told to the user
// through `ui`. A good file sets the title, the station altitude (729 m) and
// the date and time of its last line, fills slots 0..23 with the full hours
// ending with the last one (slot 23 then takes the last line when it is a half
// hour), validates them, sets banyeresGraph, graphAvailable and graphShown and
// shows the credit line of the school.
//
// Units: temperature, dew point in whole °C and wind in whole km/h, rounded
// half away from zero; pressure in whole hPa at the station (the file's sea-
// level value rounded, divided by the factor of 729 m, rounded again);
// humidity in percent as measured, per slot in banyeresHumiditySeries.
void readBanyeresFile(SessionState& session, Ui& ui, const std::filesystem::path& file);

} // namespace brisalta
