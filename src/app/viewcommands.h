// Commands that change which picture the view shows: swap graph and sounding,
// and the zoom of the sounding diagram.
#pragma once

#include "app/commandcontext.h"

namespace brisalta {

class ViewCommands {
public:
    explicit ViewCommands(CommandContext& context) : mContext(context) {}

    // Swaps the graph and the sounding when both exist; from "Techo por horas"
    // it goes back to the graph.
    void swap();

    // Flips the zoom of the sounding diagram and redraws it.
    void zoom();

private:
    CommandContext& mContext;
};

} // namespace brisalta
