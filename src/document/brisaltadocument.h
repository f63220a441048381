// The ".brl" document: the graph or the sounding on screen, copied between the
// session and an archive. A document holds no data of its own.
//
// Graph document: day, month, year, lastTime (ints), title (string), 24 slots of
// hour, temperature, dewPoint, pressure, windSpeed (ints) and the first 8 bytes
// of windDirection (raw8), then humidity, the version (30), skyReport, hasTrend,
// pressureIsStation and altitudeMetres. Older versions end after the slots
// (before 23), after hasTrend (23), or after the version (any other number).
//
// Sounding document: the tag "sondeo" ("sondeoP" for a forecast), the level
// count, soundingStationName, soundingHour, soundingDay, soundingMonth,
// soundingYear, then 7 floats per level as in SoundingProfile.
#pragma once

#include "document/archive.h"
#include "session/sessionstate.h"

#include <optional>
#include <string>

namespace brisalta {

inline constexpr int kGraphDocumentVersion = 30;
inline constexpr int kOldGraphDocumentVersion = 23;

// Why a document could not be read. Nothing in the session changed.
struct DocumentError {
    enum class Kind {
        Unreadable,    // the file could not be opened or read
        NotAFile,      // the path names a folder or a device
        TooLarge,      // far larger than any document the program writes
        Damaged,       // the data end early or a length runs past the end
        BadLevelCount, // a sounding with a level count the program cannot hold
        Implausible,   // values no document of the program could hold (a day 40, a
                       // temperature of 300 °C, NaN): damaged, or not a document at all
    };
    Kind kind = Kind::Damaged;
    int levelCount = 0; // the count read, for BadLevelCount
    std::string detail; // the first implausible value, in words (Windows-1252)
};

// Writes the picture on screen: the sounding document when soundingShown is
// set, its levels taken from SoundingProfile.mirror; otherwise the graph
// document, after setting GraphSeries.fileVersion to 30.
void serialize(ArchiveWriter& archive, SessionState& session);

// What the user is to be told about a document that was read.
enum class DocumentNotice {
    None,
    Forecast,   // a forecast sounding ("sondeoP"): its data are not observed
    OldVersion, // a graph of a version before 23: it ends after its slots, without humidity
};

struct DocumentRead {
    std::optional<DocumentError> error; // set when nothing was read
    DocumentNotice notice = DocumentNotice::None;
};

// Reads a document of any version. When the whole document reads correctly the
// session's graph (or sounding and its date and station texts) is replaced and
// the display flags are set for it. Otherwise nothing in the session changes
// and the error is returned.
DocumentRead serialize(ArchiveReader& archive, SessionState& session);

} // namespace brisalta
