// Reading an observed sounding into the session: the response the download
// layer left in the temporary folder is parsed into SoundingProfile, the
// display flags are set, the user is told when the page holds no sounding, and
// the temporary files are deleted.
#pragma once

#include <filesystem>

namespace brisalta {

struct SessionState;
class Ui;

// Temporary files of the two sounding services.
inline constexpr const char* kTextListResponseFile = "sondeo.tmp";
inline constexpr const char* kSecondServiceResponseFile = "sondeoNuevo.tmp";
inline constexpr const char* kSecondServiceTableFile = "sondeoNuevoCorto.tmp";

// Parses the response of the service chosen by SoundingProfile::fromSecondService
// ("sondeoNuevo.tmp" when set, else "sondeo.tmp" in `tempFolder`). Releases the
// previous rows first. On success sets count, levels, rowsAllocated,
// soundingShown and soundingAvailable; a sounding with a checked row outside
// the level limits keeps its rows but is neither shown nor available. Wind
// speeds are knots from the text-list service, km/h from the second one.
// isForecast is 0 afterwards. A missing response file is ignored silently.
void readObservedSounding(SessionState& session, Ui& ui, const std::filesystem::path& tempFolder);

// Reads the table cut out of the second service's page ("sondeoNuevoCorto.tmp")
// into exactly 102 rows and deletes the file. When it cannot be opened, or
// holds no level, the profile is left empty and the user is told.
void readSecondServiceTable(SessionState& session, Ui& ui,
                            const std::filesystem::path& shortTablePath);

} // namespace brisalta
