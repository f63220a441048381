// The tables as the printout lays them out, in print units (0.01 inch, y
// downward): the hourly table relative to the graph area of the page, the
// sounding table relative to the sounding area. The page itself (title,
// footer, side block, fonts) belongs to the print layout.
#pragma once

#include "ports/drawingcanvas.h"
#include "session/sessionstate.h"

#include <string>
#include <vector>

namespace brisalta {

// A text written with its top-left corner at (x, y), in `colour`.
struct PrintedText {
    int x = 0;
    int y = 0;
    std::string text; // Windows-1252
    Rgb colour;       // black unless it marks an extreme
    friend bool operator==(const PrintedText&, const PrintedText&) = default;
};

// A horizontal rule from x1 to x2 at y.
struct PrintedRule {
    int x1 = 0;
    int x2 = 0;
    int y = 0;
    friend bool operator==(const PrintedRule&, const PrintedRule&) = default;
};

struct PrintedTable {
    std::vector<PrintedText> texts; // in drawing order: headers, then rows
    std::vector<PrintedRule> rules;
};

inline constexpr Rgb kPrintedMaximumColour{255, 0, 0};
inline constexpr Rgb kPrintedMinimumColour{53, 255, 255};

// The hourly table of the printout: the seven column headers at y = -60 and a
// rule under them at y = -35, then one line per slot at y = 550 - 25·slot (the
// latest hour on top). Hours as the table shows them; values "%2d" with " -"
// ("  -" for pressure) when missing; humidity as the table dialog shows it
// (see tableHumidity), " -" when temperature or dew point is missing; the
// direction text with every "W" turned into "O" and " -" for "No". Extreme
// temperatures and pressures in red (maximum) or cyan (minimum, which wins a
// tie), the maximum wind speed in red.
PrintedTable printedHourlyTable(const SessionState& session);

// The sounding table of the printout: headers at y = -50, then level i (1 ...
// count) at y = -15 + 15·(i - 1) + 4·s, where s counts the rules drawn so far;
// a rule from x = -80 to 660 comes before every tenth level, at the level's
// position before the 4 units it adds. Values "%5.f", "%4.f" and "%3.f"; wind
// speeds in km/h.
PrintedTable printedSoundingTable(const SessionState& session);

} // namespace brisalta
