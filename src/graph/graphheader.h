// The texts above the 24-hour graph and the cleaning of its series: the two
// header lines, the feels-like temperature and humidity they show, and the
// validation that turns implausible values into the missing marker.
#pragma once

#include "session/sessionstate.h"

#include <string>

namespace brisalta {

// " Últimos datos del día dd/mm/yyyy a las h.mm horas: <title>", the title
// padded on the left to 9 characters. Windows-1252.
std::string graphHeaderLine1(const GraphSeries& graph);

// The values of the latest slot (23): temperature, feels-like temperature,
// dew point, relative humidity, pressure, wind and gust, and direction name.
// Missing values are written "-". Windows-1252.
std::string graphHeaderLine2(const SessionState& session);

// Feels-like temperature in whole °C from a temperature in °C and a wind speed
// in km/h: the wind-chill formula on the Fahrenheit scale when the air is cool
// (≤ 63 °F) and the wind above 3 mph, or when it is warm (≥ 77 °F); the
// temperature itself otherwise. A missing temperature or wind speed gives the
// temperature unchanged.
int feelsLikeTemperature(int temperature, int windSpeed);

// Relative humidity of a slot in percent: the Banyeres station's measured
// series for a Banyeres graph, the automatic station's series when it sent one,
// else derived from temperature and dew point. kMissing when it cannot be known.
int slotHumidity(const SessionState& session, int slot);

// Turns implausible values into kMissing, in place: temperatures and dew points
// outside -100..100 °C, pressures outside 700..1200 hPa, and wind speeds that
// are 0 or outside 1..300 km/h. Tables, exports and later drawings then see the
// cleaned series.
void validateSeries(GraphSeries& graph);

} // namespace brisalta
