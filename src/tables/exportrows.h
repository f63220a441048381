// The rows the CSV and the Excel exports write for the graph or the sounding
// on screen: hours shifted to local time, the date on the lines that need it,
// humidity, compass texts and degrees, sounding winds in km/h.
#pragma once

#include "session/sessionstate.h"

#include <array>
#include <string>
#include <vector>

namespace brisalta {

// "Individual" writes a new file; "Combinado" appends to one written before.
enum class ExportMode { Individual, Combined };

// What an export writes: the graph when one is shown, else the sounding when
// it is shown, else nothing.
enum class ExportContent { None, Graph, Sounding };
ExportContent exportContentOf(const SessionState& session);

// One hour of the graph export. Every value is text, empty when missing.
struct GraphExportRow {
    std::string date;        // "dd/mm/yyyy" on the lines that carry one
    int hour = 0;            // local hour (see exportHour)
    std::string temperature; // °C
    std::string dewPoint;    // °C
    std::string humidity;    // %
    std::string pressure;    // hPa
    std::string windSpeed;   // km/h
    std::string degrees;     // direction in degrees, empty when the wind speed is missing
    std::string compass;     // Spanish abbreviation ("NNO", "Calma"), empty for an unknown text
};

// The hour the exports write for a slot's hour: unchanged for a graph read
// from a document or for the Banyeres station; else, with n the time offset
// (plus 24 when negative), advanced n times by one hour, 23 going to 0 (an
// hour above 23 loses 23 at each step, and a step that reaches -1 gives 24).
int exportHour(const SessionState& session, int hour);

// Humidity the exports write for a slot in percent, kMissing when the
// temperature or the dew point is missing (see slotHumidity otherwise).
int exportHumidity(const SessionState& session, int slot);

// The 24 rows, slot 0 first. The first row carries the day before the graph's
// date, except on the 1st of a month, when it has none; every row whose hour
// is 0 carries the graph's own date; the others have none.
std::array<GraphExportRow, kSlots> graphExportRows(const SessionState& session);

// One level of the sounding export, from the mirror rows of the sounding.
struct SoundingExportRow {
    std::string date; // "day/month/year_hourh" on the first level, empty on the others
    // pressure (hPa), height (m), temperature and dew point (°C), humidity (%),
    // wind speed (km/h), wind direction (degrees)
    std::array<double, 7> values{};
};

// One row per level, lowest first: `count` rows of SoundingProfile.mirror
// (never more than the mirror holds).
std::vector<SoundingExportRow> soundingExportRows(const SessionState& session);

} // namespace brisalta
