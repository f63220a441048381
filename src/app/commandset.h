// All the command handlers of the program, grouped by subject. The command
// table's rows call into this set; the window and the tests own one.
#pragma once

#include "app/ceilinghourscommands.h"
#include "app/commandcontext.h"
#include "app/documentcommands.h"
#include "app/emacommands.h"
#include "app/exportcommands.h"
#include "app/graphcommands.h"
#include "app/helpcommands.h"
#include "app/preferencescommands.h"
#include "app/printcommands.h"
#include "app/soundingcommands.h"
#include "app/tablecommands.h"
#include "app/viewcommands.h"

namespace brisalta {

class CommandSet {
public:
    explicit CommandSet(CommandContext& context)
        : graph(context), view(context), document(context), sounding(context), ema(context),
          preferences(context), help(context), table(context), exports(context),
          printing(context), ceilingHours(context) {}

    GraphCommands graph;       // show graph, manual station, statistics, clouds, QNH
    ViewCommands view;         // swap graph and sounding, zoom
    DocumentCommands document; // open, save as
    SoundingCommands sounding; // the "Sondeos" menu
    EmaCommands ema;           // automatic stations
    PreferencesCommands preferences; // preferences, list editors, links, favourites
    HelpCommands help;         // manual and about box
    TableCommands table;       // "Datos horarios" / "Datos detallados"
    ExportCommands exports;    // "Exportar datos"
    PrintCommands printing;    // "Imprimir...", "Vista preliminar"
    CeilingHoursCommands ceilingHours; // "Techo por horas"
};

} // namespace brisalta
