// Writing and reading the graph and sounding documents.
#include "document/brisaltadocument.h"

#include "document/documentchecks.h"
#include "text/codepage.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace brisalta {
namespace {

const char* const kSoundingTag = "sondeo";
const char* const kForecastSoundingTag = "sondeoP";


constexpr std::size_t kDirectionBytes = 8; // the stored part of a 9-byte direction text

void writeSounding(ArchiveWriter& archive, const SessionState& session) {
    const SoundingProfile& sounding = session.sounding;
    const StationSelection& selection = session.selection;
    // The mirror has 250 rows; a count beyond it never reaches the file.
    const int count = std::clamp(sounding.count, 0, kMirrorRows);
    archive.writeString(sounding.isForecast ? kForecastSoundingTag : kSoundingTag);
    archive.writeInt(count);
    archive.writeString(selection.soundingStationName);
    archive.writeString(selection.soundingHour);
    archive.writeString(selection.soundingDay);
    archive.writeString(selection.soundingMonth);
    archive.writeString(selection.soundingYear);
    for (int row = 0; row < count; ++row) {
        for (float value : sounding.mirror[static_cast<std::size_t>(row)]) {
            archive.writeFloat(value);
        }
    }
}

void writeGraph(ArchiveWriter& archive, const GraphSeries& graph) {
    archive.writeInt(graph.day);
    archive.writeInt(graph.month);
    archive.writeInt(graph.year);
    archive.writeInt(graph.lastTime);
    archive.writeString(graph.title);
    for (std::size_t slot = 0; slot < kSlots; ++slot) {
        archive.writeInt(graph.hour[slot]);
        archive.writeInt(graph.temperature[slot]);
        archive.writeInt(graph.dewPoint[slot]);
        archive.writeInt(graph.pressure[slot]);
        archive.writeInt(graph.windSpeed[slot]);
        archive.writeRaw8(graph.windDirection[slot].bytes.data());
    }
    archive.writeInt(graph.humidity);
    archive.writeInt(graph.fileVersion);
    archive.writeString(graph.skyReport);
    archive.writeInt(graph.hasTrend);
    archive.writeInt(graph.pressureIsStation);
    archive.writeInt(graph.altitudeMetres);
}

// A sounding document as read, before it replaces the session's sounding.
struct SoundingDocument {
    bool forecast = false;
    std::string stationName;
    std::string hour;
    std::string day;
    std::string month;
    std::string year;
    std::vector<SoundingRow> rows;
};

std::optional<DocumentError> implausible(std::string what) {
    return DocumentError{DocumentError::Kind::Implausible, 0, std::move(what)};
}

std::optional<DocumentError> damaged() {
    return DocumentError{DocumentError::Kind::Damaged, 0, {}};
}

std::optional<DocumentError> readSounding(ArchiveReader& archive, SoundingDocument& doc) {
    int count = 0;
    if (!archive.readInt(count)) {
        return damaged();
    }
    if (count < 0 || count > kMirrorRows) {
        return DocumentError{DocumentError::Kind::BadLevelCount, count, {}};
    }
    if (!archive.readString(doc.stationName) || !archive.readString(doc.hour) ||
        !archive.readString(doc.day) || !archive.readString(doc.month) ||
        !archive.readString(doc.year)) {
        return damaged();
    }
    doc.rows.assign(static_cast<std::size_t>(count), SoundingRow{});
    for (SoundingRow& row : doc.rows) {
        for (float& value : row) {
            if (!archive.readFloat(value)) {
                return damaged();
            }
        }
    }
    return std::nullopt;
}

void commitSounding(SessionState& session, SoundingDocument&& doc) {
    StationSelection& selection = session.selection;
    SoundingProfile& sounding = session.sounding;
    selection.soundingStationName = std::move(doc.stationName);
    selection.soundingHour = std::move(doc.hour);
    selection.soundingDay = std::move(doc.day);
    selection.soundingMonth = std::move(doc.month);
    selection.soundingYear = std::move(doc.year);

    session.releaseSoundingRows();
    const int count = static_cast<int>(doc.rows.size());
    session.allocateSoundingRows(count);
    std::copy(doc.rows.begin(), doc.rows.end(), sounding.levels.begin());
    // The view copies the rows into the mirror when it draws them; doing it now
    // as well means a save before any drawing writes these levels, not the
    // previous sounding's.
    std::copy(doc.rows.begin(), doc.rows.end(), sounding.mirror.begin());

    sounding.title = selection.soundingStationName;
    sounding.rowsAllocated = true;
    session.view.soundingShown = true;
    if (doc.forecast) {
        sounding.isForecast = true;
        sounding.forecastTitle = sounding.title;
    }
    selection.soundingFromCatalogue = true;
    session.view.graphShown = false;
    session.view.emaGraphShown = false;
    session.view.soundingAvailable = true;
    if (!doc.forecast) {
        sounding.isForecast = false;
    }
}

// Reads a graph document into `graph`, a copy of the session's graph, so the
// fields a version does not store keep their values. `endsAfterSlots` tells a
// document of a version before 23, which ends right after the 24 slots.
std::optional<DocumentError> readGraph(ArchiveReader& archive, GraphSeries& graph,
                                       bool& endsAfterSlots) {
    graph.pressureIsStation = false;
    if (!archive.readInt(graph.day) || !archive.readInt(graph.month) ||
        !archive.readInt(graph.year) || !archive.readInt(graph.lastTime) ||
        !archive.readString(graph.title)) {
        return damaged();
    }
    for (std::size_t slot = 0; slot < kSlots; ++slot) {
        std::array<char, kDirectionBytes> direction{};
        if (!archive.readInt(graph.hour[slot]) || !archive.readInt(graph.temperature[slot]) ||
            !archive.readInt(graph.dewPoint[slot]) || !archive.readInt(graph.pressure[slot]) ||
            !archive.readInt(graph.windSpeed[slot]) || !archive.readRaw8(direction)) {
            return damaged();
        }
        FixedText<9>& text = graph.windDirection[slot];
        std::copy(direction.begin(), direction.end(), text.bytes.begin());
        text.terminate();
    }

    endsAfterSlots = archive.atEnd();
    if (endsAfterSlots) {
        graph.humidity = 0;
        graph.fileVersion = 0;
        return std::nullopt;
    }
    if (!archive.readInt(graph.humidity) || !archive.readInt(graph.fileVersion)) {
        return damaged();
    }
    // The yes/no fields are stored as whole numbers; anything but 0 means yes.
    std::int32_t hasTrend = 0;
    std::int32_t pressureIsStation = 0;
    if (graph.fileVersion == kOldGraphDocumentVersion) {
        if (!archive.readString(graph.skyReport) || !archive.readInt(hasTrend)) {
            return damaged();
        }
        graph.hasTrend = hasTrend != 0;
    } else if (graph.fileVersion == kGraphDocumentVersion) {
        if (!archive.readString(graph.skyReport) || !archive.readInt(hasTrend) ||
            !archive.readInt(pressureIsStation) || !archive.readInt(graph.altitudeMetres)) {
            return damaged();
        }
        graph.hasTrend = hasTrend != 0;
        graph.pressureIsStation = pressureIsStation != 0;
        if (graph.pressureIsStation) {
            graph.altitudeKnown = true;
        }
    }
    return std::nullopt;
}

void commitGraph(SessionState& session, GraphSeries&& graph) {
    session.graph = std::move(graph);
    session.view.graphShown = true;
    session.view.emaGraphShown = false;
    session.view.graphFromFile = true;
    session.view.graphAvailable = true;
    session.view.soundingShown = false;
    session.view.banyeresGraph = false;
    // A document keeps the title it was saved with.
    session.view.graphStation.clear();
    session.view.graphIsAutomatic = false;
}

} // namespace

void serialize(ArchiveWriter& archive, SessionState& session) {
    if (session.view.soundingShown) {
        writeSounding(archive, session);
        return;
    }
    session.graph.fileVersion = kGraphDocumentVersion;
    writeGraph(archive, session.graph);
}

DocumentRead serialize(ArchiveReader& archive, SessionState& session) {
    // A graph document starts with its day number, 1 to 31, so its first bytes
    // never read as the string "sondeo"; when they do not read as a string at
    // all the document is a graph too.
    std::string tag;
    const bool hasTag = archive.readString(tag);
    if (hasTag && (tag == kSoundingTag || tag == kForecastSoundingTag)) {
        SoundingDocument doc;
        doc.forecast = tag == kForecastSoundingTag;
        if (auto error = readSounding(archive, doc)) {
            return {error, DocumentNotice::None};
        }
        if (auto what = implausibleSounding(doc.rows)) {
            return {implausible(std::move(*what)), DocumentNotice::None};
        }
        const bool forecast = doc.forecast;
        commitSounding(session, std::move(doc));
        return {std::nullopt, forecast ? DocumentNotice::Forecast : DocumentNotice::None};
    }

    ArchiveReader fresh(archive.data());
    GraphSeries graph = session.graph;
    bool endsAfterSlots = false;
    if (auto error = readGraph(fresh, graph, endsAfterSlots)) {
        return {error, DocumentNotice::None};
    }
    if (auto what = implausibleGraph(graph)) {
        return {implausible(std::move(*what)), DocumentNotice::None};
    }
    commitGraph(session, std::move(graph));
    return {std::nullopt, endsAfterSlots ? DocumentNotice::OldVersion : DocumentNotice::None};
}

} // namespace brisalta
