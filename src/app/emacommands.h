// The command "Estaciones Automáticas (EMAs)": the 24-hour graph of an AEMET
// automatic station from the OpenData service.
#pragma once

#include "app/commandcontext.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace brisalta {

struct EmaList;

// Names of the two OpenData answers in the settings folder.
inline constexpr const char* kOpenDataIndexFile = "webAemet.tmp";  // index answer
inline constexpr const char* kOpenDataDataFile = "webOpenData.tmp"; // hourly records

class EmaCommands {
public:
    explicit EmaCommands(CommandContext& context) : mContext(context) {}

    // Asks for the station ("Estaciones Automáticas (EMAs)", or an identifier
    // typed with "Manual"), sends the index request and, when the key is good,
    // the data request, then draws the graph at once. The key's problems are
    // told to the user; a station without any temperature is told once.
    void automaticStation();

private:
    // Steps after the station is chosen: the two requests, the messages and
    // the graph. The query address is already in the session; province goes
    // into the title of a listed station (empty for a typed identifier);
    // station names it in a failure message (Windows-1252). When no new
    // records are read the picture on screen stays as it was.
    void queryAndDraw(const std::string& province, const std::string& station);

    CommandContext& mContext;
};

// The dialog's entries, "name   /   PROVINCE", one per loaded record in list
// order. The provinces are upper-cased in place (Windows-1252 accents
// included), so the graph title later shows them that way too.
std::vector<std::string> automaticStationEntries(EmaList& list);

// What the key box of the dialog shows: the key, or the sentence that asks
// for one when there is none (Windows-1252).
std::string automaticStationKeyText(const std::string& apiKey);

// Where the program takes "lista.ema" from: the current folder first, then the
// settings folder, then the data installed with the program, passing over a
// file that is not a regular file or is larger than kMaxEmaListBytes. Nothing
// when none of them holds one.
std::optional<std::filesystem::path> findEmaList(const Places& places);

} // namespace brisalta
