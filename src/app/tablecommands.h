// The data table command ("Datos horarios" / "Datos detallados"): the hourly
// table of the graph on screen or the table of the sounding's levels, in a
// modal dialog whose buttons export and print it.
#pragma once

#include "app/commandcontext.h"

namespace brisalta {

class TableCommands {
public:
    explicit TableCommands(CommandContext& context) : mContext(context) {}

    // Opens the table of what is on screen: the graph's hourly table (the page
    // printed meanwhile shows it in place of the graph) or, without a graph,
    // the sounding's table (printed on a portrait page). With nothing on
    // screen the user is told a graph or a sounding is needed first.
    void showTable();

private:
    CommandContext& mContext;
};

} // namespace brisalta
