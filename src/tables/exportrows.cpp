// Rows of the CSV and Excel exports.
#include "tables/exportrows.h"

#include "graph/graphheader.h"
#include "tables/directiontexts.h"
#include "tables/soundingtable.h"
#include "text/format.h"

#include <algorithm>

namespace brisalta {
namespace {

std::string valueOrEmpty(int value) {
    return value == kMissing ? std::string() : text::format("%d", value);
}

} // namespace

ExportContent exportContentOf(const SessionState& session) {
    if (session.view.graphShown || session.view.emaGraphShown) {
        return ExportContent::Graph;
    }
    if (session.view.soundingShown) {
        return ExportContent::Sounding;
    }
    return ExportContent::None;
}

int exportHour(const SessionState& session, int hour) {
    if (session.view.graphFromFile || session.view.banyeresGraph) {
        return hour;
    }
    long long n = session.selection.timeOffsetHours;
    if (n < 0) {
        n += 24;
    }
    if (n <= 0) {
        return hour;
    }
    long long h = hour;
    // Hours outside the day (a hand-edited series) walk into it one step at a
    // time; these jumps take the same steps at once, so no offset loops long.
    if (h < -1) {
        const long long steps = std::min(n, -1 - h);
        h += steps;
        n -= steps;
        if (h == -1) {
            h = 24;
        }
    }
    if (h > 23 && n > 0) {
        const long long steps = std::min(n, (h - 23 + 22) / 23);
        h -= 23 * steps;
        n -= steps;
    }
    if (h == -1 && n > 0) {
        h = 0;
        --n;
    }
    if (h >= 0 && h <= 23) {
        h = (h + n) % 24;
    }
    return static_cast<int>(h);
}

int exportHumidity(const SessionState& session, int slot) {
    if (slot < 0 || slot >= kSlots) {
        return kMissing;
    }
    const GraphSeries& g = session.graph;
    if (g.temperature[slot] == kMissing || g.dewPoint[slot] == kMissing) {
        return kMissing;
    }
    return slotHumidity(session, slot);
}

std::array<GraphExportRow, kSlots> graphExportRows(const SessionState& session) {
    const GraphSeries& g = session.graph;
    std::array<GraphExportRow, kSlots> rows{};
    for (int slot = 0; slot < kSlots; ++slot) {
        GraphExportRow& r = rows[slot];
        r.hour = exportHour(session, g.hour[slot]);
        // The series starts the day before unless the first hour is midnight;
        // the day's own date goes on the line where the clock passes 0.
        if (slot == 0 && g.day != 1) {
            r.date = text::format("%.2d/%.2d/%d", g.day - 1, g.month, g.year);
        }
        if (r.hour == 0) {
            r.date = text::format("%.2d/%.2d/%d", g.day, g.month, g.year);
        }
        r.temperature = valueOrEmpty(g.temperature[slot]);
        r.dewPoint = valueOrEmpty(g.dewPoint[slot]);
        r.humidity = valueOrEmpty(exportHumidity(session, slot));
        r.pressure = valueOrEmpty(g.pressure[slot]);
        const std::string_view direction = g.windDirection[slot].view();
        if (g.windSpeed[slot] != kMissing) {
            r.windSpeed = text::format("%d", g.windSpeed[slot]);
            r.degrees = text::format("%d", tables::directionDegrees(direction));
        }
        r.compass = tables::spanishAbbreviation(direction);
    }
    return rows;
}

std::vector<SoundingExportRow> soundingExportRows(const SessionState& session) {
    const SoundingProfile& sounding = session.sounding;
    const StationSelection& s = session.selection;
    const int count = std::clamp(sounding.count, 0, kMirrorRows);
    std::vector<SoundingExportRow> rows(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const SoundingRow& level = sounding.mirror[static_cast<std::size_t>(i)];
        SoundingExportRow& r = rows[static_cast<std::size_t>(i)];
        if (i == 0) {
            r.date = s.soundingDay + "/" + s.soundingMonth + "/" + s.soundingYear + "_" +
                     s.soundingHour + "h";
        }
        r.values = {level[kPressure],     level[kHeight],
                    level[kTemperature],  level[kDewPoint],
                    level[kHumidity],     soundingWindKmh(sounding, level[kWindSpeed]),
                    level[kWindDirection]};
    }
    return rows;
}

} // namespace brisalta
