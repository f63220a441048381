// The commands of the "Sondeos" menu.
#include "app/soundingcommands.h"
#include "app/pictures.h"

#include "catalogues/soundingcatalogue.h"
#include "app/soundingchain.h"
#include "app/downloads.h"
#include "app/inputchecks.h"
#include "app/shownpicture.h"
#include "diagram/ceilingsimulation.h"
#include "app/soundingloading.h"
#include "diagram/soundingdiagram.h"
#include "text/boundedfile.h"
#include "text/codepage.h"
#include "text/format.h"

namespace brisalta {
namespace {

constexpr std::uintmax_t kMaxForecastBytes = 4u * 1024 * 1024;

const char* const kNoSounding = "Es necesario haber cargado un sondeo previamente.";

// A reader that kept rows outside the level limits leaves the sounding hidden;
// the user is told here, because the repaint of a hidden sounding draws
// nothing and says nothing.
void reportHiddenRows(SessionState& s, Ui& ui) {
    if (s.sounding.rowsAllocated && !s.view.soundingShown) {
        ui.showMessage(invalidSoundingMessage());
    }
}

} // namespace

void openSoundingDateDialog(SessionState& session, std::int64_t now) {
    StationSelection& sel = session.selection;
    sel.soundingHour = "00";
    sel.soundingTimeFields.tm_hour = 0;
    sel.soundingDate = now;
    session.retrieval.soundingDialogUsed = true;
}

void selectSoundingHour(StationSelection& selection, int hourIndex) {
    if (hourIndex == 1) {
        selection.soundingHour = "12";
        selection.soundingTimeFields.tm_hour = 13;
    } else {
        selection.soundingHour = "00";
        selection.soundingTimeFields.tm_hour = 0;
    }
}

void confirmSoundingDate(SessionState& session, const Clock& clock, std::int64_t pickedDate) {
    StationSelection& sel = session.selection;
    sel.soundingDate = pickedDate;
    const std::tm picked = clock.toLocal(pickedDate);
    sel.soundingDay = text::format("%d", picked.tm_mday);
    sel.soundingMonth = text::format("%d", picked.tm_mon + 1);
    sel.soundingYear = text::format("%d", picked.tm_year + 1900);

    std::tm& fields = sel.soundingTimeFields;
    fields.tm_sec = 0;
    fields.tm_min = 0;
    fields.tm_mday = picked.tm_mday;
    fields.tm_mon = picked.tm_mon;
    fields.tm_year = picked.tm_year;
    fields.tm_isdst = 0;
    // The service takes the 32-bit value of the instant (wrapping, never trapping).
    session.sounding.secondServiceDate =
        static_cast<int>(static_cast<std::uint32_t>(clock.localTime(fields)));
    session.sounding.fromSecondService = isSecondServiceStation(sel.soundingStationId);
}

std::string soundingRequestName(const StationSelection& selection) {
    const std::string station =
        selection.soundingFromCatalogue && !selection.soundingStationName.empty()
            ? selection.soundingStationName + " (" + selection.soundingStationId + ")"
            : text::cp1252("la estación ") + selection.soundingStationId;
    return "el sondeo de " + station + " del " + selection.soundingDay + "/" +
           selection.soundingMonth + "/" + selection.soundingYear + " a las " +
           selection.soundingHour + " UTC";
}

bool ceilingInputsInRange(const CeilingInputs& inputs) {
    return inputs.temperature >= -30 && inputs.temperature <= 60 && inputs.dewPoint >= -30 &&
           inputs.dewPoint <= 50;
}

std::string forecastNotice() {
    return text::cp1252(
        "Los datos que se van a mostrar NO son reales sino sacados de una PREVISIÓN, por lo que "
        "su validez es relativa\nDatos extraidos del 'Air Resources Laboratory - NOAA'");
}

bool SoundingCommands::runDateDialog(const std::string& stationText) {
    SessionState& s = mContext.session;
    const std::int64_t now = mContext.clock.now();
    openSoundingDateDialog(s, now);
    const std::optional<SoundingDateAnswer> answer = mContext.ui.askSoundingDate(stationText, now);
    if (!answer) {
        return false;
    }
    selectSoundingHour(s.selection, answer->hourIndex);
    confirmSoundingDate(s, mContext.clock, answer->date);
    return true;
}

void SoundingCommands::showSoundingDialog() {
    // No request is made for a station that is not there (a fresh start) or
    // not a station number.
    if (const auto problem = soundingStationProblem(mContext.session.selection.soundingStationId)) {
        mContext.ui.showMessage(*problem, MessageIcon::Exclamation);
        return;
    }
    if (runDateDialog(mContext.session.selection.soundingStationName)) {
        showSounding();
    }
}

void SoundingCommands::pickStation(int command) {
    SessionState& s = mContext.session;
    if (!pickSoundingStation(s, command)) {
        return;
    }
    if (runDateDialog(s.selection.soundingStationName)) {
        showSounding();
    }
}

void SoundingCommands::manualSounding() {
    const std::optional<std::string> number = mContext.ui.askSoundingStationNumber();
    if (!number) {
        return;
    }
    // A malformed number is refused before it replaces the station chosen, so
    // that no later command asks for it. Name and region stay those of the
    // last station picked.
    if (const auto problem = typedSoundingStationProblem(*number)) {
        mContext.ui.showMessage(*problem);
        return;
    }
    StationSelection& sel = mContext.session.selection;
    sel.soundingStationId = *number;
    sel.soundingFromCatalogue = false;
    if (runDateDialog(sel.soundingStationId)) {
        showSounding();
    }
}

void SoundingCommands::showSounding() {
    SessionState& s = mContext.session;
    // What is on screen stays there, with its own title, unless this
    // sounding's rows are read and can be drawn.
    const ShownPicture before(s);
    const std::string what = soundingRequestName(s.selection);
    s.retrieval.cancelled = false;

    const bool todays = mContext.services.soundingChain == SourceChain::Actual;
    std::string failure; // today's chain: what each service said
    const bool read =
        todays ? loadTodaysSounding(mContext, &failure) : loadClassicSounding(mContext);
    if (!read || !failure.empty()) {
        // The download layer has said why a classic fetch failed, except when
        // the service's page simply never came.
        const bool told = todays || !s.retrieval.downloadOk || s.retrieval.downloadFailed;
        keepPreviousPicture(before, what,
                            told ? std::string() : text::cp1252("no ha llegado la página del sondeo"),
                            failure);
        return;
    }
    if (!s.view.soundingShown) {
        // The page gave no rows that can be drawn; the reader or the check of
        // the levels says why.
        reportHiddenRows(s, mContext.ui);
        keepPreviousPicture(before, what, {});
        return;
    }
    s.view.graphShown = false;
    s.view.emaGraphShown = false;
    if (s.view.graphAvailable) {
        s.view.commands.swapEnabled = true;
    }
    redrawPictures(mContext);
}

void SoundingCommands::keepPreviousPicture(const ShownPicture& before, const std::string& what,
                                           const std::string& reason, const std::string& told) {
    brisalta::keepPreviousPicture(mContext, before, what, reason, told);
}

void SoundingCommands::ceiling() {
    SessionState& s = mContext.session;
    if (!s.view.soundingShown) {
        mContext.ui.showMessage(text::cp1252(kNoSounding));
        return;
    }
    const std::optional<CeilingInputs> inputs = mContext.ui.askCeilingInputs();
    if (!inputs || !ceilingInputsInRange(*inputs)) {
        return;
    }
    startCeilingSimulation(s, inputs->temperature, inputs->dewPoint);
    redrawPictures(mContext);
}

void SoundingCommands::forecastSounding() {
    SessionState& s = mContext.session;
    const ShownPicture before(s);
    s.sounding.isForecast = false;
    const std::optional<std::filesystem::path> file = mContext.ui.chooseForecastFile();
    if (!file) {
        // The sounding on screen is still the forecast it was.
        before.restore(s);
        return;
    }
    // A listing is a few tens of kilobytes: anything else is refused before the
    // sounding on screen is touched.
    std::uintmax_t size = 0;
    if (text::regularFileSize(*file, size) && size > kMaxForecastBytes) {
        before.restore(s);
        mContext.ui.showMessage(text::cp1252(
            "El fichero es demasiado grande para ser un sondeo previsto (más de 4 MiB): no se "
            "ha leído."));
        return;
    }
    s.view.soundingShown = false;
    s.view.soundingAvailable = false;
    s.view.soundingSource = {};
    const bool read = loadForecastSounding(s, mContext.ui, *file);
    if (!s.view.soundingShown) {
        // The reader has said what is wrong with a file it could read.
        reportHiddenRows(s, mContext.ui);
        keepPreviousPicture(before,
                            text::cp1252("el sondeo previsto de «") +
                                text::toCp1252(file->filename().string()) + text::cp1252("»"),
                            read ? std::string() : text::cp1252("no se ha podido leer el fichero"));
        return;
    }
    s.view.graphShown = false;
    s.view.emaGraphShown = false;
    // The diagram is painted first; the notice then stands in front of it.
    redrawPictures(mContext);
    mContext.ui.showMessage(forecastNotice(), MessageIcon::Information);
}

} // namespace brisalta
