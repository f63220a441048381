// The printed page: one sheet in 0.01-inch units with a title line and a
// rule, the graph, the sounding diagram or the ceiling by hour (or, while a
// table dialog is open, its table), the statistics and the sky report beside
// a graph, and a footer.
// The printer, the print preview, the command-line PDF and the tests all
// paint it through this one function.
#pragma once

#include "ports/drawingcanvas.h"
#include "session/sessionstate.h"

#include <string>

namespace brisalta {

enum class PageOrientation { Landscape, Portrait };

// Landscape, except while the sounding table dialog is open (tablePortrait),
// whose long list of levels is printed on a portrait page.
PageOrientation printOrientation(const SessionState& session);

// The title line of the page, Windows-1252:
//   graph:    "    Brisalta  -  <graph title>"
//   sounding: a forecast's title; for a station of the catalogue
//             "    Brisalta - <diagram title>"; otherwise "Sondeo <station> a
//             las <hour> horas UTC del día <day> de <Month> de <year>"
//   ceiling by hour: "    Brisalta  -  <picture title>"
//   nothing shown: empty.
// A sounding on screen wins over a graph.
std::string printTitle(const SessionState& session);

// The five lines of the side block's statistics (maximum and minimum
// temperature, maximum wind with its direction, maximum and minimum pressure,
// each with its hour), every line ended by '\n'. Windows-1252.
std::string printedStatistics(const DailyExtremes& extremes);

// The footer's credit line, Windows-1252.
std::string printCredit();

// Where the page puts the picture: the graph's design origin and the sounding
// area's origin, in 0.01 inch from the corner of the printable area.
inline constexpr Point kGraphArea{30, 130};
inline constexpr Point kSoundingArea{120, 100};

// Paints the page. The canvas is switched to the print mapping (one unit per
// 0.01 inch, y downward) with its origin at the top-left corner of the
// printable area; `pageWidth` is that area's width in the same units, across
// which the title and footer rules run. The prepared pictures
// (session.view.pictures) are drawn in print mode; nothing in the session
// changes. Whatever lies beyond the page is left to the device to clip.
void paintPrintedPage(DrawingCanvas& canvas, const SessionState& session, int pageWidth);

} // namespace brisalta
