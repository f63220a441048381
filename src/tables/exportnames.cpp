// Default names of the exports.
#include "tables/exportnames.h"

#include "tables/exportrows.h"
#include "text/format.h"
#include "text/textutil.h"

namespace brisalta {

const char* exportExtension(ExportFormat format) {
    return format == ExportFormat::Csv ? "csv" : "xlsx";
}

std::string defaultExportName(const SessionState& session, ExportFormat format) {
    const std::string extension = std::string(".") + exportExtension(format);
    std::string name;
    switch (exportContentOf(session)) {
    case ExportContent::None:
        return {};
    case ExportContent::Graph: {
        const GraphSeries& g = session.graph;
        name = text::format1252("Gráfica %s %.2fh %d-%d-%d", g.title.c_str(), g.lastTime / 100.0,
                                g.day, g.month, g.year) +
               extension;
        break;
    }
    case ExportContent::Sounding: {
        const StationSelection& s = session.selection;
        name = session.sounding.isForecast
                   ? session.sounding.forecastTitle.str()
                   : "Sondeo " + s.soundingStationName + " " + s.soundingDay + "-" +
                         s.soundingMonth + "-" + s.soundingYear + " " + s.soundingHour + "h";
        if (name.size() < extension.size() ||
            name.compare(name.size() - extension.size(), extension.size(), extension) != 0) {
            name += extension;
        }
        break;
    }
    }
    text::replaceAll(name, '/', ' ');
    return name;
}

} // namespace brisalta
