// The default name of a document.
#include "document/documentname.h"

#include "text/format.h"

namespace brisalta {
namespace {

std::string buildName(SessionState& session) {
    StationSelection& selection = session.selection;
    const SoundingProfile& sounding = session.sounding;
    if (!session.view.soundingShown) {
        const GraphSeries& graph = session.graph;
        return text::format1252("Gráfica_%s_%d_%d_%d", graph.title.c_str(), graph.day, graph.month,
                                graph.year);
    }
    if (!selection.soundingFromCatalogue) {
        selection.soundingStationName = sounding.forecastTitle.str();
    }
    if (sounding.isForecast) {
        return sounding.forecastTitle.str();
    }
    return text::format("Sondeo_%s_%s_%s_%s_%sh", selection.soundingStationName.c_str(),
                        selection.soundingDay.c_str(), selection.soundingMonth.c_str(),
                        selection.soundingYear.c_str(), selection.soundingHour.c_str());
}

} // namespace

DocumentName proposeDocumentName(SessionState& session) {
    DocumentName name;
    name.title = buildName(session);

    std::string file = name.title;
    for (char& c : file) {
        if (c == ' ' || c == '-' || c == '/') {
            c = '_';
        }
    }
    const std::size_t cut = file.find_first_of(" #%;/\\");
    if (cut != std::string::npos) {
        file.resize(cut);
    }
    name.fileName = file + ".brl";
    return name;
}

} // namespace brisalta
