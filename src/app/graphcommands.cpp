// The commands of the "Gráficas" menu.
#include "app/graphcommands.h"
#include "app/pictures.h"

#include "graph/graphrenderer.h"
#include "app/downloads.h"
#include "app/surfaceloading.h"
#include "net/tempfiles.h"
#include "session/numeric.h"
#include "weather/derived.h"
#include "text/codepage.h"
#include "text/format.h"

#include <algorithm>

namespace brisalta {
namespace {

const char* const kNoStation = "No se ha elegido ninguna estación meteorológica";

bool anyTemperature(const GraphSeries& graph) {
    return std::any_of(graph.temperature.begin(), graph.temperature.end(),
                       [](int t) { return t != kMissing; });
}

} // namespace

void GraphCommands::showGraph() {
    SessionState& s = mContext.session;
    // A failed first transfer or a cancel puts everything back as it was.
    const SessionState before = s;
    s.view.graphFromFile = false;
    if (s.selection.icao == "BANY") {
        showBanyeresGraph();
        return;
    }
    if (s.selection.icao.empty()) {
        mContext.ui.showMessage(text::cp1252(kNoStation));
        return;
    }
    const std::filesystem::path temp = mContext.places.tempFolder();
    Downloads download(mContext);
    download.currentConditions();
    if (s.retrieval.downloadFailed) {
        // Nothing came: the picture on screen stays what it was.
        putBack(s, before);
        return;
    }
    loadCurrentConditionsPage(s, mContext.ui, temp / tempfiles::kCurrentConditions);
    if (s.view.graphShown) {
        // An airport graph replaces an automatic station's on screen; left set,
        // the clouds command would deny the airport its sky report.
        s.view.emaGraphShown = false;
    }
    download.queryPage();
    if (!download.cancelled()) {
        loadQueryPage(s, temp / tempfiles::kQueryPage);
    }
    if (!s.retrieval.queryPageDone && !download.cancelled()) {
        download.stationFile();
        if (s.retrieval.stationFileFetched) {
            loadStationFile(s, temp / tempfiles::kStationFile);
        }
    }
    if (download.cancelled()) {
        putBack(s, before);
        mContext.ui.redraw();
        return;
    }
    s.view.soundingShown = false;
    if (s.view.graphShown || s.view.emaGraphShown) {
        if (s.view.soundingAvailable) {
            s.view.commands.swapEnabled = true;
        }
        redrawPictures(mContext);
        reportMissingData();
        mContext.ui.showMessage(s.graph.skyReport, MessageIcon::Information);
    } else {
        redrawPictures(mContext);
    }
}

void GraphCommands::showBanyeresGraph() {
    SessionState& s = mContext.session;
    const SessionState before = s;
    s.view.graphFromFile = false;
    if (s.selection.icao.empty()) {
        mContext.ui.showMessage(text::cp1252(kNoStation));
        return;
    }
    Downloads download(mContext);
    download.banyeresFile();
    if (s.retrieval.downloadFailed) {
        putBack(s, before);
        return;
    }
    loadBanyeresFile(s, mContext.ui, mContext.places.tempFolder() / tempfiles::kBanyeres);
    s.view.soundingShown = false;
    if (s.view.graphShown || s.view.emaGraphShown) {
        if (s.view.soundingAvailable) {
            s.view.commands.swapEnabled = true;
        }
        redrawPictures(mContext);
        reportMissingData();
    } else {
        redrawPictures(mContext);
    }
}

void GraphCommands::reportMissingData() {
    if (!anyTemperature(mContext.session.graph)) {
        mContext.ui.showMessage(noGraphDataMessage());
    }
}

void GraphCommands::manualStation() {
    const std::optional<std::string> code = mContext.ui.askIcaoCode();
    if (!code) {
        return;
    }
    // The code replaces the previous one even when it is too short; the check
    // comes afterwards, as the user typed it.
    mContext.session.selection.icao = *code;
    if (mContext.session.selection.icao.size() == 4) {
        showGraph();
    } else {
        mContext.ui.showMessage(text::cp1252("Un identificador ICAO válido se compone de 4 letras"));
    }
}

void GraphCommands::statistics() {
    const SessionState& s = mContext.session;
    if (!s.view.graphShown && !s.view.emaGraphShown) {
        mContext.ui.showMessage(text::cp1252("Es necesario generar una gráfica primero"));
        return;
    }
    const DailyExtremes& e = s.extremes;
    mContext.ui.showMessage(
        text::format1252("Temperatura máxima: %dºC a las %d horas.    \n"
                         "Temperatura mínima: %dºC a las %d horas.  \n"
                         "Viento máximo: %d km/h con dirección %s a las %d horas.    \n"
                         "Presión máxima: %d mb a las %d horas.    \n"
                         "Presión mínima: %d mb a las %d horas.",
                         e.maxTemperature, e.maxTemperatureHour, e.minTemperature,
                         e.minTemperatureHour, e.maxWindSpeed, e.maxWindDirectionName.c_str(),
                         e.maxWindHour, e.maxPressure, e.maxPressureHour, e.minPressure,
                         e.minPressureHour),
        MessageIcon::Information);
}

void GraphCommands::clouds() {
    const SessionState& s = mContext.session;
    const std::string noSky = text::cp1252("Esta estación no dispone de datos sobre el estado del cielo");
    if (s.view.banyeresGraph) {
        mContext.ui.showMessage(noSky, MessageIcon::Information);
    } else if (!s.view.graphShown) {
        mContext.ui.showMessage(text::cp1252("Es necesario crear una gráfica primero"),
                                MessageIcon::Information);
    } else if (s.view.emaGraphShown) {
        mContext.ui.showMessage(noSky, MessageIcon::Information);
    } else {
        mContext.ui.showMessage(s.graph.skyReport, MessageIcon::Information);
    }
}

void togglePressureReference(GraphSeries& series) {
    const double factor = stationPressureFactor(series.altitudeMetres);
    const bool toQnh = series.pressureIsStation;
    for (int& p : series.pressure) {
        if (p == kMissing) {
            continue;
        }
        const double converted = toQnh ? p * factor : p / factor;
        p = truncToInt(roundToDecimals(converted, 0));
    }
    series.pressureIsStation = toQnh ? 0 : 1;
}

void applyEnteredAltitude(GraphSeries& series, int altitudeMetres) {
    series.altitudeMetres = altitudeMetres;
    const double factor = stationPressureFactor(altitudeMetres);
    for (int& p : series.pressure) {
        if (p == kMissing) {
            continue;
        }
        p = truncToInt(p / factor);
    }
    series.pressureIsStation = true;
    series.altitudeKnown = true;
}

void GraphCommands::qnh() {
    SessionState& s = mContext.session;
    if (!s.view.graphShown && !s.view.emaGraphShown) {
        mContext.ui.showMessage(text::cp1252("Es necesario haber bajado una gráfica previamente."));
        return;
    }
    if (s.graph.altitudeKnown) {
        togglePressureReference(s.graph);
        redrawPictures(mContext);
        return;
    }
    mContext.ui.showMessage(
        text::cp1252("No se ha podido recoger automáticamente la altitud de la estación, pero se "
                     "puede introducir manualmente si se está seguro de conocerla."),
        MessageIcon::Information);
    const std::optional<int> altitude = mContext.ui.askAltitude();
    if (!altitude) {
        return;
    }
    applyEnteredAltitude(s.graph, *altitude);
    redrawPictures(mContext);
}

} // namespace brisalta
