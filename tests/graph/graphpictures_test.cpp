// The 24-hour graph as a whole, against golden dumps of its drawing (how to
// record them: tests/support/goldenpicture.h), and the promise that painting
// a prepared graph changes nothing.
#include "graph/graphrenderer.h"

#include "graphfixture.h"
#include "support/goldenpicture.h"
#include "support/recordingcanvas.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace brisalta {
namespace {

using test::RecordingCanvas;

// A graph with every kind of gap: a missing first hour, a run of missing
// pressures, a single temperature between gaps, a station without wind speed
// in its last hours and hours without a direction.
std::unique_ptr<SessionState> gappyDaySession() {
    auto session = test::summerDaySession();
    GraphSeries& g = session->graph;
    g.temperature[0] = kMissing;
    g.dewPoint[0] = kMissing;
    for (int i = 6; i < 11; ++i) {
        g.pressure[i] = kMissing;
    }
    g.temperature[13] = kMissing;
    g.temperature[15] = kMissing;
    for (int i = 20; i < kSlots; ++i) {
        g.windSpeed[i] = kMissing;
        g.windDirection[i] = "No";
    }
    g.pressureIsStation = true;
    g.altitudeKnown = true;
    g.altitudeMetres = 667;
    return session;
}

// A document's graph: local hours, no pressure at all and calm all day.
std::unique_ptr<SessionState> calmDocumentSession() {
    auto session = test::summerDaySession();
    session->view.graphFromFile = true;
    session->graph.pressure.fill(kMissing);
    session->graph.windSpeed.fill(kMissing);
    session->graph.noWindSpeed = true;
    for (auto& d : session->graph.windDirection) {
        d = "Calma";
    }
    return session;
}

TEST(GraphPictures, MatchTheirGoldenDumps) {
    struct Case {
        const char* name;
        std::function<std::unique_ptr<SessionState>()> session;
        int width, height, dpi;
        double drawScale;
        bool printing;
    };
    const Case cases[] = {
        {"graph-summer-design", test::summerDaySession, 800, 600, 96, 1.0, false},
        {"graph-summer-1920", test::summerDaySession, 1920, 1080, 96, kScreenScale, false},
        {"graph-summer-small-fonts", test::summerDaySession, 1920, 1080, 120, kScreenScale, false},
        {"graph-summer-print", test::summerDaySession, 4960, 7015, 600, kScreenScale, true},
        {"graph-gaps", gappyDaySession, 800, 600, 96, 1.0, false},
        {"graph-calm-document", calmDocumentSession, 800, 600, 96, 1.0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto session = c.session();
        session->view.drawScale = c.drawScale;
        RecordingCanvas canvas(c.width, c.height, c.dpi);
        test::drawGraph(canvas, *session, c.printing);
        EXPECT_EQ(test::compareWithGoldenPicture(c.name, canvas.dump()), "");
    }
}

// Painting reads the prepared graph and nothing else: two paints give the same
// picture and leave the session as it was.
TEST(GraphPictures, PaintingTwiceChangesNothing) {
    auto session = gappyDaySession();
    const GraphModel model = prepareGraph(*session);
    applyGraphModel(*session, model);
    const SessionState before = *session;

    RecordingCanvas first(1920, 1080, 96), second(1920, 1080, 96);
    paintGraph(first, model, PageMapping::screen());
    const SessionState between = *session;
    paintGraph(second, model, PageMapping::screen());

    EXPECT_EQ(first.dump(), second.dump());
    const SessionState* const after = session.get();
    for (const SessionState* s : {&between, after}) {
        EXPECT_EQ(s->graph.temperature, before.graph.temperature);
        EXPECT_EQ(s->graph.title, before.graph.title);
        EXPECT_EQ(s->extremes.maxTemperature, before.extremes.maxTemperature);
        EXPECT_EQ(s->view.headerLine2, before.view.headerLine2);
        EXPECT_EQ(s->view.axisStartHour, before.view.axisStartHour);
        EXPECT_EQ(s->view.commands.statsEnabled, before.view.commands.statsEnabled);
        EXPECT_EQ(s->view.drawScale, before.view.drawScale);
    }
}

} // namespace
} // namespace brisalta
