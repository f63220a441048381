// Commands of the "Sondeos" menu: the date dialog and the download of an
// observed sounding, the stations of the catalogue, a station typed by number,
// the ceiling simulation and the import of a forecast sounding.
#pragma once

#include "app/commandcontext.h"

namespace brisalta {

class SoundingCommands {
public:
    explicit SoundingCommands(CommandContext& context) : mContext(context) {}

    // "Mostrar" and the toolbar button: the date dialog for the station already
    // chosen, then the sounding.
    void showSoundingDialog();

    // A station of the "Elegir sondeo" submenus (menu command identifier):
    // selects it, then the date dialog and the sounding.
    void pickStation(int command);

    // "Manual": a station number typed by hand, then the date dialog.
    void manualSounding();

    // "Simulación techo": surface temperature and dew point, then the diagram
    // is drawn again with the simulation.
    void ceiling();

    // "Previsión Sondeo": reads a forecast sounding saved from the NOAA READY site.
    void forecastSounding();

    // Downloads and reads the sounding of the current selection.
    void showSounding();

private:
    CommandContext& mContext;
};

} // namespace brisalta
