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
    return session.downloadOk == 1 && session.downloadFailed != 1;
}

} // namespace

void loadCurrentConditionsPage(SessionState& session, Ui& ui, const std::filesystem::path& file) {
    GraphSeries& graph = session.graph;
    graph.pressureIsStation = 0;
    graph.altitudeKnown = 0;
    session.banyeresGraph = 0;
    session.graphFromFile = 0;
    graph.noPressure = 0;
    graph.noWindSpeed = 0;
    graph.allCalm = 0;
    graph.hasHumiditySeries = 0;
    graph.hasDewPointSeries = 0;
    if (!downloadWasGood(session)) {
        session.graphShown = 0;
        return;
    }
    graph.title.clear();

    const BusyCursor busy(ui);
    std::optional<StreamReader> page = StreamReader::open(file, StreamReader::Mode::Binary);
    if (!page) {
        return;
    }
    session.graphShown = 0;
    CurrentConditionsPage read = readCurrentConditionsPage(
        *page, std::move(graph), session.selection.icao.view(), session.selection.timeOffsetHours);
    graph = std::move(read.graph);
    removeFile(file);
    switch (read.problem) {
    case CurrentConditionsPage::Problem::UnknownStation:
        ui.showMessage(text::cp1252("No se ha podido encontrar dicha estación, puede que esté "
                                    "temporalmente fuera de servicio o que no exista."));
        break;
    case CurrentConditionsPage::Problem::TooFewData:
        session.graphAvailable = 0;
        ui.showMessage(
            text::cp1252("La estación no dispone de suficientes datos en estos momentos.."));
        break;
    case CurrentConditionsPage::Problem::None:
        session.graphAvailable = 1;
        session.graphShown = 1;
        break;
    }
}

void loadQueryPage(SessionState& session, const std::filesystem::path& file) {
    startLatestReport(session.graph);
    session.queryPageDone = 0;
    std::optional<StreamReader> page = StreamReader::open(file, StreamReader::Mode::Binary);
    if (!page) {
        return;
    }
    QueryPageReport report =
        readQueryPage(*page, std::move(session.graph), session.selection.timeOffsetHours);
    removeFile(file);
    session.graph = std::move(report.graph);
    session.queryPageDone = report.complete ? 1 : 0;
}

void loadStationFile(SessionState& session, const std::filesystem::path& file) {
    if (session.stationFileFetched != 1) {
        return;
    }
    session.stationFileFetched = 0;
    std::optional<StreamReader> opened = StreamReader::open(file, StreamReader::Mode::Text);
    if (!opened) {
        return;
    }
    session.graph = readStationFile(*opened, std::move(session.graph));
    removeFile(file);
}

void loadBanyeresFile(SessionState& session, Ui& ui, const std::filesystem::path& file) {
    GraphSeries& graph = session.graph;
    graph.pressureIsStation = 0;
    graph.altitudeKnown = 0;
    graph.hasGust = 0;
    graph.gustSpeed = 0;
    graph.hasTrend = 0;
    graph.skyReport.clear();
    if (!downloadWasGood(session)) {
        session.graphShown = 0;
        return;
    }
    session.selection.icao = "BANY";
    const BusyCursor busy(ui);

    std::optional<StreamReader> opened = StreamReader::open(file, StreamReader::Mode::Binary);
    if (!opened) {
        ui.showMessage(text::cp1252("No se ha encontrado fichero temporal en disco duro."));
        return;
    }
    session.graphShown = 0;
    session.emaGraphShown = 0;
    BanyeresTable table = readBanyeresFile(*opened, std::move(graph));
    graph = std::move(table.graph);
    removeFile(file);
    if (table.problem == BanyeresTable::Problem::TooFewLines) {
        ui.showMessage(
            text::cp1252("No se han encontrado datos en la estación.Inténtelo más tarde."));
        return;
    }
    session.banyeresGraph = 1;
    session.graphAvailable = 1;
    session.graphShown = 1;
    ui.showMessage(text::cp1252(
        "Datos cedidos por la estación meteorológica escolar de Banyeres de Mariola (Alicante)."));
}

} // namespace brisalta
