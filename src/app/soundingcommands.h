// Commands of the "Sondeos" menu: the date dialog and the download of an
// observed sounding, the stations of the catalogue, a station typed by number,
// the ceiling simulation and the import of a forecast sounding.
#pragma once

#include "app/commandcontext.h"

#include <cstdint>
#include <string>

namespace brisalta {

class ShownPicture;

class SoundingCommands {
public:
    explicit SoundingCommands(CommandContext& context) : mContext(context) {}

    // "Mostrar" and the toolbar button: the date dialog for the station already
    // chosen, then the sounding.
    void showSoundingDialog();

    // A station of the "Elegir sondeo" submenus (menu command identifier):
    // selects it, then the date dialog and the sounding. Cancelling the dialog
    // keeps the new selection without fetching anything.
    void pickStation(int command);

    // "Manual": a station number typed by hand, then the date dialog.
    void manualSounding();

    // "Simulación techo": surface temperature and dew point, then the diagram
    // is drawn again with the simulation.
    void ceiling();

    // "Previsión Sondeo": reads a forecast sounding saved from the NOAA READY site.
    void forecastSounding();

    // Downloads and reads the sounding of the current selection (station,
    // date texts, hour, service), then repaints. When no drawable rows come,
    // the picture on screen stays as it was and the user is told which
    // sounding could not be drawn.
    void showSounding();

private:
    // Puts the picture kept in `before` back on screen and says that `what`
    // could not be drawn, and why when no earlier message did.
    void keepPreviousPicture(const ShownPicture& before, const std::string& what,
                             const std::string& reason, const std::string& told = {});

    // The "Sondeos" dialog for a station text: true when the user confirmed a
    // date and an hour, which are then in the selection.
    bool runDateDialog(const std::string& stationText);

    CommandContext& mContext;
};

// What opening the date dialog does to the session: hour "00" (hour field 0),
// soundingDate = now (seconds since 1970), soundingDialogUsed = 1.
void openSoundingDateDialog(SessionState& session, std::int64_t now);

// The hour combo's rule: entry 0 is "00" with hour field 0; entry 1 is "12"
// with hour field 13, because the second service's date is a local time.
void selectSoundingHour(StationSelection& selection, int hourIndex);

// "Ver Sondeo": the picked instant (seconds since 1970) becomes soundingDate,
// the day, month and year texts without leading zeros (read in local time
// through the clock), the broken-down fields, the second service's date
// (the clock's local-time conversion) and the choice of service.
void confirmSoundingDate(SessionState& session, const Clock& clock, std::int64_t pickedDate);

// The Ui's answers to "Simulación techo" are whole degrees within -30..60 (air)
// and -30..50 (dew point).
bool ceilingInputsInRange(const CeilingInputs& inputs);

// "el sondeo de Murcia (España) (08430) del 17/7/2024 a las 12 UTC", or "el
// sondeo de la estación 08430 ..." for a number typed by hand (Windows-1252).
std::string soundingRequestName(const StationSelection& selection);

// The notice shown before a forecast sounding, Windows-1252.
std::string forecastNotice();

} // namespace brisalta
