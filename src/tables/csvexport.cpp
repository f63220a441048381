// The CSV export of the graph and of the sounding.
#include "tables/csvexport.h"

#include "text/codepage.h"
#include "text/format.h"

namespace brisalta {

std::string graphCsv(const SessionState& session, ExportMode mode) {
    std::string out;
    if (mode == ExportMode::Combined) {
        out = ",,,,,,,,\r\n";
    } else if (session.graph.pressureIsStation) {
        out = text::cp1252("Fecha,Hora,Temperatura (ºC),Rocío (ºC),Humedad(%),Presión Real(mb),"
                           "Velocidad (km/h),Dirección (º),Brújula\r\n");
    } else {
        out = text::cp1252("Fecha,Hora,Temperatura (ºC),Rocío (ºC),Humedad(%),Presión QNH(mb),"
                           "Velocidad (km/h),Dirección (º),Brújula\r\n");
    }
    for (const GraphExportRow& r : graphExportRows(session)) {
        out += text::format("%s,%d,%s,%s,%s,%s,%s,%s,%s\r\n", r.date.c_str(), r.hour,
                            r.temperature.c_str(), r.dewPoint.c_str(), r.humidity.c_str(),
                            r.pressure.c_str(), r.windSpeed.c_str(), r.degrees.c_str(),
                            r.compass.c_str());
    }
    return out;
}

std::string soundingCsv(const SessionState& session, ExportMode mode) {
    std::string out =
        mode == ExportMode::Combined
            ? std::string(",,,,,,,\r\n")
            : text::cp1252("Fecha,Presión (mb),Altura (m.),Temperatura (ºC),"
                           "Rocío (ºC),Humedad (%),Velocidad (km/h),Dirección (º)\r\n");
    for (const SoundingExportRow& r : soundingExportRows(session)) {
        const auto& v = r.values;
        out += text::format("%s,%.f,%.f,%.f,%.f,%.f,%.f,%.f\r\n", r.date.c_str(), v[0], v[1], v[2],
                            v[3], v[4], v[5], v[6]);
    }
    return out;
}

ExportResult writeCsvExport(const SessionState& session, const std::filesystem::path& path,
                            ExportMode mode, const BeforeReplace& beforeReplace) {
    const ExportContent content = exportContentOf(session);
    if (content == ExportContent::None) {
        return {ExportStatus::NothingToExport, {}};
    }
    const std::string lines =
        content == ExportContent::Graph ? graphCsv(session, mode) : soundingCsv(session, mode);
    if (mode == ExportMode::Individual) {
        return replaceExportFile(path, lines, false, beforeReplace);
    }

    const std::filesystem::path target = combinedTarget(path);
    std::error_code error;
    if (!std::filesystem::exists(target, error)) {
        if (error && error != std::errc::no_such_file_or_directory) {
            return {ExportStatus::CannotWrite, error};
        }
        return {ExportStatus::NeedsIndividualFirst, {}};
    }
    std::string bytes;
    error = readExportFile(target, bytes);
    if (error) {
        return {ExportStatus::CannotWrite, error};
    }
    bytes += lines;
    return replaceExportFile(target, bytes, true, beforeReplace);
}

} // namespace brisalta
