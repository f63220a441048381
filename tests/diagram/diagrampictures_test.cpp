// The sounding diagram as a whole, against golden dumps of its drawing (how
// to record them: tests/support/goldenpicture.h), and the promise that
// painting a prepared diagram changes nothing.
#include "diagram/soundingdiagram.h"

#include "diagram/ceilingsimulation.h"
#include "diagramfixture.h"
#include "support/goldenpicture.h"
#include "support/recordingcanvas.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace brisalta {
namespace {

using test::RecordingCanvas;

std::unique_ptr<SessionState> dryAfternoon() {
    return test::soundingSession(test::dryAfternoonRows());
}

std::unique_ptr<SessionState> zoomedDryAfternoon() {
    auto session = dryAfternoon();
    session->view.soundingZoom = true;
    return session;
}

// 34 °C over the plateau: the parcel rises dry to a blue thermal.
std::unique_ptr<SessionState> blueThermal() {
    auto session = dryAfternoon();
    startCeilingSimulation(*session, 34, 5);
    return session;
}

// A humid coast: the parcel reaches its mixing ratio, a cumulus base.
std::unique_ptr<SessionState> cumulusBase() {
    auto session = test::soundingSession(test::moistMorningRows());
    startCeilingSimulation(*session, 25, 20);
    return session;
}

std::unique_ptr<SessionState> forecast() {
    return test::forecastSession();
}

TEST(DiagramPictures, MatchTheirGoldenDumps) {
    struct Case {
        const char* name;
        std::function<std::unique_ptr<SessionState>()> session;
        int width, height, dpi;
        double drawScale;
        bool printing;
    };
    const Case cases[] = {
        {"sounding-design", dryAfternoon, 800, 600, 96, 1.0, false},
        {"sounding-1920", dryAfternoon, 1920, 1080, 96, kScreenScale, false},
        {"sounding-zoomed", zoomedDryAfternoon, 800, 600, 96, 1.0, false},
        {"sounding-blue-thermal", blueThermal, 800, 600, 96, 1.0, false},
        {"sounding-cumulus-base", cumulusBase, 800, 600, 96, 1.0, false},
        {"sounding-cumulus-base-print", cumulusBase, 4960, 7015, 600, kScreenScale, true},
        {"sounding-second-service", [] { return test::secondServiceSession(); }, 800, 600, 96, 1.0,
         false},
        {"sounding-forecast", forecast, 800, 600, 96, 1.0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto session = c.session();
        session->view.drawScale = c.drawScale;
        RecordingCanvas canvas(c.width, c.height, c.dpi);
        ASSERT_TRUE(test::drawSounding(canvas, *session, c.printing));
        EXPECT_EQ(test::compareWithGoldenPicture(c.name, canvas.dump()), "");
    }
}

// Painting reads the prepared diagram and nothing else: two paints give the
// same picture and leave the session, the simulation included, as it was.
TEST(DiagramPictures, PaintingTwiceChangesNothing) {
    auto session = cumulusBase();
    CeilingSimulation ceiling = session->ceiling;
    const SoundingModel model = prepareSounding(*session, ceiling);
    applySoundingModel(*session, model, ceiling);
    const SessionState before = *session;

    RecordingCanvas first(1920, 1080, 96), second(1920, 1080, 96);
    paintSounding(first, model, PageMapping::screen());
    paintSounding(second, model, PageMapping::print());
    paintSounding(second, model, PageMapping::screen());

    EXPECT_NE(first.dump(), "");
    EXPECT_NE(second.dump().find(first.dump()), std::string::npos);
    EXPECT_EQ(session->ceiling.cloudBaseHeight, before.ceiling.cloudBaseHeight);
    EXPECT_EQ(session->ceiling.cloudBaseDrawn, before.ceiling.cloudBaseDrawn);
    EXPECT_EQ(session->ceiling.sentenceDone, before.ceiling.sentenceDone);
    EXPECT_EQ(session->sounding.diagramTitle, before.sounding.diagramTitle);
    EXPECT_EQ(session->sounding.mirror, before.sounding.mirror);
    EXPECT_EQ(session->view.commands.zoomEnabled, before.view.commands.zoomEnabled);
}

} // namespace
} // namespace brisalta
