// The commands of the "Sondeos" menu.
#include "app/soundingcommands.h"
#include "app/pictures.h"

#include "catalogues/soundingcatalogue.h"
#include "app/downloads.h"
#include "diagram/ceilingsimulation.h"
#include "app/soundingloading.h"
#include "diagram/soundingdiagram.h"
#include "text/boundedfile.h"
#include "text/codepage.h"
#include "text/format.h"

namespace brisalta {
namespace {

const char* const kNoSounding = "Es necesario haber cargado un sondeo previamente.";
constexpr std::uintmax_t kMaxForecastBytes = 4u * 1024 * 1024;
const char* const kBadStationNumber = "Un identificador de estación válido se compone de 5 números";

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
    // The number replaces the previous station before it is checked; name and
    // region stay those of the last station picked.
    StationSelection& sel = mContext.session.selection;
    sel.soundingStationId = *number;
    sel.soundingFromCatalogue = false;
    if (sel.soundingStationId.size() != 5) {
        mContext.ui.showMessage(text::cp1252(kBadStationNumber));
        return;
    }
    if (runDateDialog(sel.soundingStationId)) {
        showSounding();
    }
}

void SoundingCommands::showSounding() {
    SessionState& s = mContext.session;
    const SessionState before = s;
    s.view.graphShown = false;
    s.view.emaGraphShown = false;
    redrawPictures(mContext);

    Downloads(mContext).sounding();
    // A failed or cancelled transfer has been reported by the download layer
    // (a cancel silently); nothing came, so the picture on screen, graph or
    // sounding, is put back as it was.
    if (s.retrieval.downloadFailed) {
        putBack(s, before);
        redrawPictures(mContext);
        return;
    }
    // A rejected page (downloadOk = 0) has been reported too.
    if (!s.retrieval.downloadOk) {
        redrawPictures(mContext);
        return;
    }
    if (s.view.graphAvailable) {
        s.view.commands.swapEnabled = true;
    }
    loadObservedSounding(s, mContext.ui, mContext.places.tempFolder());
    if (!s.sounding.rowsAllocated) {
        // No response file to read: the old rows are gone, so nothing can be shown.
        s.view.soundingShown = false;
        s.view.soundingAvailable = false;
    }
    reportHiddenRows(s, mContext.ui);
    redrawPictures(mContext);
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
    s.sounding.isForecast = false;
    const std::optional<std::filesystem::path> file = mContext.ui.chooseForecastFile();
    if (!file) {
        return;
    }
    // A listing is a few tens of kilobytes: anything else is refused before the
    // sounding on screen is touched.
    std::uintmax_t size = 0;
    if (text::regularFileSize(*file, size) && size > kMaxForecastBytes) {
        mContext.ui.showMessage(text::cp1252(
            "El fichero es demasiado grande para ser un sondeo previsto (más de 4 MiB): no se "
            "ha leído."));
        return;
    }
    s.view.soundingShown = false;
    s.view.soundingAvailable = false;
    loadForecastSounding(s, mContext.ui, *file);
    s.view.graphShown = false;
    s.view.emaGraphShown = false;
    // The diagram is painted first; the notice then stands in front of it.
    redrawPictures(mContext);
    if (s.view.soundingShown) {
        mContext.ui.showMessage(forecastNotice(), MessageIcon::Information);
    } else {
        reportHiddenRows(s, mContext.ui);
    }
}

} // namespace brisalta
