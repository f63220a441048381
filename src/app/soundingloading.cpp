// The sounding readers applied to the session.
#include "app/soundingloading.h"

#include "net/tempfiles.h"
#include "sounding/forecastsounding.h"
#include "sounding/observedsounding.h"
#include "sounding/soundinglimits.h"
#include "text/codepage.h"
#include "text/debuglog.h"
#include "text/format.h"
#include "text/streamreader.h"

#include <algorithm>
#include <optional>
#include <system_error>
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
    session.view.soundingShown = false;
    session.view.soundingAvailable = false;
    session.sounding.rowsAllocated = false;
}

// Stores the rows read; they are shown and available when every checked row
// was within the limits.
void storeRows(SessionState& session, const std::vector<SoundingRow>& rows, bool withinLimits) {
    session.allocateSoundingRows(static_cast<int>(rows.size()));
    std::copy(rows.begin(), rows.begin() + session.sounding.count,
              session.sounding.levels.begin());
    session.sounding.rowsAllocated = true;
    session.view.soundingShown = withinLimits;
    session.view.soundingAvailable = withinLimits;
}

void applyTextList(SessionState& session, Ui& ui, const ObservedSounding& read) {
    SoundingProfile& profile = session.sounding;
    profile.count = 0;
    if (read.stationText) {
        profile.forecastTitle = *read.stationText;
        profile.partialFirstRow = read.partialFirstRow;
    }
    if (read.problem != ObservedSounding::Problem::None) {
        clearSounding(session);
        tell(ui, read.problem == ObservedSounding::Problem::NoValidData ? kNoValidData
                                                                        : kNotEnoughData);
        return;
    }
    if (read.truncated) {
        text::debugLog(text::format("sondeo: la tabla tiene %lld niveles; se leen los %d primeros",
                                    static_cast<long long>(read.tableRows), kMirrorRows));
    }
    storeRows(session, read.rows, read.withinLimits);
}

void applySecondService(SessionState& session, Ui& ui, const ObservedSounding& read) {
    for (int i = 0; i < read.invalidArgumentLines; ++i) {
        clearSounding(session);
        tell(ui, kInvalidArguments);
    }
    if (read.problem != ObservedSounding::Problem::None) {
        clearSounding(session);
        session.sounding.count = 0;
        tell(ui, kNoValidData);
        return;
    }
    storeRows(session, read.rows, read.withinLimits);
}

} // namespace

bool loadObservedSounding(SessionState& session, Ui& ui, const std::filesystem::path& tempFolder) {
    session.releaseSoundingRows();
    const bool second = session.sounding.fromSecondService;
    const std::filesystem::path path =
        tempFolder / (second ? tempfiles::kSecondSounding : tempfiles::kSoundingList);
    std::optional<text::StreamReader> page =
        text::StreamReader::open(path, text::StreamReader::Mode::Text);
    if (!page) {
        return false;
    }
    removeQuietly(path);
    if (second) {
        applySecondService(session, ui, readSecondServiceSounding(*page));
    } else {
        applyTextList(session, ui, readTextListSounding(*page));
    }
    session.sounding.isForecast = false;
    return true;
}

void applyWyomingSounding(SessionState& session, const sources::WyomingSounding& read,
                          const std::string& stationText) {
    session.releaseSoundingRows();
    SoundingProfile& profile = session.sounding;
    profile.fromSecondService = false;
    profile.isForecast = false;
    profile.partialFirstRow = read.firstLevelDropped;
    profile.forecastTitle = stationText;
    if (read.truncated) {
        text::debugLog(text::format("sondeo: la respuesta tiene %d niveles; se leen los %d primeros",
                                    read.levelsInAnswer, kMirrorRows));
    }
    // As on the text-list page, the top level is not checked.
    const bool within = levelsWithinLimits(read.rows, static_cast<int>(read.rows.size()) - 1,
                                           observedLevelLimits());
    storeRows(session, read.rows, within);
}

bool loadForecastSounding(SessionState& session, Ui& ui, const std::filesystem::path& path) {
    SoundingProfile& profile = session.sounding;
    profile.count = 0;
    session.releaseSoundingRows();
    std::optional<text::StreamReader> file =
        text::StreamReader::open(path, text::StreamReader::Mode::Text);
    if (!file) {
        profile.count = 0;
        profile.rowsAllocated = false;
        return false;
    }
    const ForecastListing listing = parseForecastListing(*file);
    if (!listing.headerFound) {
        clearSounding(session);
        profile.isForecast = false;
        tell(ui, kNoValidData);
        return true;
    }
    profile.partialFirstRow = listing.skip != 0;
    if (listing.rows.empty()) {
        clearSounding(session);
        tell(ui, kNotEnoughData);
        return true;
    }

    // The top row is not checked.
    const bool within = levelsWithinLimits(listing.rows, static_cast<int>(listing.rows.size()) - 1,
                                           forecastLevelLimits());
    storeRows(session, listing.rows, within);
    profile.isForecast = true;
    if (!within) {
        return true;
    }
    const ForecastTitles titles = forecastTitles(listing);
    profile.title = titles.title;
    profile.forecastTitle = titles.fileTitle;
    session.selection.soundingDay = listing.day;
    session.selection.soundingMonth = listing.month;
    session.selection.soundingYear = listing.year;
    session.selection.soundingHour = listing.hour;
    return true;
}

} // namespace brisalta
