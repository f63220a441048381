// How an export ended, and the Spanish message the user reads about it.
#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace brisalta {

enum class ExportFormat { Csv, Excel };

enum class ExportStatus {
    Written,              // the file holds the export
    NothingToExport,      // no graph and no sounding on screen; nothing touched
    NeedsIndividualFirst, // "Combinado" on a file that does not exist; nothing written
    NotAWorkbook,         // "Combinado" on a file that is not an Excel workbook; left untouched
    OtherKindOfTable,     // "Combinado" on a workbook without this kind of table; left untouched
    CannotWrite,          // the file could not be read or replaced (see error); left as it was
    NoWorkbookWriter,     // the Excel writer module could not be loaded; nothing touched
};

struct ExportResult {
    ExportStatus status = ExportStatus::Written;
    std::error_code error; // the system's reason for CannotWrite
    bool ok() const { return status == ExportStatus::Written; }
};

// The message of an export's outcome, Windows-1252; `path` is the file the user
// chose. Graph or sounding matters only to OtherKindOfTable (`graph` true when
// a graph was being exported).
//   Written, CSV:   "Fichero delimitado CSV grabado con el nombre:\n<path>"
//   Written, Excel: "Fichero para Microsoft Excel grabado con el nombre:\n<path>"
//   NothingToExport: "Es necesario disponer de una gráfica o un sondeo para exportar los datos"
//   NeedsIndividualFirst: "Es necesario grabar primero un fichero individual para poder combinarlo
//   luego." NotAWorkbook: "El fichero «<path>» no es un libro de Excel (.xlsx): no se le pueden
//   añadir
//                  datos. No se ha modificado."
//   OtherKindOfTable: "El libro «<path>» no tiene la hoja «Graficas» de los datos de gráficas:
//                  no se le pueden añadir los de esta gráfica. No se ha modificado." (or «Sondeos»,
//                  sondeos, este sondeo)
//   CannotWrite: "No se ha podido grabar el fichero «<path>»: <reason>." with the reason in
//                  Spanish ("no queda espacio en el disco", "no hay permiso para escribir en la
//                  carpeta", ...)
//   NoWorkbookWriter: "No se ha podido grabar el fichero «<path>»: falta la parte del programa
//                  que escribe los libros de Excel (brisalta-libro.so). Vuelva a instalar
//                  Brisalta; la exportación a CSV sí funciona."
std::string exportMessage(const ExportResult& result, ExportFormat format,
                          const std::filesystem::path& path, bool graph);

} // namespace brisalta
