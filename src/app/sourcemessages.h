// What the user is told about today's services: where the data on screen
// came from (the status line), and, when every source of a chain failed, one
// message naming each with its reason. Texts are Windows-1252.
#pragma once

#include "net/downloadsession.h"
#include "session/sessionstate.h"

#include <string>
#include <string_view>
#include <vector>

namespace brisalta {

// The services' names as the user reads them.
inline constexpr const char* kAwcName = "Aviation Weather Center";
inline constexpr const char* kIemName = "Iowa Environmental Mesonet";
inline constexpr const char* kWyomingName = "Universidad de Wyoming";
inline constexpr const char* kTextListName = "Universidad de Wyoming, listas de texto";
inline constexpr const char* kSecondServiceName = "Meteociel";

// One source that gave nothing, and why.
struct SourceFailure {
    std::string name;    // kAwcName, ... (Windows-1252)
    std::string address; // the address asked
    std::string reason;  // Windows-1252, without a final full stop
};

// The reason of a fetch that did not bring an answer to read: no connection,
// no answer in time, a refused redirect, an address that is not http(s), or
// the transport's own text. Empty for a fetch that brought an answer.
std::string transferFailureReason(const DownloadResult& result);

// "error HTTP 503".
std::string httpStatusReason(int status);

// The host of an address ("aviationweather.gov"), or the address itself when
// it cannot be split.
std::string hostOf(std::string_view address);

// The headline ("No se han podido obtener los partes de LEVC"), a colon, and
// one line per source, "- <name> (<host>): <reason>.".
std::string allSourcesFailedMessage(std::string_view headlineUtf8,
                                    const std::vector<SourceFailure>& failures);

// The status line of data from a source: "<prefix> <name> (<host>): <n> <unit>."
// with the unit in the singular for 1 ("Datos de Aviation Weather Center
// (aviationweather.gov): 24 partes.").
std::string sourceStatusLine(std::string_view prefixUtf8, const DataSource& source,
                             std::string_view unitUtf8, std::string_view unitsUtf8);

} // namespace brisalta
