// Readers of the two AEMET OpenData answers of an automatic-station query: the
// index answer, which says whether the query worked and where the data are, and
// the data answer, a list of hourly records that fills the slots of the graph.
#pragma once

#include <filesystem>
#include <string_view>

namespace brisalta {

struct SessionState;

// Reads the index answer: "datos" gives openDataDataUrl (the bytes up to the
// next double quote); the words "exito", "caduca" and "invalido", anywhere in
// the file, set openDataSuccess, openDataKeyExpired and openDataKeyInvalid
// (never cleared here). Deletes the file afterwards when deleteAfter is set.
// False, silently and without touching anything, when the file cannot be opened.
bool ReadOpenDataAnswer(SessionState& session, const std::filesystem::path& path, bool deleteAfter);

// Reads the data answer into the slot arrays of session.graph, one slot per
// record in file order (oldest first): hour (UTC), temperature and raw
// temperature (°C), pressure (station, hPa), wind speed (km/h from m/s), wind
// direction (compass word), humidity (%), dew point as delivered (°C); the date
// and local lastTime of the last record; the altitude; the title from the first
// "ubi" (+ " - " + province, or alone when selection.emaManual is set), and
// emaGraphShown = graphAvailable = 1 on every "ubi". emaSlotCount = records read.
// Every slot field is cleared first, even when the file cannot be opened (then
// the result is false). Values met before the first record are dropped, and of
// an answer with more than 24 records only the 24 newest are kept. Deletes the
// file afterwards when deleteAfter is set. The series still needs
// finishOpenDataSeries() before it can be drawn.
bool ReadOpenDataRecords(SessionState& session, const std::filesystem::path& path, bool deleteAfter,
                         std::string_view province);

} // namespace brisalta
