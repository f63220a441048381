// "Techo por horas" (menu "Sondeos", Ctrl+U): the thermal ceiling of every
// hour of the 24-hour graph on the sounding, shown in place of the graph and
// the sounding until one of them is shown again.
#pragma once

#include "app/commandcontext.h"

namespace brisalta {

class CeilingHoursCommands {
public:
    explicit CeilingHoursCommands(CommandContext& context) : mContext(context) {}

    // Needs a graph and a sounding: without both, or without an hour that has
    // a temperature and a dew point, the user is told why and the view stays
    // as it was. Otherwise the picture takes the view (graphShown,
    // emaGraphShown and soundingShown are cleared, ceilingHoursShown set) and
    // is drawn. Nothing of the graph, the sounding or the simulation of
    // "Simulación techo" changes.
    void show();

private:
    CommandContext& mContext;
};

// The enable rule of the command: a graph and a sounding are both available.
bool ceilingHoursAvailable(const SessionState& session);

} // namespace brisalta
