// The worksheet an Excel export writes: the table's name, its column names and
// the rows with the type of every cell, as the export's table defines them
// (a graph's "Hora" is a number and its other columns text; a sounding's
// values are numbers).
#pragma once

#include "session/sessionstate.h"
#include "tables/exportrows.h"

#include <string>
#include <vector>

namespace brisalta {

struct SheetCell {
    enum class Kind {
        Null,   // no cell at all
        Text,   // a text, possibly empty
        Number, // a number
    };
    Kind kind = Kind::Null;
    std::string text; // Windows-1252
    double number = 0.0;

    static SheetCell null() { return {}; }
    static SheetCell textCell(std::string value) { return {Kind::Text, std::move(value), 0.0}; }
    static SheetCell numberCell(double value) { return {Kind::Number, {}, value}; }
    friend bool operator==(const SheetCell&, const SheetCell&) = default;
};

using SheetRow = std::vector<SheetCell>;

struct SheetRows {
    std::string sheetName;            // "Graficas" or "Sondeos"
    std::vector<std::string> columns; // column names, Windows-1252
    std::vector<SheetRow> rows;       // the rows this export adds
};

// The graph's worksheet: "Graficas" with the columns Fecha, Hora,
// Temperatura (°C), Rocío (°C), Humedad (%), Presión real(mb) or Presión
// QNH(mb), Velocidad (km/h), Dirección (°), Brújula. Rows as the CSV export's
// (graphExportRows): Hora a number, every other column a text, empty when the
// value is missing. A combined export starts with the separator row: date and
// compass empty texts, the seven columns between them null.
SheetRows graphSheet(const SessionState& session, ExportMode mode);

// The sounding's worksheet: "Sondeos" with the columns Fecha, Presión (mb),
// Altura (m), Temperatura (°C), Rocío (°C), Humedad (%), Velocidad (km/h),
// Dirección (°). Fecha is a text (the date on the first level, empty on the
// others) and the other columns numbers rounded to whole units; a combined
// export starts with a row of an empty date and seven nulls.
SheetRows soundingSheet(const SessionState& session, ExportMode mode);

} // namespace brisalta
