// The read-out of the sounding diagram.
#include "diagram/soundingreadout.h"

#include "diagram/soundinggeometry.h"
#include "text/codepage.h"
#include "text/format.h"
#include "thermo/thermodynamics.h"
#include "thermo/windprofile.h"

#include <algorithm>
#include <cmath>

namespace brisalta {
namespace {

double between(double a, double b, double f) {
    return a + (b - a) * f;
}

// The direction from a to b the short way round, f of the way.
double directionBetween(double a, double b, double f) {
    double turn = b - a;
    if (turn > 180.0) {
        turn -= 360.0;
    } else if (turn < -180.0) {
        turn += 360.0;
    }
    return std::fmod(a + turn * f + 360.0, 360.0);
}

// One decimal with a comma, as Spanish writes it.
std::string decimal(double v) {
    std::string text = text::format("%.1f", v);
    std::replace(text.begin(), text.end(), '.', ',');
    if (text == "-0,0") {
        text = "0,0";
    }
    return text;
}

} // namespace

std::optional<SoundingReadout> soundingReadoutAt(const SoundingModel& model, double x, double y) {
    if (!model.drawable || model.rows.size() < 2) {
        return std::nullopt;
    }
    const bool inPanel = (x >= kSkewLeft && x <= kSkewRight) || (x >= kWindLeft && x <= kWindRight);
    if (!inPanel || y < kPanelTop || y > kPanelBottom) {
        return std::nullopt;
    }
    const SoundingGeometry g = soundingGeometry(model.rows.front()[kHeight], model.zoomed);
    if (!g.valid()) {
        return std::nullopt;
    }
    // The inverse of the height scale: Y = 85 + 380 · (Htop − h) / span.
    const double height = g.top - (y - kPanelTop) * static_cast<double>(g.span) / 380.0;
    for (std::size_t i = 0; i + 1 < model.rows.size(); ++i) {
        const SoundingRow& low = model.rows[i];
        const SoundingRow& high = model.rows[i + 1];
        const double h1 = low[kHeight];
        const double h2 = high[kHeight];
        if (!(h1 <= height && height <= h2) || !(h2 > h1)) {
            continue;
        }
        const double f = (height - h1) / (h2 - h1);
        const double speedFactor = model.knots ? kKnotsToKmh : 1.0;
        SoundingReadout r;
        r.height = height;
        r.pressure = between(low[kPressure], high[kPressure], f);
        r.temperature = between(low[kTemperature], high[kTemperature], f);
        r.dewPoint = between(low[kDewPoint], high[kDewPoint], f);
        r.windDirection = directionBetween(low[kWindDirection], high[kWindDirection], f);
        r.windSpeed = between(low[kWindSpeed], high[kWindSpeed], f) * speedFactor;
        return r;
    }
    return std::nullopt;
}

std::string soundingReadoutText(const SoundingReadout& r) {
    const int degrees = static_cast<int>(std::lround(r.windDirection)) % 360;
    return text::format1252("%.0f m · %.0f hPa\nTemperatura: %s ºC\nPunto de rocío: %s ºC\n"
                            "Viento: %.0f km/h del %s (%dº)",
                            r.height, r.pressure, decimal(r.temperature).c_str(),
                            decimal(r.dewPoint).c_str(), r.windSpeed,
                            std::string(directionName(degrees)).c_str(), degrees);
}

} // namespace brisalta
