// The name a document is proposed under when it is saved: built from the
// station and the date of the picture on screen.
#pragma once

#include "session/sessionstate.h"

#include <string>

namespace brisalta {

struct DocumentName {
    std::string title;    // the document title, the name as built (Windows-1252)
    std::string fileName; // the proposed file name with ".brl" (Windows-1252)
};

// Builds the default name of the document on screen.
//   Sounding: forecastTitle for a forecast, else
//   "Sondeo_<station>_<day>_<month>_<year>_<hour>h". A station typed in by its
//   number (soundingFromCatalogue 0) has no catalogue name, so forecastTitle is
//   first copied into soundingStationName, which the saved document then carries.
//   Graph: "Gráfica_<title>_<day>_<month>_<year>".
// In the file name every blank, '-' and '/' becomes '_', the name is cut before
// the first '#', '%', ';' or '\', and ".brl" is appended.
DocumentName proposeDocumentName(SessionState& session);

} // namespace brisalta
