// The airport readers applied to the session.
#include "app/surfaceloading.h"

#include "ports/busycursor.h"
#include "surface/banyeresfile.h"
#include "surface/currentconditionspage.h"
#include "surface/latestreport.h"
#include "text/codepage.h"
#include "text/streamreader.h"

#include <optional>
#include <system_error>

namespace brisalta {
namespace {

using text::StreamReader;

void removeFile(const std::filesystem::path& file) {
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
}

bool downloadWasGood(const SessionState& session) {
    return session.retrieval.downloadOk && !session.retrieval.downloadFailed;
}

} // namespace

PageOutcome loadCurrentConditionsPage(SessionState& session, Ui& ui,
                                      const std::filesystem::path& file) {
    GraphSeries& graph = session.graph;
    graph.pressureIsStation = false;
    graph.altitudeKnown = false;
    session.view.banyeresGraph = false;
    session.view.graphFromFile = false;
    graph.noPressure = false;
    graph.noWindSpeed = false;
    graph.allCalm = false;
    graph.hasHumiditySeries = false;
    graph.hasDewPointSeries = false;
    if (!downloadWasGood(session)) {
        session.view.graphShown = false;
        return PageOutcome::NotDownloaded;
    }
    graph.title.clear();

    const BusyCursor busy(ui);
    std::optional<StreamReader> page = StreamReader::open(file, StreamReader::Mode::Binary);
    if (!page) {
        return PageOutcome::Missing;
    }
    session.view.graphShown = false;
    CurrentConditionsPage read = readCurrentConditionsPage(
        *page, std::move(graph), session.selection.icao.view(), session.selection.timeOffsetHours);
    graph = std::move(read.graph);
    removeFile(file);
    switch (read.problem) {
    case CurrentConditionsPage::Problem::UnknownStation:
        ui.showMessage(text::cp1252("No se ha podido encontrar dicha estación, puede que esté "
                                    "temporalmente fuera de servicio o que no exista."));
        return PageOutcome::UnknownStation;
    case CurrentConditionsPage::Problem::TooFewData:
        session.view.graphAvailable = false;
        ui.showMessage(
            text::cp1252("La estación no dispone de suficientes datos en estos momentos.."));
        return PageOutcome::TooFewData;
    case CurrentConditionsPage::Problem::None:
        break;
    }
    session.view.graphAvailable = true;
    session.view.graphShown = true;
    return PageOutcome::Read;
}

void loadQueryPage(SessionState& session, const std::filesystem::path& file) {
    startLatestReport(session.graph);
    session.retrieval.queryPageDone = false;
    std::optional<StreamReader> page = StreamReader::open(file, StreamReader::Mode::Binary);
    if (!page) {
        return;
    }
    QueryPageReport report =
        readQueryPage(*page, std::move(session.graph), session.selection.timeOffsetHours);
    removeFile(file);
    session.graph = std::move(report.graph);
    session.retrieval.queryPageDone = report.complete;
}

void loadStationFile(SessionState& session, const std::filesystem::path& file) {
    if (!session.retrieval.stationFileFetched) {
        return;
    }
    session.retrieval.stationFileFetched = false;
    std::optional<StreamReader> opened = StreamReader::open(file, StreamReader::Mode::Text);
    if (!opened) {
        return;
    }
    session.graph = readStationFile(*opened, std::move(session.graph));
    removeFile(file);
}

bool loadBanyeresFile(SessionState& session, Ui& ui, const std::filesystem::path& file) {
    GraphSeries& graph = session.graph;
    graph.pressureIsStation = false;
    graph.altitudeKnown = false;
    graph.hasGust = false;
    graph.gustSpeed = 0;
    graph.hasTrend = false;
    graph.skyReport.clear();
    if (!downloadWasGood(session)) {
        session.view.graphShown = false;
        return false;
    }
    session.selection.icao = "BANY";
    const BusyCursor busy(ui);

    std::optional<StreamReader> opened = StreamReader::open(file, StreamReader::Mode::Binary);
    if (!opened) {
        ui.showMessage(text::cp1252("No se ha encontrado fichero temporal en disco duro."));
        return false;
    }
    session.view.graphShown = false;
    session.view.emaGraphShown = false;
    BanyeresTable table = readBanyeresFile(*opened, std::move(graph));
    graph = std::move(table.graph);
    removeFile(file);
    if (table.problem == BanyeresTable::Problem::TooFewLines) {
        ui.showMessage(
            text::cp1252("No se han encontrado datos en la estación.Inténtelo más tarde."));
        return false;
    }
    session.view.banyeresGraph = true;
    session.view.graphAvailable = true;
    session.view.graphShown = true;
    ui.showMessage(text::cp1252(
        "Datos cedidos por la estación meteorológica escolar de Banyeres de Mariola (Alicante)."));
    return true;
}

} // namespace brisalta
