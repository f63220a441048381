// The automatic-station command.
#include "app/emacommands.h"
#include "app/inputchecks.h"
#include "app/pictures.h"
#include "app/shownpicture.h"
#include "net/transferlimits.h"
#include "net/urlparts.h"

#include "catalogues/emalist.h"
#include "ema/opendataquery.h"
#include "ema/opendatareader.h"
#include "ema/opendataseries.h"
#include "graph/graphrenderer.h"
#include "net/downloadsession.h"
#include "session/sessionstate.h"
#include "settings/settingsfolder.h"
#include "ports/busycursor.h"
#include "text/codepage.h"

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <system_error>

namespace brisalta {
namespace {

const char* const kNoKey =
    "Es necesario introducir una clave API (Aemet Open Data) en el menú Preferencias.";
const char* const kQueryFailed = "No se ha podido efectuar la consulta";
const char* const kKeyExpired =
    "Su clave API ha caducado.Obtener nueva en página de AEMET OpenData.";
const char* const kKeyInvalid =
    "Su clave API no es válida. Obtener nueva en página de AEMET OpenData.";
const char* const kEmptyList =
    "La lista de estaciones automáticas está vacía. Pulse «Manual» para escribir el "
    "identificador de la estación.";
const char* const kNoStationChosen = "No se ha elegido ninguna estación automática de la lista.";

bool anyTemperature(const GraphSeries& graph) {
    return std::any_of(graph.temperature.begin(), graph.temperature.end(),
                       [](int t) { return t != kMissing; });
}

// The records the list really holds: the count never reaches past the table.
std::size_t loadedRecords(const EmaList& list) {
    return std::min(static_cast<std::size_t>(std::max(list.count, 0)), list.records.size());
}

const char* const kCancelled = "Se ha cancelado la descarga.";

std::string hostOf(const std::string& url) {
    const auto parts = splitUrl(url);
    return parts ? parts->host : std::string("de AEMET");
}

// The data request as the user is told of it: an error status is a failure
// like any other, and a missing answer is said in words (a recorded answer's
// text would show where it was looked for).
TransferResult dataTransferOutcome(TransferResult data, const std::string& url) {
    if (data.ok && data.status >= 400) {
        const int status = data.status;
        data = {};
        data.status = status;
        data.failure = TransferFailure::Other;
        data.error = "El servidor " + hostOf(url) + " ha contestado con el error HTTP " +
                     std::to_string(status) + ".";
    } else if (!data.ok && data.failure == TransferFailure::NotFound) {
        data.error = "El servidor " + hostOf(url) + " no tiene las observaciones pedidas.";
    }
    return data;
}

// "No se ha podido efectuar la consulta", with what went wrong when the
// transfer or the server's status says it. A missing recorded answer keeps the
// plain sentence: its text would show the address, and the key is in it.
std::string queryFailedMessage(const TransferResult& index, const RetrievalStatus& retrieval) {
    std::string reason;
    if (!index.ok && index.failure != TransferFailure::NotFound) {
        reason = index.error;
    } else if (index.ok && index.status >= 400 && !retrieval.openDataKeyExpired &&
               !retrieval.openDataKeyInvalid) {
        reason = "El servidor " + hostOf(retrieval.openDataQueryUrl) +
                 " ha contestado con el error HTTP " + std::to_string(index.status) + ".";
    }
    return text::cp1252(reason.empty() ? std::string(kQueryFailed)
                                       : std::string(kQueryFailed) + ".\n" + reason);
}

// A sentence of the transfer as the clause after a colon: "El servidor ... ."
// becomes "el servidor ...".
std::string asClause(std::string sentence) {
    if (!sentence.empty() && sentence.back() == '.') {
        sentence.pop_back();
    }
    if (!sentence.empty() && sentence[0] >= 'A' && sentence[0] <= 'Z') {
        sentence[0] = static_cast<char>(sentence[0] - 'A' + 'a');
    }
    return sentence;
}

} // namespace

std::vector<std::string> automaticStationEntries(EmaList& list) {
    std::vector<std::string> entries;
    const std::size_t count = loadedRecords(list);
    entries.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        CListaEma& record = list.records[i];
        text::toUpper1252(record.province);
        entries.push_back(record.name + "   /   " + record.province);
    }
    return entries;
}

std::string automaticStationKeyText(const std::string& apiKey) {
    return apiKey.empty() ? text::cp1252(kNoKey) : apiKey;
}

void EmaCommands::automaticStation() {
    SessionState& s = mContext.session;
    s.retrieval.openDataSuccess = false;
    s.retrieval.openDataKeyExpired = false;
    s.retrieval.openDataKeyInvalid = false;

    const std::vector<std::string> entries = automaticStationEntries(s.emaList);
    const std::optional<AutomaticStationAnswer> answer =
        mContext.ui.askAutomaticStation(automaticStationKeyText(s.selection.apiKey), entries);
    if (!answer) {
        return;
    }
    // The title of a listed station adds its province; a typed one has none.
    std::string province;
    std::string station;
    if (answer->manual) {
        // The identifier goes into the query's address: anything but letters
        // and digits is refused before a request is made.
        if (const auto problem = automaticStationIdProblem(answer->identifier)) {
            mContext.ui.showMessage(*problem, MessageIcon::Exclamation);
            return;
        }
        // The typed identifier is sent whole: unlike a list id it carries no
        // check character.
        s.selection.emaManual = true;
        setQueryUrlFromIdentifier(s, mContext.services, answer->identifier);
        station = answer->identifier;
    } else {
        s.selection.emaManual = false;
        s.selection.emaIndex = answer->index;
        // An empty list leaves no record to ask for; only "Manual" leads on.
        if (!setQueryUrlFromList(s, mContext.services)) {
            mContext.ui.showMessage(text::cp1252(entries.empty() ? kEmptyList : kNoStationChosen),
                                    MessageIcon::Exclamation);
            return;
        }
        const CListaEma& record = s.emaList.records[static_cast<std::size_t>(s.selection.emaIndex)];
        province = record.province;
        station = record.name;
    }
    queryAndDraw(province, station);
}

void EmaCommands::queryAndDraw(const std::string& province, const std::string& station) {
    SessionState& s = mContext.session;
    Ui& ui = mContext.ui;

    // Both answers go to the settings folder; a folder that cannot be made
    // makes both downloads fail, which the reader notices.
    const std::filesystem::path settings = mContext.places.settingsFolder();
    prepareSettingsFolder(settings, mContext.places.dataFolder());
    const std::filesystem::path indexFile = settings / kOpenDataIndexFile;
    const std::filesystem::path dataFile = settings / kOpenDataDataFile;

    // The reader clears the slots before it reads: what is on screen is kept
    // so that it can come back when no records arrive.
    const ShownPicture before(s);
    const std::string what = text::cp1252("la gráfica de la estación automática ") + station;
    bool dataRequested = false;
    bool recordsRead = false;
    TransferResult index;
    TransferResult data;
    data.ok = true;
    {
        const BusyCursor busy(ui);
        index = DownloadUrlToFile(mContext.transport, s.retrieval.openDataQueryUrl, indexFile,
                                  limits::kOpenDataBytes);
        if (index.failure == TransferFailure::Cancelled) {
            ui.showStatus(text::cp1252(kCancelled));
            return;
        }
        ReadOpenDataAnswer(s, indexFile, true);
        if (s.retrieval.openDataSuccess && !s.retrieval.openDataKeyExpired &&
            !s.retrieval.openDataKeyInvalid) {
            data = DownloadUrlToFile(mContext.transport, s.retrieval.openDataDataUrl, dataFile,
                                     limits::kOpenDataBytes);
            data = dataTransferOutcome(data, s.retrieval.openDataDataUrl);
            dataRequested = true;
            // Without the records the graph on screen stays as it is: reading
            // a missing answer would only empty it. The answer's station name
            // sets emaGraphShown again: records without one are not this
            // station's graph.
            if (data.ok) {
                s.view.emaGraphShown = false;
                recordsRead = ReadOpenDataRecords(s, dataFile, true, province) &&
                              s.graph.emaSlotCount > 0 && s.view.emaGraphShown;
            }
        }
    }
    if (data.failure == TransferFailure::Cancelled) {
        before.restore(s);
        redrawPictures(mContext);
        ui.showStatus(text::cp1252(kCancelled));
        return;
    }

    if (!s.retrieval.openDataSuccess) {
        ui.showMessage(queryFailedMessage(index, s.retrieval), MessageIcon::Exclamation);
    }
    if (s.retrieval.openDataKeyExpired) {
        ui.showMessage(text::cp1252(kKeyExpired), MessageIcon::Exclamation);
        s.retrieval.openDataKeyExpired = false;
    }
    if (s.retrieval.openDataKeyInvalid) {
        ui.showMessage(text::cp1252(kKeyInvalid), MessageIcon::Exclamation);
        s.retrieval.openDataKeyInvalid = false;
    }
    if (!dataRequested) {
        // The messages above said why; the user is told which station and what stays.
        ui.showMessage(pictureNotShownMessage(what, {}, s), MessageIcon::Exclamation);
        return;
    }
    if (!recordsRead) {
        before.restore(s);
        redrawPictures(mContext);
        const std::string reason = data.ok ? text::cp1252("no han llegado sus datos horarios")
                                           : text::cp1252(asClause(data.error));
        ui.showMessage(pictureNotShownMessage(what, reason, s), MessageIcon::Exclamation);
        return;
    }

    finishOpenDataSeries(s);
    // The series now holds live automatic-station data: whatever was on screen
    // before (an airport, the Banyeres station, a document) no longer is.
    s.view.graphShown = false;
    s.view.graphFromFile = false;
    s.view.banyeresGraph = false;
    s.view.graphSource = {};
    s.view.graphStation.clear();
    s.view.graphIsAutomatic = true;
    redrawPictures(mContext);
    if (!anyTemperature(s.graph)) {
        ui.showMessage(noGraphDataMessage());
    }
}

std::optional<std::filesystem::path> findEmaList(const Places& places) {
    for (const auto& folder :
         {places.currentFolder(), places.settingsFolder(), places.dataFolder()}) {
        const auto candidate = folder / kEmaListFileName;
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error)) {
            return candidate;
        }
    }
    return std::nullopt;
}

} // namespace brisalta
