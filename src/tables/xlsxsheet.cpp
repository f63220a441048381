// The rows of the Excel export.
#include "tables/xlsxsheet.h"

#include "text/codepage.h"

#include <cmath>

namespace brisalta {
namespace {

// A value as a whole number, the way "%.f" rounds it (to nearest, ties to
// even); minus zero becomes zero.
double wholeNumber(double value) {
    const double rounded = std::nearbyint(value);
    return rounded == 0.0 ? 0.0 : rounded;
}

} // namespace

SheetRows graphSheet(const SessionState& session, ExportMode mode) {
    SheetRows sheet;
    sheet.sheetName = "Graficas";
    const char* pressure =
        session.graph.pressureIsStation ? "Presión real(mb)" : "Presión QNH(mb)";
    for (const char* column : {"Fecha", "Hora", "Temperatura (°C)", "Rocío (°C)", "Humedad (%)",
                               pressure, "Velocidad (km/h)", "Dirección (°)", "Brújula"}) {
        sheet.columns.push_back(text::cp1252(column));
    }
    if (mode == ExportMode::Combined) {
        SheetRow separator(9, SheetCell::null());
        separator.front() = SheetCell::textCell("");
        separator.back() = SheetCell::textCell("");
        sheet.rows.push_back(separator);
    }
    for (const GraphExportRow& r : graphExportRows(session)) {
        sheet.rows.push_back({SheetCell::textCell(r.date), SheetCell::numberCell(r.hour),
                              SheetCell::textCell(r.temperature), SheetCell::textCell(r.dewPoint),
                              SheetCell::textCell(r.humidity), SheetCell::textCell(r.pressure),
                              SheetCell::textCell(r.windSpeed), SheetCell::textCell(r.degrees),
                              SheetCell::textCell(r.compass)});
    }
    return sheet;
}

SheetRows soundingSheet(const SessionState& session, ExportMode mode) {
    SheetRows sheet;
    sheet.sheetName = "Sondeos";
    for (const char* column : {"Fecha", "Presión (mb)", "Altura (m)", "Temperatura (°C)",
                               "Rocío (°C)", "Humedad (%)", "Velocidad (km/h)", "Dirección (°)"}) {
        sheet.columns.push_back(text::cp1252(column));
    }
    if (mode == ExportMode::Combined) {
        SheetRow separator(8, SheetCell::null());
        separator.front() = SheetCell::textCell("");
        sheet.rows.push_back(separator);
    }
    for (const SoundingExportRow& r : soundingExportRows(session)) {
        SheetRow row{SheetCell::textCell(r.date)};
        for (double value : r.values) {
            row.push_back(SheetCell::numberCell(wholeNumber(value)));
        }
        sheet.rows.push_back(row);
    }
    return sheet;
}

} // namespace brisalta
