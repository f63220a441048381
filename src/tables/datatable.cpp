// Helpers shared by the hourly and the sounding table.
#include "tables/datatable.h"

#include "text/format.h"

#include <cmath>

namespace brisalta {
namespace {

void appendLine(std::string& out, const std::vector<std::string>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            out += '\t';
        }
        out += cells[i];
    }
    out += '\n';
}

} // namespace

int twipsToPixels(int twips, int dotsPerInch) {
    const int dpi = dotsPerInch > 0 ? dotsPerInch : 96;
    return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / 1440.0));
}

std::string hexColour(Rgb colour) {
    return text::format("#%02X%02X%02X", colour.red & 0xFF, colour.green & 0xFF,
                        colour.blue & 0xFF);
}

std::optional<Rgb> highlightAt(const DataTable& table, int row, int column) {
    for (const CellHighlight& h : table.highlights) {
        if (h.row == row && h.column == column) {
            return h.colour;
        }
    }
    return std::nullopt;
}

std::string tableAsText(const DataTable& table) {
    std::string out;
    const std::vector<const std::string*> above =
        table.kind == TableKind::Hourly
            ? std::vector<const std::string*>{&table.headerLine1, &table.headerLine2}
            : std::vector<const std::string*>{&table.title};
    for (const std::string* text : above) {
        if (!text->empty()) {
            out += *text;
            out += '\n';
        }
    }
    appendLine(out, table.columns);
    for (const auto& row : table.rows) {
        appendLine(out, row);
    }
    return out;
}

} // namespace brisalta
