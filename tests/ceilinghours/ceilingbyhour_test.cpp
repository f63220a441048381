// The ceiling of every hour of the graph: an hour whose surface values are
// those typed into "Simulación techo" gets exactly the dialog's result, on
// every demo sounding and whatever the zoom or an earlier simulation; the
// cases the dialog gets wrong or cannot have (a parcel colder than the air of
// the lowest level, an hour in fog, missing hours); the hours as the graph
// shows them; and nothing of the session changes.
#include "ceilinghours/ceilingbyhour.h"

#include "../diagram/diagramfixture.h"
#include "app/pictures.h"
#include "ceilinghoursfixture.h"
#include "diagram/ceilingsimulation.h"
#include "diagram/soundingdiagram.h"
#include "diagram/soundinggeometry.h"

#include <gtest/gtest.h>

namespace brisalta {
namespace {

using test::GraphHour;

// What the dialog leaves on the diagram for a surface temperature and dew
// point: the command stores them and the diagram is prepared again.
struct DialogResult {
    std::optional<double> top;
    std::optional<double> cloudBase;
    std::optional<int> windSpeed;
    std::optional<int> windDirection;
};

DialogResult dialogResult(SessionState session, int temperature, int dewPoint) {
    startCeilingSimulation(session, temperature, dewPoint);
    preparePictures(session);
    const CeilingSimulation& c = session.ceiling;
    DialogResult r;
    if (c.parcelTooCold) {
        // The parcel stays on the ground: the lowest level, truncated.
        r.top = soundingGeometry(session.sounding.levels.front()[kHeight], false).h0;
        return r;
    }
    if (c.blueThermalDrawn) {
        r.top = c.thermalTopHeight;
    } else if (c.cloudBaseDrawn) {
        r.top = r.cloudBase = c.cloudBaseHeight;
    } else {
        return r;
    }
    r.windSpeed = c.ceilingWindSpeed;
    r.windDirection = c.ceilingWindDirection;
    return r;
}

// The surface values of the table below are all warm enough for the parcel to
// leave the ground; they give blue thermals and cumulus bases on each sounding.
TEST(CeilingByHour, AnHourGivesWhatTheDialogGivesForItsValues) {
    struct Case {
        const char* station;
        int temperature;
        int dewPoint;
    };
    const Case cases[] = {
        {"08430", 35, 12}, {"08430", 36, 12}, {"08430", 36, 18}, {"08430", 38, 20},
        {"08430", 40, 5},  {"08579", 30, 20}, {"08579", 32, 18}, {"08579", 36, 12},
        {"08579", 33, 30}, {"08579", 28, 27}, {"60018", 26, 10}, {"60018", 30, 20},
        {"60018", 36, 18}, {"60018", 25, 24}, {"60018", 33, 30},
    };
    bool blue = false;
    bool cumulus = false;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.station << " " << c.temperature << "/" << c.dewPoint);
        auto session = test::demoSoundingSession(c.station);
        // The hour sits among others, which must not change its result.
        std::vector<GraphHour> hours = test::sameEveryHour(c.temperature - 6, c.dewPoint - 3);
        hours[11] = GraphHour{c.temperature, c.dewPoint};
        hours[12] = GraphHour{c.temperature + 1, c.dewPoint};
        test::addGraph(*session, hours);
        const DialogResult dialog = dialogResult(*session, c.temperature, c.dewPoint);
        ASSERT_TRUE(dialog.top.has_value());

        const CeilingHours result = simulateCeilingHours(*session);
        ASSERT_TRUE(result.simulated);
        const CeilingHour& h = result.hours[11];
        EXPECT_EQ(h.thermalTop, dialog.top);
        EXPECT_EQ(h.cloudBase, dialog.cloudBase);
        EXPECT_EQ(h.topWindSpeed, dialog.windSpeed);
        EXPECT_EQ(h.topWindDirection, dialog.windDirection);
        // The band is the dialog's result a degree either way.
        EXPECT_EQ(h.upperBand, dialogResult(*session, c.temperature + 1, c.dewPoint).top);
        EXPECT_EQ(
            h.lowerBand,
            dialogResult(*session, c.temperature - 1, std::min(c.dewPoint, c.temperature - 1)).top);
        blue = blue || !dialog.cloudBase;
        cumulus = cumulus || dialog.cloudBase;
    }
    EXPECT_TRUE(blue && cumulus) << "the table must hold both kinds of result";
}

// The view's zoom, an earlier request of the dialog (whose wind and kind of
// result are kept for the rest of that request) and the order of the hours
// never reach an hour's result; the session's own simulation stays as it was.
TEST(CeilingByHour, NeitherTheZoomNorAnEarlierSimulationLeaksIn) {
    auto session = test::demoSoundingSession("08430");
    test::addGraph(*session, test::sameEveryHour(36, 12));
    const DialogResult unzoomed = dialogResult(*session, 36, 12);
    const CeilingHours clean = simulateCeilingHours(*session);

    // A cumulus request shown first keeps its kind for the rest of its request.
    startCeilingSimulation(*session, 36, 18);
    preparePictures(*session);
    session->view.soundingZoom = true;
    preparePictures(*session);
    ASSERT_TRUE(session->ceiling.cloudBaseDrawn);
    const SessionState before = *session;

    const CeilingHours result = simulateCeilingHours(*session);
    for (const CeilingHour& h : result.hours) {
        EXPECT_EQ(h.thermalTop, unzoomed.top);
        EXPECT_EQ(h.cloudBase, std::nullopt);
        EXPECT_EQ(h.topWindSpeed, unzoomed.windSpeed);
    }
    EXPECT_EQ(result.hours, clean.hours);
    EXPECT_EQ(session->ceiling.cloudBaseText, before.ceiling.cloudBaseText);
    EXPECT_EQ(session->ceiling.cloudBaseY, before.ceiling.cloudBaseY);
    EXPECT_TRUE(session->ceiling.cloudBaseDrawn);
    EXPECT_TRUE(session->sounding.simulationRequested);
    EXPECT_TRUE(session->view.soundingZoom);
    EXPECT_EQ(session->graph.temperature, before.graph.temperature);
}

// Murcia's lowest level is at 32.9 °C. A parcel at 31 °C is colder than the
// air around it: it does not rise. The dialog used to lift it anyway and
// report a cumulus base at 2338 m; now both the dialog and the hour say that
// no thermal leaves the ground: no mark, no cloud, no wind, a sentence that
// says why, and an hour whose top is the lowest level.
TEST(CeilingByHour, AParcelColderThanTheLowestLevelGivesNoThermal) {
    struct Case {
        int temperature;
        int dewPoint;
        bool tooCold;
    };
    const Case cases[] = {
        {31, 12, true}, {5, 2, true}, {-20, -20, true}, {32, 32, true}, {35, 12, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << k.temperature << "/" << k.dewPoint);
        auto session = test::demoSoundingSession("08430");
        test::addGraph(*session, test::sameEveryHour(k.temperature, k.dewPoint));
        SessionState dialog = *session;
        startCeilingSimulation(dialog, k.temperature, k.dewPoint);
        const SoundingModel model = prepareSounding(dialog, dialog.ceiling);
        EXPECT_EQ(dialog.ceiling.parcelTooCold, k.tooCold);
        const CeilingHour h = simulateCeilingHours(*session).hours[0];
        if (!k.tooCold) {
            EXPECT_NE(model.ceiling.mark, CeilingPicture::Mark::None);
            EXPECT_GT(h.thermalTop.value_or(0.0), 70.0);
            continue;
        }
        EXPECT_EQ(model.ceiling.mark, CeilingPicture::Mark::None);
        EXPECT_FALSE(dialog.ceiling.thermalTopFound);
        EXPECT_FALSE(dialog.ceiling.cloudBaseFound);
        EXPECT_NE(model.ceiling.sentence.find("no hay t"), std::string::npos);
        EXPECT_EQ(ceilingResultSentence(dialog), model.ceiling.sentence);

        EXPECT_EQ(h.thermalTop, std::optional<double>(70.0));
        EXPECT_EQ(h.cloudBase, std::nullopt);
        EXPECT_EQ(h.topWindSpeed, std::nullopt);
        EXPECT_EQ(h.topWindDirection, std::nullopt);
        EXPECT_EQ(h.lowerBand, std::optional<double>(70.0));
    }
}

// Air saturated at the surface: the cumulus base is the ground itself, on the
// sounding's lowest level (Lisboa, 105 m).
TEST(CeilingByHour, AHumidHourHasItsCumulusAtTheGround) {
    auto session = test::demoSoundingSession("08579");
    test::addGraph(*session, test::sameEveryHour(27, 27));
    const CeilingHour h = simulateCeilingHours(*session).hours[5];
    EXPECT_EQ(h.thermalTop, std::optional<double>(105.0));
    EXPECT_EQ(h.cloudBase, std::optional<double>(105.0));
    EXPECT_TRUE(h.topWindSpeed.has_value());
}

// An hour without a temperature or a dew point, or with a value the graph
// throws out as implausible, is a gap: nothing in any field but its hour
// (and the value it has). A dew point above the temperature is run at the
// temperature; a value outside the dialog's limits is not run at all.
TEST(CeilingByHour, MissingHoursAreGaps) {
    auto session = test::demoSoundingSession("60018");
    std::vector<GraphHour> hours = test::sameEveryHour(30, 20);
    hours[0] = GraphHour{kMissing, kMissing};
    hours[1] = GraphHour{30, kMissing};
    hours[2] = GraphHour{kMissing, 20};
    hours[3] = GraphHour{150, 20};  // thrown out by the graph's validation
    hours[4] = GraphHour{-35, -40}; // plausible, below the dialog's limits
    hours[5] = GraphHour{30, 24};
    hours[6] = GraphHour{30, 31}; // dew point above the temperature
    hours.resize(20);             // the last four slots are missing too
    test::addGraph(*session, hours);
    const CeilingHours result = simulateCeilingHours(*session);

    const CeilingHour empty{};
    for (const int slot : {0, 1, 2, 3, 4, 20, 23}) {
        SCOPED_TRACE(slot);
        CeilingHour h = result.hours[static_cast<std::size_t>(slot)];
        EXPECT_EQ(h.thermalTop, std::nullopt);
        EXPECT_EQ(h.lowerBand, std::nullopt);
        EXPECT_EQ(h.upperBand, std::nullopt);
        h.temperature.reset();
        h.dewPoint.reset();
        h.hour = 0;
        EXPECT_EQ(h, empty);
    }
    EXPECT_EQ(result.hours[1].temperature, std::optional<int>(30));
    EXPECT_EQ(result.hours[1].dewPoint, std::nullopt);
    EXPECT_EQ(result.hours[3].temperature, std::nullopt);
    EXPECT_EQ(result.hours[4].temperature, std::optional<int>(-35));
    EXPECT_TRUE(result.hours[5].thermalTop.has_value());
    EXPECT_EQ(result.hours[6].dewPoint, std::optional<int>(31));
    EXPECT_EQ(result.hours[6].thermalTop, dialogResult(*session, 30, 30).top);
}

// The hours are those of the graph's hour axis: the first slot's UTC hour
// moved by the time offset, except for a graph read from a document.
TEST(CeilingByHour, HoursFollowTheGraphsAxis) {
    struct Case {
        int firstHour;
        int offset;
        bool fromFile;
        int first;
        int last;
    };
    const Case cases[] = {
        {8, 1, false, 9, 8},
        {23, 1, false, 0, 23},
        {0, -1, false, 23, 22},
        {8, 2, true, 8, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.firstHour << " " << c.offset << " " << c.fromFile);
        auto session = test::demoSoundingSession("60018");
        test::addGraph(*session, test::sameEveryHour(30, 20), c.firstHour);
        session->selection.timeOffsetHours = c.offset;
        session->view.graphFromFile = c.fromFile;
        const CeilingHours result = simulateCeilingHours(*session);
        EXPECT_EQ(result.hours.front().hour, c.first);
        EXPECT_EQ(result.hours.back().hour, c.last);
    }
}

// Without a graph or a sounding nothing is run; the hours still carry their
// values for whoever shows them.
TEST(CeilingByHour, NeedsAGraphAndASounding) {
    auto withoutSounding = test::demoSoundingSession("60018");
    test::addGraph(*withoutSounding, test::sameEveryHour(30, 20));
    withoutSounding->view.soundingAvailable = false;
    const CeilingHours a = simulateCeilingHours(*withoutSounding);
    EXPECT_FALSE(a.simulated);
    EXPECT_EQ(a.hours[0].temperature, std::optional<int>(30));
    EXPECT_EQ(a.hours[0].thermalTop, std::nullopt);

    auto withoutGraph = test::demoSoundingSession("60018");
    EXPECT_FALSE(simulateCeilingHours(*withoutGraph).simulated);

    // A lowest level at the top of the diagram leaves no height to simulate on.
    auto tooHigh = test::soundingSession({test::level(100, 16600, -60, -80, 10, 270, 20),
                                          test::level(90, 17000, -60, -80, 10, 270, 20)});
    test::addGraph(*tooHigh, test::sameEveryHour(30, 20));
    EXPECT_FALSE(simulateCeilingHours(*tooHigh).simulated);
}

} // namespace
} // namespace brisalta
