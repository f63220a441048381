// Observed soundings from the text-list service and the second service.
#include "sounding/observedsounding.h"

#include "ports/ui.h"
#include "session/sessionstate.h"
#include "sounding/secondservicetable.h"
#include "sounding/soundinglimits.h"
#include "sounding/textlisttable.h"
#include "text/codepage.h"
#include "text/debuglog.h"
#include "text/format.h"
#include "text/streamreader.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <vector>

namespace brisalta {
namespace {

const char* const kNoValidData = "El sondeo elegido no contiene datos válidos.";
const char* const kNotEnoughData = "El sondeo seleccionado no dispone de suficientes datos.";
const char* const kInvalidArguments =
    "El sondeo elegido no contiene datos válidos, o la fecha no es correcta.";

void tell(Ui& ui, const char* utf8) {
    ui.showMessage(text::cp1252(utf8), MessageIcon::Information);
}

void removeQuietly(const std::filesystem::path& path) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

void clearSounding(SessionState& session) {
    session.soundingShown = 0;
    session.soundingAvailable = 0;
    session.sounding.rowsAllocated = 0;
}

// Stores the rows read and sets the flags: shown and available unless one of
// the first `checked` rows is outside the limits.
void storeRows(SessionState& session, const std::vector<SoundingRow>& rows, int checked) {
    session.allocateSoundingRows(static_cast<int>(rows.size()));
    std::copy(rows.begin(), rows.begin() + session.sounding.count,
              session.sounding.levels.begin());
    session.sounding.rowsAllocated = 1;
    const bool valid = levelsWithinLimits(session.sounding.levels, checked, observedLevelLimits());
    session.soundingShown = valid ? 1 : 0;
    session.soundingAvailable = valid ? 1 : 0;
}

void readTextListResponse(SessionState& session, Ui& ui, text::StreamReader& page) {
    SoundingProfile& profile = session.sounding;
    profile.count = 0;
    TextListTable table = parseTextListPage(page);
    if (!table.headerFound) {
        clearSounding(session);
        tell(ui, kNoValidData);
        return;
    }
    profile.forecastTitle = table.stationText;
    profile.partialFirstRow = table.skip != 0 ? 1 : 0;
    if (table.rows.empty()) {
        clearSounding(session);
        tell(ui, kNotEnoughData);
        return;
    }
    if (table.truncated) {
        text::debugLog(text::format("sondeo: la tabla tiene %lld niveles; se leen los %d primeros",
                                    static_cast<long long>(table.tableRows), kMirrorRows));
    }
    // Every row but the top one is checked.
    storeRows(session, table.rows, static_cast<int>(table.rows.size()) - 1);
}

void readSecondServiceResponse(SessionState& session, Ui& ui, text::StreamReader& page,
                               const std::filesystem::path& tempFolder) {
    const SecondServiceCut cut = cutSecondServiceTable(page);
    for (int i = 0; i < cut.invalidArgumentLines; ++i) {
        clearSounding(session);
        tell(ui, kInvalidArguments);
    }
    const std::filesystem::path shortPath = tempFolder / kSecondServiceTableFile;
    if (cut.tableFound) {
        std::ofstream out(shortPath, std::ios::binary | std::ios::trunc);
        out.write(cut.shortTable.data(), static_cast<std::streamsize>(cut.shortTable.size()));
    }
    readSecondServiceTable(session, ui, shortPath);
}

} // namespace

void readSecondServiceTable(SessionState& session, Ui& ui,
                            const std::filesystem::path& shortTablePath) {
    SoundingProfile& profile = session.sounding;
    profile.count = kSecondServiceRows;
    std::optional<text::StreamReader> file =
        text::StreamReader::open(shortTablePath, text::StreamReader::Mode::Text);
    if (!file) {
        clearSounding(session);
        profile.count = 0;
        tell(ui, kNoValidData);
        return;
    }
    const SecondServiceTable table = parseSecondServiceTable(*file);
    removeQuietly(shortTablePath);
    if (!table.usable) {
        // Fewer than three table rows leave nothing to resample from.
        clearSounding(session);
        profile.count = 0;
        tell(ui, kNoValidData);
        return;
    }
    const std::vector<SoundingRow> rows(table.profile.begin(), table.profile.end());
    storeRows(session, rows, kSecondServiceRows);
}

void readObservedSounding(SessionState& session, Ui& ui, const std::filesystem::path& tempFolder) {
    session.releaseSoundingRows();
    SoundingProfile& profile = session.sounding;
    const bool second = profile.fromSecondService != 0;
    const std::filesystem::path path =
        tempFolder / (second ? kSecondServiceResponseFile : kTextListResponseFile);
    std::optional<text::StreamReader> page =
        text::StreamReader::open(path, text::StreamReader::Mode::Text);
    if (!page) {
        return;
    }
    removeQuietly(path);
    if (second) {
        readSecondServiceResponse(session, ui, *page, tempFolder);
    } else {
        readTextListResponse(session, ui, *page);
    }
    profile.isForecast = 0;
}

} // namespace brisalta
