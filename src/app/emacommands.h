// The command "Estaciones Automáticas (EMAs)": the 24-hour graph of an AEMET
// automatic station from the OpenData service.
#pragma once

#include "app/commandcontext.h"

namespace brisalta {

class EmaCommands {
public:
    explicit EmaCommands(CommandContext& context) : mContext(context) {}

    // The automatic-station dialog, the two OpenData requests and the graph.
    void automaticStation();

private:
    CommandContext& mContext;
};

} // namespace brisalta
