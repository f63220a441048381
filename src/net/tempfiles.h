// Names of the downloaded documents inside the private temporary folder.
// Each download overwrites its file; the reader deletes it after reading.
#pragma once

namespace brisalta::tempfiles {

inline constexpr const char* kCurrentConditions = "temp.htm";     // NOAA current-conditions page
inline constexpr const char* kQueryPage = "addsmetar.tmp";        // METAR query page
inline constexpr const char* kStationFile = "tempMet.txt";        // per-station METAR file (FTP)
inline constexpr const char* kBanyeres = "datosBanyeres.tmp";     // Banyeres school station table
inline constexpr const char* kSoundingList = "sondeo.tmp";        // text-list sounding
inline constexpr const char* kSecondSounding = "sondeoNuevo.tmp"; // second sounding service page

} // namespace brisalta::tempfiles
