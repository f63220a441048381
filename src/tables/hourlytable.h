// The hourly table of the surface graph: 24 rows, the latest hour on top, as
// the table dialog, its printout and the command-line table show them.
#pragma once

#include "session/sessionstate.h"
#include "tables/datatable.h"

#include <array>
#include <string>

namespace brisalta {

// One row of the hourly table. Values are whole units (°C, %, hPa, km/h) with
// kMissing where there is none.
struct HourlyRow {
    int slot = 0; // the GraphSeries slot the row shows
    int hour = 0; // the slot's hour as the table shows it (see tableHour)
    int temperature = kMissing;
    int dewPoint = kMissing;
    int humidity = kMissing;
    int pressure = kMissing;
    int windSpeed = kMissing;
    std::string direction; // Spanish abbreviation, empty when the slot has none
};

// The hour a table row shows for a slot's hour: the stored hour for a graph
// read from a document or for the Banyeres station, else the hour plus the
// time offset, brought back into 0..23 by one correction of 24.
int tableHour(const SessionState& session, int hour);

// The relative humidity of a slot in the table, in percent: kMissing when the
// temperature or the dew point is missing, else the measured or derived value
// of slotHumidity; a Banyeres graph always shows its measured series.
int tableHumidity(const SessionState& session, int slot);

// The 24 rows: row 0 is slot 23 (the latest hour), row 23 slot 0.
std::array<HourlyRow, kSlots> hourlyTableRows(const SessionState& session);

// The table dialog's content: caption "Datos Horarios Gráfica", the session's
// two header lines and graph title, the seven columns with their widths, cells
// written "%d" with "-" for a missing value (the hour always as a number) and
// "-" for a missing direction, and the daily extremes highlighted: every
// temperature and pressure equal to the day's maximum in kMaximumColour and to
// its minimum in kMinimumColour (the minimum wins a tie), every wind speed
// equal to the maximum in kMaximumColour.
DataTable hourlyTable(const SessionState& session);

// "Es necesario disponer de una gráfica o un sondeo previamente." (Windows-1252):
// the answer of the table command when nothing is shown.
std::string tableNeedsPictureMessage();

} // namespace brisalta
