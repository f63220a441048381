// All the command handlers of the program, grouped by subject. The command
// table's rows call into this set; the window and the tests own one.
#pragma once

#include "app/ceilinghourscommands.h"
#include "app/commandcontext.h"
#include "app/documentcommands.h"
#include "app/emacommands.h"
#include "app/graphcommands.h"
#include "app/soundingcommands.h"
#include "app/viewcommands.h"

namespace brisalta {

class CommandSet {
public:
    explicit CommandSet(CommandContext& context)
        : graph(context), view(context), document(context), sounding(context), ema(context),
          ceilingHours(context) {}

    GraphCommands graph;       // show graph, manual station, statistics, clouds, QNH
    ViewCommands view;         // swap graph and sounding, zoom
    DocumentCommands document; // open, save as
    SoundingCommands sounding; // the "Sondeos" menu
    EmaCommands ema;           // automatic stations
    CeilingHoursCommands ceilingHours; // "Techo por horas"
};

} // namespace brisalta
