// The airport graph from today's services.
#include "app/surfacechain.h"

#include "app/sourcemessages.h"
#include "catalogues/airportcatalogue.h"
#include "net/downloadsession.h"
#include "ports/busycursor.h"
#include "sources/awcmetaranswer.h"
#include "sources/iemasosanswer.h"
#include "sources/reportslots.h"
#include "sources/requestaddresses.h"
#include "text/codepage.h"

#include <functional>
#include <optional>
#include <vector>

namespace brisalta {
namespace {

constexpr int kHours = 24;

// The reasons a readable answer gave nothing to draw.
std::string reportProblemReason(sources::ReportProblem problem) {
    switch (problem) {
    case sources::ReportProblem::NoReports:
        return text::cp1252("no tiene partes de la estación");
    case sources::ReportProblem::Unreadable:
        return text::cp1252("la respuesta no se puede leer");
    case sources::ReportProblem::UnexpectedShape:
        return text::cp1252("la respuesta no tiene la forma esperada");
    case sources::ReportProblem::TooLarge:
        return text::cp1252("la respuesta es demasiado grande");
    case sources::ReportProblem::None:
        break;
    }
    return {};
}

struct Source {
    const char* name;
    std::string address;
    // Reads a body that came with a status the source answers with.
    std::function<sources::ReportList(const DownloadResult&)> read;
    // The statuses whose body is an answer to read.
    std::function<bool(int)> readable;
};

// What asking one source gave.
struct Asked {
    std::optional<sources::ReportSlots> built; // the slots, when reports came
    std::size_t reports = 0;
    std::string address; // the address that answered
    std::string reason;  // why it gave nothing to draw
    bool cancelled = false; // the user stopped the transfer
};

Asked ask(DownloadSession& session, const Source& source, const sources::SlotRequest& request,
          const GraphSeries& previous) {
    Asked asked;
    const DownloadResult answer = session.serviceAnswer(source.address, sources::kMaxAnswerBytes);
    asked.address = answer.address;
    if (!answer.ok()) {
        asked.cancelled = answer.failure == TransferFailure::Cancelled;
        asked.reason = transferFailureReason(answer);
        return asked;
    }
    if (!source.readable(answer.httpStatus)) {
        asked.reason = httpStatusReason(answer.httpStatus);
        return asked;
    }
    const sources::ReportList list = source.read(answer);
    if (list.problem != sources::ReportProblem::None) {
        asked.reason = reportProblemReason(list.problem);
        return asked;
    }
    asked.reports = list.reports.size();
    asked.built = sources::buildReportSlots(list.reports, request, previous);
    if (asked.built->outcome == sources::SlotOutcome::NoReports) {
        asked.built.reset();
        asked.reason = text::cp1252("no tiene partes con fecha válida");
    } else if (asked.built->outcome == sources::SlotOutcome::TooFewData) {
        asked.reason = text::cp1252("no tiene suficientes datos");
    }
    return asked;
}

void applyDrawn(CommandContext& context, const Source& source, Asked& asked) {
    SessionState& s = context.session;
    s.graph = std::move(asked.built->series);
    s.view.graphShown = true;
    s.view.graphAvailable = true;
    s.view.emaGraphShown = false;
    s.view.banyeresGraph = false;
    s.view.graphFromFile = false;
    s.retrieval.downloadOk = true;
    s.retrieval.queryPageDone = true;
    s.retrieval.stationFileFetched = false;
    s.view.graphSource = {source.name, asked.address, static_cast<int>(asked.reports)};
    context.ui.showStatus(sourceStatusLine("Datos de", s.view.graphSource, "parte", "partes"));
}

} // namespace

std::string mesonetStationOf(std::string_view icao) {
    if (icao.size() == 4 && icao[0] == 'K') {
        return std::string(icao.substr(1));
    }
    return std::string(icao);
}

std::string airportCatalogueTitle(std::string_view icao) {
    const std::string code(icao);
    if (auto name = airports::displayNameOf(code)) {
        return *name;
    }
    for (const CountryMenu& country : airports::menus()) {
        for (const AirportMenuEntry& entry : country.entries) {
            if (entry.code == code) {
                return entry.caption;
            }
        }
    }
    return {};
}

ChainOutcome loadTodaysReports(CommandContext& context, std::string* failure) {
    SessionState& s = context.session;
    const ServiceTable& services = context.services;
    s.retrieval.downloadFailed = false;
    // A download that is not a sounding ends the second-service choice.
    s.sounding.fromSecondService = false;
    s.retrieval.soundingDialogUsed = false;
    const BusyCursor busy(context.ui);
    context.ui.showDownloadPicture(0);

    const std::string icao = s.selection.icao.str();
    const std::string title = airportCatalogueTitle(icao);
    const sources::SlotRequest request{icao, s.selection.timeOffsetHours, title};
    const Source chain[] = {
        {kAwcName, sources::awcMetarAddress(services.awcBase, icao, kHours),
         [](const DownloadResult& a) { return sources::readAwcMetarAnswer(a.body, a.httpStatus); },
         [](int status) { return status == 200 || status == 204; }},
        {kIemName,
         sources::iemAsosAddress(services.iemBase, mesonetStationOf(icao),
                                 sources::lastHoursWindow(context.clock.now(), kHours)),
         [](const DownloadResult& a) { return sources::readIemAsosAnswer(a.body); },
         [](int status) { return status == 200; }},
    };

    DownloadSession session(context.transport, context.places.tempFolder(), services);
    std::vector<SourceFailure> failures;
    bool tooFew = false;
    for (const Source& source : chain) {
        Asked asked = ask(session, source, request, s.graph);
        if (asked.built && asked.built->outcome == sources::SlotOutcome::Drawn) {
            applyDrawn(context, source, asked);
            return ChainOutcome::Drawn;
        }
        if (asked.cancelled) {
            // The user stopped it: no other source is asked and nothing is said.
            s.retrieval.cancelled = true;
            s.retrieval.downloadFailed = true;
            context.ui.showStatus(text::cp1252("Se ha cancelado la descarga."));
            return ChainOutcome::Failed;
        }
        tooFew = tooFew || asked.built.has_value();
        failures.push_back({source.name, source.address, asked.reason});
    }
    if (tooFew) {
        // As the classic chain does with a page of too few rows; the series on
        // record stays the previous one.
        s.view.graphShown = false;
        s.view.graphAvailable = false;
        context.ui.showMessage(
            text::cp1252("La estación no dispone de suficientes datos en estos momentos.."));
        return ChainOutcome::TooFewData;
    }
    s.retrieval.downloadFailed = true;
    const std::string message = allSourcesFailedMessage(
        "No se han podido obtener los partes de " + text::toUtf8(icao), failures);
    if (failure) {
        *failure = message;
    } else {
        context.ui.showMessage(message);
    }
    return ChainOutcome::Failed;
}

} // namespace brisalta
