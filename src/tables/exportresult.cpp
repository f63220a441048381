// Messages about the outcome of an export.
#include "tables/exportresult.h"

#include "settings/atomicfile.h"
#include "text/codepage.h"
#include "text/debuglog.h"
#include "text/format.h"

#include <cerrno>

namespace brisalta {
namespace {

// The file as a message names it: its name only (UTF-8 on Linux). The
// folder goes to the debug trace; a message box never shows a whole path.
std::string displayName(const std::filesystem::path& path) {
    text::debugLog("fichero: " + path.string() + "\n");
    return text::toCp1252(path.filename().string());
}

} // namespace

std::string exportMessage(const ExportResult& result, ExportFormat format,
                          const std::filesystem::path& path, bool graph) {
    const std::string name = displayName(path);
    switch (result.status) {
    case ExportStatus::Written:
        return (format == ExportFormat::Csv
                    ? text::cp1252("Fichero delimitado CSV grabado con el nombre:\n")
                    : text::cp1252("Fichero para Microsoft Excel grabado con el nombre:\n")) +
               name;
    case ExportStatus::NothingToExport:
        return text::cp1252(
            "Es necesario disponer de una gráfica o un sondeo para exportar los datos");
    case ExportStatus::NeedsIndividualFirst:
        return text::cp1252(
            "Es necesario grabar primero un fichero individual para poder combinarlo luego.");
    case ExportStatus::NotAWorkbook:
        return text::cp1252("El fichero «") + name +
               text::cp1252("» no es un libro de Excel (.xlsx): no se le pueden añadir datos. "
                            "No se ha modificado.");
    case ExportStatus::OtherKindOfTable:
        return text::cp1252("El libro «") + name +
               text::cp1252(graph ? "» no tiene la hoja «Graficas» de los datos de gráficas: no "
                                    "se le pueden añadir los de esta gráfica. No se ha modificado."
                                  : "» no tiene la hoja «Sondeos» de los datos de sondeos: no se "
                                    "le pueden añadir los de este sondeo. No se ha modificado.");
    case ExportStatus::CannotWrite:
        // EFBIG here is the file to append to being larger than any export
        // file could honestly be (see readExportFile).
        return text::cp1252("No se ha podido grabar el fichero «") + name + text::cp1252("»: ") +
               (result.error == std::errc::file_too_large
                    ? text::cp1252("el fichero es demasiado grande")
                    : writeFailureReason(result.error)) +
               ".";
    case ExportStatus::NoWorkbookWriter:
        return text::cp1252("No se ha podido grabar el fichero «") + name +
               text::cp1252("»: falta la parte del programa que escribe los libros de Excel "
                            "(brisalta-libro.so). Vuelva a instalar Brisalta; la exportación a "
                            "CSV sí funciona.");
    }
    return {};
}

} // namespace brisalta
