// Reader of the data table of the Banyeres de Mariola school weather station
// ("datosBanyeres.tmp"): one line of 38 words every half hour, newest last, in
// local time.
#pragma once

#include "session/sessionstate.h"
#include "text/streamreader.h"

namespace brisalta {

struct BanyeresTable {
    enum class Problem {
        None,
        TooFewLines, // 9 lines or fewer: nothing was read
    };
    GraphSeries graph;
    Problem problem = Problem::None;
};

// Reads the table over `graph`. The title ("Banyeres, Alicante") and the
// station altitude (729 m, station pressure) are set in any case. A good file
// sets the date and time of its last line, fills slots 0..23 with the full
// hours ending with the last one (slot 23 then takes the last line when it is
// a half hour) and validates them.
//
// Units: temperature, dew point in whole °C and wind in whole km/h, rounded
// half away from zero; pressure in whole hPa at the station (the file's sea-
// level value rounded, divided by the factor of 729 m, rounded again);
// humidity in percent as measured, per slot in banyeresHumiditySeries.
BanyeresTable readBanyeresFile(text::StreamReader& file, GraphSeries graph);

} // namespace brisalta
