// Numeric identifiers of the user commands. Menu items, accelerators and
// toolbar buttons are bound to these numbers.
#pragma once

namespace brisalta::cmd {

inline constexpr int kOpen = 57601;
inline constexpr int kSaveAs = 57604;
inline constexpr int kExportExcelSingle = 33094;
inline constexpr int kExportExcelCombined = 33095;
inline constexpr int kExportCsvSingle = 33096;
inline constexpr int kExportCsvCombined = 33097;
inline constexpr int kPrint = 57607;
inline constexpr int kPrintPreview = 57609;
inline constexpr int kPreferences = 32813;
inline constexpr int kRecentFile = 57616;
inline constexpr int kExit = 57665;
inline constexpr int kToolbar = 59392;
inline constexpr int kShowGraph = 32771;
inline constexpr int kManualStation = 32814;
inline constexpr int kStatistics = 33078;
inline constexpr int kClouds = 33084;
inline constexpr int kQnh = 144;
inline constexpr int kTable = 33116;
inline constexpr int kAutomaticStation = 181;
inline constexpr int kShowSounding = 33075;
inline constexpr int kShowSoundingToolbar = 33048;
inline constexpr int kManualSounding = 33074;
inline constexpr int kZoom = 33118;
inline constexpr int kCeiling = 33101;
inline constexpr int kCeilingHours = 33160;
inline constexpr int kForecastSounding = 33121;
inline constexpr int kSwap = 33089;
inline constexpr int kLinksEditor = 1018;
inline constexpr int kFavouritesEditor = 1046;
inline constexpr int kHelp = 33145;
inline constexpr int kAbout = 57664;

} // namespace brisalta::cmd
