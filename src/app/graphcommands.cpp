// The commands of the "Gráficas" menu.
#include "app/graphcommands.h"
#include "app/pictures.h"

#include "graph/graphrenderer.h"
#include "app/downloads.h"
#include "app/inputchecks.h"
#include "app/shownpicture.h"
#include "app/surfacechain.h"
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

// "la gráfica de 24 horas de <name> (<code>)".
std::string airportGraphName(const std::string& icao) {
    return text::cp1252("la gráfica de 24 horas de ") + airportName(icao);
}

// Why the current-conditions page gave no graph; empty when the reader or the
// download has already said it.
std::string pageFailureReason(PageOutcome page) {
    switch (page) {
    case PageOutcome::Missing:
        return text::cp1252("no ha llegado la página de sus observaciones recientes (puede que "
                            "el servicio no tenga datos de esa estación o que no haya conexión)");
    case PageOutcome::NotDownloaded:
        return text::cp1252("ha fallado la descarga de sus observaciones recientes");
    default:
        return {};
    }
}

} // namespace

std::string skyReportText(const SessionState& session) {
    if (!session.graph.skyReport.empty()) {
        return session.graph.skyReport;
    }
    return text::cp1252("No se ha podido obtener el último parte METAR de la estación.");
}

void GraphCommands::showGraph() {
    SessionState& s = mContext.session;
    if (s.selection.icao == "BANY") {
        showBanyeresGraph();
        return;
    }
    if (s.selection.icao.empty()) {
        mContext.ui.showMessage(text::cp1252(kNoStation));
        return;
    }
    // The picture on screen stays as it is unless this station's data are read.
    const ShownPicture before(s);
    s.view.graphFromFile = false;
    s.retrieval.cancelled = false;
    const std::string station = s.selection.icao.str();
    if (mContext.services.metarChain == SourceChain::Actual) {
        // When no source gave a graph, one message says what each one said
        // and what stays on screen.
        std::string failure;
        if (loadTodaysReports(mContext, &failure) != ChainOutcome::Drawn) {
            keepPreviousPicture(before, airportGraphName(station), {}, failure);
            return;
        }
    } else if (const PageOutcome page = loadClassicPages(); page != PageOutcome::Read) {
        keepPreviousPicture(before, airportGraphName(station), pageFailureReason(page));
        return;
    }
    // The graph now holds this airport's data, titled from the catalogue. It
    // replaces an automatic station's on screen; left set, the clouds command
    // would deny the airport its sky report.
    s.view.emaGraphShown = false;
    s.view.graphStation = station;
    s.view.graphIsAutomatic = false;
    s.view.soundingShown = false;
    if (s.view.soundingAvailable) {
        s.view.commands.swapEnabled = true;
    }
    redrawPictures(mContext);
    reportMissingData();
    mContext.ui.showMessage(skyReportText(s), MessageIcon::Information);
}

PageOutcome GraphCommands::loadClassicPages() {
    SessionState& s = mContext.session;
    const std::filesystem::path temp = mContext.places.tempFolder();
    Downloads download(mContext);
    download.currentConditions();
    const PageOutcome page =
        s.retrieval.downloadFailed
            ? PageOutcome::NotDownloaded
            : loadCurrentConditionsPage(s, mContext.ui, temp / tempfiles::kCurrentConditions);
    if (page != PageOutcome::Read) {
        return page;
    }
    s.view.graphSource = {};
    mContext.ui.showStatus(
        text::cp1252("Datos de NOAA (" + mContext.services.noaaHost + "), cadena clásica."));
    // A report that does not come must not be replaced by the previous station's.
    s.graph.skyReport.clear();
    download.queryPage();
    loadQueryPage(s, temp / tempfiles::kQueryPage);
    if (!s.retrieval.queryPageDone) {
        download.stationFile();
        if (s.retrieval.stationFileFetched) {
            loadStationFile(s, temp / tempfiles::kStationFile);
        }
    }
    return PageOutcome::Read;
}

void GraphCommands::showBanyeresGraph() {
    SessionState& s = mContext.session;
    const ShownPicture before(s);
    s.view.graphFromFile = false;
    s.retrieval.cancelled = false;
    Downloads(mContext).banyeresFile();
    const bool read =
        !s.retrieval.downloadFailed &&
        loadBanyeresFile(s, mContext.ui, mContext.places.tempFolder() / tempfiles::kBanyeres);
    if (!read) {
        keepPreviousPicture(before,
                            text::cp1252("la gráfica de la estación escolar de Banyeres de Mariola"),
                            {});
        return;
    }
    s.view.graphSource = {};
    // Titled, like an airport, with the catalogue's name of the school station.
    s.view.graphStation = "BANY";
    s.view.graphIsAutomatic = false;
    s.view.emaGraphShown = false;
    s.view.soundingShown = false;
    if (s.view.soundingAvailable) {
        s.view.commands.swapEnabled = true;
    }
    redrawPictures(mContext);
    reportMissingData();
}

void GraphCommands::keepPreviousPicture(const ShownPicture& before, const std::string& what,
                                        const std::string& reason, const std::string& told) {
    brisalta::keepPreviousPicture(mContext, before, what, reason, told);
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
    // A malformed code is refused before it replaces the airport chosen, so
    // that no later command asks for it.
    if (const auto problem = icaoCodeProblem(*code)) {
        mContext.ui.showMessage(*problem);
        return;
    }
    mContext.session.selection.icao = *code;
    showGraph();
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
    // The report of the graph on screen, never of an airport shown earlier.
    const SessionState& s = mContext.session;
    const std::string noSky = text::cp1252("Esta estación no dispone de datos sobre el estado del cielo");
    if (!s.view.graphShown && !s.view.emaGraphShown) {
        mContext.ui.showMessage(text::cp1252("Es necesario crear una gráfica primero"),
                                MessageIcon::Information);
    } else if (s.view.banyeresGraph || s.view.emaGraphShown || s.view.graphIsAutomatic) {
        mContext.ui.showMessage(noSky, MessageIcon::Information);
    } else {
        mContext.ui.showMessage(skyReportText(s), MessageIcon::Information);
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
