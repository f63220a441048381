// Reading and writing documents through the archive: the exact bytes of both
// document kinds, every graph version, the sounding tags and their notices, and
// reads that fail without touching the session.
//
// The reference files tests/data/document/graph_v30.brl and sounding.brl are
// laid out byte by byte by tests/data/document/make_golden.py, independently of
// the program's writer. Regenerate them only when the format itself changes:
//     /usr/bin/python3 tests/data/document/make_golden.py
// The tests read them and never write them.
#include "document/brisaltadocument.h"

#include "document/documentsamples.h"
#include "support/testplaces.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>

namespace brisalta {
namespace {

using test::Bytes;
using test::fingerprint;

std::string golden(const char* name) {
    return test::readFile(test::dataPath() / "document" / name);
}

std::string write(SessionState& session) {
    ArchiveWriter archive;
    serialize(archive, session);
    return archive.bytes();
}

// Reads a document; `notice` receives what the user is to be told about it.
std::optional<DocumentError> read(const std::string& bytes, SessionState& session,
                                  DocumentNotice& notice) {
    ArchiveReader archive(bytes);
    const DocumentRead result = serialize(archive, session);
    notice = result.notice;
    return result.error;
}

// A session with a graph and a sounding of its own, so a read that should
// change nothing has something to change.
SessionState busySession() {
    SessionState s;
    s.graph.title = "Antes";
    s.graph.day = 2;
    s.graph.skyReport = "Informe anterior";
    s.graph.hasTrend = true;
    s.graph.pressureIsStation = true;
    s.graph.altitudeMetres = 500;
    s.graph.humidity = 99;
    s.graph.fileVersion = 30;
    s.graph.temperature.fill(kMissing);
    s.selection.soundingStationName = "Previa";
    s.selection.soundingHour = "00";
    s.sounding.levels.assign(2, SoundingRow{1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f, 7.0f});
    s.sounding.count = 2;
    s.sounding.rowsAllocated = true;
    s.sounding.simulationRequested = true;
    s.sounding.isForecast = true;
    s.sounding.forecastTitle = "Previsto";
    s.sounding.mirror[0] = s.sounding.levels[0];
    s.view.emaGraphShown = true;
    s.view.soundingAvailable = true;
    s.view.banyeresGraph = true;
    return s;
}

TEST(BrisaltaDocument, WritesTheReferenceGraphDocument) {
    SessionState s;
    test::fillGoldenGraph(s);
    s.graph.fileVersion = 12;
    EXPECT_EQ(write(s), golden("graph_v30.brl"));
    EXPECT_EQ(s.graph.fileVersion, 30);
}

TEST(BrisaltaDocument, ReadsTheReferenceGraphDocument) {
    SessionState expected;
    test::fillGoldenGraph(expected);
    expected.graph.fileVersion = 30;
    expected.graph.altitudeKnown = true;
    expected.view.graphFromFile = true;

    SessionState s;
    DocumentNotice notice = DocumentNotice::None;
    EXPECT_FALSE(read(golden("graph_v30.brl"), s, notice));
    EXPECT_EQ(notice, DocumentNotice::None);
    EXPECT_EQ(fingerprint(s), fingerprint(expected));
    EXPECT_EQ(text::toUtf8(s.graph.title), "Aeropuerto de Almería");
    EXPECT_EQ(s.graph.windDirection[19], "Variable");
}

TEST(BrisaltaDocument, WritesTheReferenceSoundingDocumentFromTheMirror) {
    SessionState s;
    test::fillGoldenSounding(s);
    s.sounding.levels.clear(); // only the mirror is written
    test::fillGoldenGraph(s);  // a graph exists too, but the sounding is on screen
    s.view.graphShown = false;
    s.view.soundingShown = true;
    EXPECT_EQ(write(s), golden("sounding.brl"));
    EXPECT_TRUE(s.view.soundingShown);
}

TEST(BrisaltaDocument, ReadsTheReferenceSoundingDocument) {
    SessionState s = busySession();
    s.selection.soundingFromCatalogue = false;
    DocumentNotice notice = DocumentNotice::None;
    EXPECT_FALSE(read(golden("sounding.brl"), s, notice));
    EXPECT_EQ(notice, DocumentNotice::None);

    EXPECT_EQ(text::toUtf8(s.selection.soundingStationName), "Madrid - España");
    EXPECT_EQ(s.selection.soundingHour, "12");
    EXPECT_EQ(s.selection.soundingDay, "1");
    EXPECT_EQ(s.selection.soundingMonth, "2");
    EXPECT_EQ(s.selection.soundingYear, "2021");
    ASSERT_EQ(s.sounding.count, 3);
    ASSERT_EQ(s.sounding.levels.size(), 3u);
    EXPECT_EQ(s.sounding.levels[2][kHeight], 1520.5f);
    EXPECT_EQ(s.sounding.levels[2][kDewPoint], -9.75f);
    EXPECT_EQ(s.sounding.levels[0][kTemperature], 12.4f);
    EXPECT_EQ(s.sounding.mirror[2], s.sounding.levels[2]); // a save before drawing writes these
    EXPECT_EQ(s.sounding.title, s.selection.soundingStationName);
    EXPECT_TRUE(s.sounding.rowsAllocated);
    EXPECT_FALSE(s.sounding.simulationRequested);
    EXPECT_FALSE(s.sounding.isForecast);
    EXPECT_TRUE(s.selection.soundingFromCatalogue);
    EXPECT_TRUE(s.view.soundingShown);
    EXPECT_TRUE(s.view.soundingAvailable);
    EXPECT_FALSE(s.view.graphShown);
    EXPECT_FALSE(s.view.emaGraphShown);
}

// Purpose: the forecast tag brings the notice and the forecast title; the plain
// tag clears a forecast left from before, silently.
TEST(BrisaltaDocument, SoundingTagDecidesForecastAndNotice) {
    struct Case {
        const char* tag;
        int isForecastBefore;
        int isForecast;
        bool notice;
    };
    const Case cases[] = {
        {"sondeoP", 0, 1, true},
        {"sondeoP", 1, 1, true},
        {"sondeo", 1, 0, false},
        {"sondeo", 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.tag) + " after " + std::to_string(c.isForecastBefore));
        const std::string station = text::cp1252("Sondeo previsto 12hrs_Dia1-2-2021_40.42N_3.70W");
        const std::string bytes =
            test::soundingHead(c.tag, 1, station).floats({1000, 100, 20, 10, 50, 180, 36}).data;
        SessionState s;
        s.sounding.isForecast = c.isForecastBefore;
        s.sounding.forecastTitle = "Anterior";
        DocumentNotice notice = DocumentNotice::None;
        EXPECT_FALSE(read(bytes, s, notice));
        EXPECT_EQ(s.sounding.isForecast, c.isForecast);
        if (c.notice) {
            EXPECT_EQ(notice, DocumentNotice::Forecast);
            EXPECT_EQ(s.sounding.forecastTitle, station);
        } else {
            EXPECT_EQ(notice, DocumentNotice::None);
            EXPECT_EQ(s.sounding.forecastTitle, "Anterior");
        }
        EXPECT_EQ(s.sounding.levels[0][kWindSpeed], 36.0f);
    }
}

// Purpose: the content after the slots of each version, and what each leaves
// alone.
TEST(BrisaltaDocument, ReadsEveryGraphVersion) {
    struct Case {
        const char* name;
        std::string tail;
        int humidity;
        int fileVersion;
        const char* skyReport;
        int hasTrend;
        int pressureIsStation;
        int altitudeMetres;
        bool note;
    };
    const Case cases[] = {
        {"before 23", "", 0, 0, "Informe anterior", 1, 0, 500, true},
        {"23", Bytes().i32(55).i32(23).str("Cielo").i32(0).data, 55, 23, "Cielo", 0, 0, 500, false},
        {"30", Bytes().i32(55).i32(30).str("Cielo").i32(0).i32(1).i32(123).data, 55, 30, "Cielo", 0,
         1, 123, false},
        {"31", Bytes().i32(55).i32(31).data, 55, 31, "Informe anterior", 1, 0, 500, false},
        {"0", Bytes().i32(55).i32(0).str("Cielo").data, 55, 0, "Informe anterior", 1, 0, 500,
         false},
        {"-7", Bytes().i32(55).i32(-7).data, 55, -7, "Informe anterior", 1, 0, 500, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes bytes = test::graphHead(9, 10, 2021, 1530, "Aeropuerto de Valencia");
        bytes.data.replace(bytes.data.size() - 8, 8, "Variable"); // no NUL in the stored bytes
        bytes.raw(c.tail);

        SessionState s = busySession();
        s.view.soundingShown = true;
        DocumentNotice notice = DocumentNotice::None;
        EXPECT_FALSE(read(bytes.data, s, notice));

        EXPECT_EQ(s.graph.day, 9);
        EXPECT_EQ(s.graph.month, 10);
        EXPECT_EQ(s.graph.year, 2021);
        EXPECT_EQ(s.graph.lastTime, 1530);
        EXPECT_EQ(s.graph.title, "Aeropuerto de Valencia");
        EXPECT_EQ(s.graph.temperature[23], 33);
        EXPECT_EQ(s.graph.pressure[0], 1000);
        EXPECT_EQ(s.graph.windDirection[23], "Variable");
        EXPECT_EQ(s.graph.windDirection[23].bytes[8], '\0');
        EXPECT_EQ(s.graph.humidity, c.humidity);
        EXPECT_EQ(s.graph.fileVersion, c.fileVersion);
        EXPECT_EQ(s.graph.skyReport, c.skyReport);
        EXPECT_EQ(s.graph.hasTrend, c.hasTrend);
        EXPECT_EQ(s.graph.pressureIsStation, c.pressureIsStation);
        EXPECT_EQ(s.graph.altitudeMetres, c.altitudeMetres);

        EXPECT_TRUE(s.view.graphShown);
        EXPECT_FALSE(s.view.emaGraphShown);
        EXPECT_TRUE(s.view.graphFromFile);
        EXPECT_TRUE(s.view.graphAvailable);
        EXPECT_FALSE(s.view.soundingShown);
        EXPECT_FALSE(s.view.banyeresGraph);
        EXPECT_EQ(s.sounding.count, 2); // the sounding stays for a later swap

        if (c.note) {
            EXPECT_EQ(notice, DocumentNotice::OldVersion);
        } else {
            EXPECT_EQ(notice, DocumentNotice::None);
        }
    }
}

// Purpose: only station pressure tells that the stored altitude is known; a QNH
// graph leaves the flag as it was.
TEST(BrisaltaDocument, AltitudeKnownFollowsStationPressureOnly) {
    for (int stationPressure : {0, 1}) {
        for (int knownBefore : {0, 1}) {
            SCOPED_TRACE(std::to_string(stationPressure) + "/" + std::to_string(knownBefore));
            Bytes bytes = test::graphHead(1, 1, 2022, 100, "X");
            bytes.i32(50).i32(30).str("").i32(0).i32(stationPressure).i32(700);
            SessionState s;
            s.graph.altitudeKnown = knownBefore;
            DocumentNotice notice = DocumentNotice::None;
            EXPECT_FALSE(read(bytes.data, s, notice));
            EXPECT_EQ(s.graph.altitudeKnown, stationPressure == 1 ? 1 : knownBefore);
        }
    }
}

TEST(BrisaltaDocument, LongTitleTakesTheThreeByteLengthAndComesBack) {
    SessionState s;
    test::fillGoldenGraph(s);
    s.graph.title = std::string(255, 'T');
    const std::string bytes = write(s);
    EXPECT_EQ(bytes.substr(16, 3), std::string("\xFF\xFF\x00", 3));
    EXPECT_EQ(bytes.substr(19, 255), s.graph.title);

    SessionState back;
    DocumentNotice notice = DocumentNotice::None;
    EXPECT_FALSE(read(bytes, back, notice));
    EXPECT_EQ(back.graph.title, std::string(255, 'T'));
}

TEST(BrisaltaDocument, ReadsAGraphTitleStoredAsUtf16) {
    const char title[] = "\xFF\xFE\xFF\x07"
                         "A\0l\0m\0e\0r\0\xED\0"
                         "a\0";
    Bytes bytes;
    bytes.i32(7).i32(3).i32(2020).i32(1730).raw(std::string(title, 4 + 14));
    const Bytes head = test::graphHead(7, 3, 2020, 1730, "");
    bytes.raw(head.data.substr(17)); // the slots after the empty title
    bytes.i32(60).i32(30).str("").i32(0).i32(0).i32(0);

    SessionState s;
    DocumentNotice notice = DocumentNotice::None;
    EXPECT_FALSE(read(bytes.data, s, notice));
    EXPECT_EQ(text::toUtf8(s.graph.title), "Almería");
    EXPECT_EQ(s.graph.humidity, 60);
}

TEST(BrisaltaDocument, SoundingOfNoLevelsWritesTagCountAndStringsOnly) {
    SessionState s;
    s.view.soundingShown = true;
    s.sounding.count = 0;
    const std::string murcia = text::cp1252("Murcia - España");
    s.selection.soundingStationName = murcia;
    s.selection.soundingHour = "00";
    s.selection.soundingDay = "31";
    s.selection.soundingMonth = "12";
    s.selection.soundingYear = "2020";
    const std::string expected =
        test::soundingHead("sondeo", 0, murcia, "00", "31", "12", "2020").data;
    EXPECT_EQ(write(s), expected);

    SessionState back = busySession();
    DocumentNotice notice = DocumentNotice::None;
    EXPECT_FALSE(read(expected, back, notice));
    EXPECT_EQ(back.sounding.count, 0);
    EXPECT_TRUE(back.sounding.levels.empty());
    EXPECT_TRUE(back.sounding.rowsAllocated);
    EXPECT_TRUE(back.view.soundingShown);
    EXPECT_EQ(back.selection.soundingDay, "31");
}

TEST(BrisaltaDocument, RoundTripsAForecastSoundingOfTheFullMirror) {
    SessionState s;
    s.view.soundingShown = true;
    s.sounding.isForecast = true;
    s.sounding.count = kMirrorRows;
    for (int r = 0; r < kMirrorRows; ++r) {
        const float p = 1000.0f - 3.5f * static_cast<float>(r);
        s.sounding.mirror[static_cast<std::size_t>(r)] = {
            p, 10.0f * r, 15.0f - 0.25f * r, -r * 0.5f, 50.0f, 360.0f, 1.8f * r};
    }
    s.selection.soundingStationName = "Sondeo previsto 00hrs_Dia9-9-2023_Madrid";
    s.selection.soundingHour = "00";
    const std::string bytes = write(s);
    EXPECT_EQ(bytes.substr(0, 8), "\x07sondeoP");

    SessionState back;
    DocumentNotice notice = DocumentNotice::None;
    EXPECT_FALSE(read(bytes, back, notice));
    ASSERT_EQ(back.sounding.count, kMirrorRows);
    for (std::size_t r = 0; r < kMirrorRows; ++r) {
        EXPECT_EQ(back.sounding.levels[r], s.sounding.mirror[r]) << r;
    }
    EXPECT_TRUE(back.sounding.isForecast);
    EXPECT_EQ(back.sounding.forecastTitle, s.selection.soundingStationName);
    EXPECT_EQ(write(back), bytes); // saved again as it came
}

// Purpose: a level count outside the 250-row mirror never makes the writer read
// past it; the stored count matches the rows written.
TEST(BrisaltaDocument, WritesNoMoreLevelsThanTheMirrorHolds) {
    for (const auto& [count, written] : {std::pair{300, 250}, std::pair{-5, 0}}) {
        SessionState s;
        s.view.soundingShown = true;
        s.sounding.count = count;
        const std::string bytes = write(s);
        ArchiveReader r(bytes);
        std::string tag;
        std::int32_t stored = 0;
        ASSERT_TRUE(r.readString(tag) && r.readInt(stored));
        EXPECT_EQ(stored, written);
        EXPECT_EQ(bytes.size(), 7u + 4u + 5u + 28u * static_cast<std::size_t>(written));
    }
}

TEST(BrisaltaDocument, RoundTripsAGraphWithRawDirectionBytes) {
    SessionState s = busySession();
    test::fillGoldenGraph(s);
    s.graph.windDirection[4].bytes = {'N', '\0', 'j', 'u', 'n', 'k', '!', '?', '\0'};
    const std::string bytes = write(s);

    SessionState back = busySession();
    DocumentNotice notice = DocumentNotice::None;
    EXPECT_FALSE(read(bytes, back, notice));
    s.view.graphFromFile = true;
    s.graph.altitudeKnown = true;
    s.view.emaGraphShown = false;
    s.view.banyeresGraph = false;
    EXPECT_EQ(fingerprint(back), fingerprint(s));
}

TEST(BrisaltaDocument, DayThatLooksLikeALongStringStillReadsAsAGraph) {
    // FF FF FF FF announces a 32-bit string length, which the month gives: the
    // file reads as a graph, whose day -1 then gives it away as damaged.
    Bytes bytes = test::graphHead(-1, 1000000, 2020, 1730, "X");
    bytes.i32(70).i32(31);
    SessionState s;
    ArchiveReader archive(bytes.data);
    const DocumentRead result = serialize(archive, s);
    ASSERT_TRUE(result.error);
    EXPECT_EQ(result.error->kind, DocumentError::Kind::Implausible);
    EXPECT_EQ(text::toUtf8(result.error->detail), "el día -1 no existe");
    EXPECT_FALSE(s.view.graphShown);
}

// Purpose: a sounding longer than the 250-row table, or with a negative count,
// is refused before anything is allocated or changed.
TEST(BrisaltaDocument, RefusesLevelCountsTheProgramCannotHold) {
    for (int count : {-1, 251, 1000000, INT_MAX, INT_MIN}) {
        SCOPED_TRACE(count);
        Bytes bytes = test::soundingHead("sondeo", count, "A");
        for (int i = 0; i < 7 * 260; ++i) {
            bytes.f32(1.0f);
        }
        SessionState s = busySession();
        const std::string before = fingerprint(s);
        DocumentNotice notice = DocumentNotice::None;
        const std::optional<DocumentError> error = read(bytes.data, s, notice);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->kind, DocumentError::Kind::BadLevelCount);
        EXPECT_EQ(error->levelCount, count);
        EXPECT_EQ(fingerprint(s), before);
        EXPECT_EQ(notice, DocumentNotice::None);
    }
}

// Purpose: a document cut at any byte is refused and leaves the whole session
// as it was; the one exception is a graph cut right after its slots, which is
// how documents before version 23 end.
TEST(BrisaltaDocument, TruncatedDocumentsNeverChangeTheSession) {
    struct Case {
        std::string bytes;
        std::size_t slotsEnd; // where an old graph document would end; npos for a sounding
    };
    constexpr std::size_t kNone = std::string::npos;
    const std::string longTitle(300, 'L');
    const Case cases[] = {
        {golden("graph_v30.brl"), 4 * 4 + 1 + 21 + 24 * 28},
        {golden("sounding.brl"), kNone},
        {test::soundingHead("sondeoP", 1, "E", "", "1", "1", "1999")
             .floats({1, 2, 3, 4, 5, 6, 7})
             .data,
         kNone},
        {test::graphHead(1, 2, 2003, 1200, longTitle).i32(10).i32(23).str("Nubes").i32(1).data,
         4 * 4 + 3 + 300 + 24 * 28},
    };
    for (const Case& c : cases) {
        for (std::size_t length = 0; length < c.bytes.size(); ++length) {
            SCOPED_TRACE(length);
            SessionState s = busySession();
            const std::string before = fingerprint(s);
            DocumentNotice notice = DocumentNotice::None;
            const std::optional<DocumentError> error = read(c.bytes.substr(0, length), s, notice);
            if (length == c.slotsEnd) {
                EXPECT_FALSE(error);
                EXPECT_EQ(s.graph.fileVersion, 0);
                continue;
            }
            ASSERT_TRUE(error);
            EXPECT_EQ(error->kind, DocumentError::Kind::Damaged);
            EXPECT_EQ(fingerprint(s), before);
            EXPECT_EQ(notice, DocumentNotice::None);
        }
    }
}

} // namespace
} // namespace brisalta
