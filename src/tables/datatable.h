// What a data table shows, whoever shows it: the grid of the table dialogs, the
// command-line table and its JSON. Texts are Windows-1252.
#pragma once

#include "ports/drawingcanvas.h"

#include <optional>
#include <string>
#include <vector>

namespace brisalta {

// Cell backgrounds of the tables.
inline constexpr Rgb kMaximumColour{255, 102, 102}; // daily maximum
inline constexpr Rgb kMinimumColour{153, 255, 255}; // daily minimum, freezing level

// A coloured data cell. Rows and columns count from 0 over the data cells: row 0
// is the first line under the headers and column 0 the hour or height column.
struct CellHighlight {
    int row = 0;
    int column = 0;
    Rgb colour;
    friend bool operator==(const CellHighlight&, const CellHighlight&) = default;
};

enum class TableKind { Hourly, Sounding };

struct DataTable {
    TableKind kind = TableKind::Hourly;
    std::string caption; // caption of the dialog window
    std::string title;   // the graph's title, or the sounding's title line (shown above its grid)
    std::string
        headerLine1; // the two header lines shown above the hourly grid (empty for a sounding)
    std::string headerLine2;
    std::string fontName;                       // font of the grid
    std::vector<std::string> columns;           // column headers, column 0 first
    std::vector<int> columnWidthsTwips;         // one per column, 1/1440 inch
    std::vector<std::vector<std::string>> rows; // cell texts, every row as long as columns
    std::vector<CellHighlight> highlights;      // at most one per cell, in row order
};

// A width in twips (1/1440 inch) in pixels of a screen with the given dots
// per inch, rounded to the nearest pixel. A non-positive dpi counts as 96.
int twipsToPixels(int twips, int dotsPerInch);

// A colour as "#RRGGBB" (upper-case hexadecimal), as the JSON output writes it.
std::string hexColour(Rgb colour);

// The background of a data cell, or nothing when it keeps the grid's own.
std::optional<Rgb> highlightAt(const DataTable& table, int row, int column);

// The table as its dialog shows it, in plain text: the texts above the grid (the
// two header lines of an hourly table, the title of a sounding table; empty ones
// left out), then the column headers, then one line per row, cells separated by
// tabs, every line ended by '\n'. Windows-1252.
std::string tableAsText(const DataTable& table);

} // namespace brisalta
