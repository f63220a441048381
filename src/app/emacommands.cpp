// The automatic-station command.
#include "app/emacommands.h"
#include "app/pictures.h"

#include "catalogues/emalist.h"
#include "ema/opendataquery.h"
#include "ema/opendatareader.h"
#include "ema/opendataseries.h"
#include "graph/graphrenderer.h"
#include "net/downloadsession.h"
#include "net/transferlimits.h"
#include "net/urlparts.h"
#include "session/sessionstate.h"
#include "settings/settingsfolder.h"
#include "ports/busycursor.h"
#include "text/boundedfile.h"
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
const char* const kCancelled = "Se ha cancelado la descarga.";
const char* const kDataFailed =
    "No se han podido descargar las observaciones de la estación; la gráfica no ha cambiado.";

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

bool anyTemperature(const GraphSeries& graph) {
    return std::any_of(graph.temperature.begin(), graph.temperature.end(),
                       [](int t) { return t != kMissing; });
}

// The records the list really holds: the count never reaches past the table.
std::size_t loadedRecords(const EmaList& list) {
    return std::min(static_cast<std::size_t>(std::max(list.count, 0)), list.records.size());
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
    if (answer->manual) {
        // The typed identifier is sent whole: unlike a list id it carries no
        // check character.
        s.selection.emaManual = true;
        setQueryUrlFromIdentifier(s, mContext.services, answer->identifier);
    } else {
        s.selection.emaManual = false;
        s.selection.emaIndex = answer->index;
        // An empty list leaves no record to ask for; only "Manual" leads on.
        if (!setQueryUrlFromList(s, mContext.services)) {
            mContext.ui.showMessage(text::cp1252(entries.empty() ? kEmptyList : kNoStationChosen),
                                    MessageIcon::Exclamation);
            return;
        }
        province = s.emaList.records[static_cast<std::size_t>(s.selection.emaIndex)].province;
    }
    queryAndDraw(province);
}

void EmaCommands::queryAndDraw(const std::string& province) {
    SessionState& s = mContext.session;
    Ui& ui = mContext.ui;

    // Both answers go to the settings folder; a folder that cannot be made
    // makes both downloads fail, which the reader notices.
    const std::filesystem::path settings = mContext.places.settingsFolder();
    prepareSettingsFolder(settings, mContext.places.dataFolder());
    const std::filesystem::path indexFile = settings / kOpenDataIndexFile;
    const std::filesystem::path dataFile = settings / kOpenDataDataFile;

    bool dataRequested = false;
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
            // Without the records the graph on screen stays as it is: reading
            // a missing answer would only empty it.
            if (data.ok) {
                ReadOpenDataRecords(s, dataFile, true, province);
                dataRequested = true;
            }
        }
    }
    if (data.failure == TransferFailure::Cancelled) {
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
    if (!data.ok) {
        ui.showMessage(text::cp1252(std::string(kDataFailed) + "\n" + data.error),
                       MessageIcon::Exclamation);
    }
    if (!dataRequested) {
        return;
    }

    finishOpenDataSeries(s);
    // The series now holds live automatic-station data: whatever was on screen
    // before (an airport, the Banyeres station, a document) no longer is.
    s.view.graphShown = false;
    s.view.graphFromFile = false;
    s.view.banyeresGraph = false;
    redrawPictures(mContext);
    if (!anyTemperature(s.graph)) {
        ui.showMessage(noGraphDataMessage());
    }
}

std::optional<std::filesystem::path> findEmaList(const Places& places) {
    for (const auto& folder :
         {places.currentFolder(), places.settingsFolder(), places.dataFolder()}) {
        // A file that is no list of ours (a FIFO, 100 MB of anything) is passed
        // over for the next place.
        const auto candidate = folder / kEmaListFileName;
        std::uintmax_t size = 0;
        if (text::regularFileSize(candidate, size) && size <= kMaxEmaListBytes) {
            return candidate;
        }
    }
    return std::nullopt;
}

} // namespace brisalta
