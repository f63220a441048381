// "Techo por horas" as a command (its menu entry and enable rule are checked
// on the main window): what it says when it cannot run, how it takes the view
// and gives it back (swap, a new graph or sounding), and that the graph, the
// sounding and the dialog's simulation stay as they were.
#include "app/ceilinghourscommands.h"

#include "../ceilinghours/ceilinghoursfixture.h"
#include "adapters/replaytransport.h"
#include "app/pictures.h"
#include "app/viewcommands.h"
#include "ceilinghours/ceilinghourspicture.h"
#include "diagram/ceilingsimulation.h"
#include "support/scriptedui.h"
#include "support/testplaces.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

namespace brisalta {
namespace {

struct Fixture {
    test::ScratchPlaces places;
    test::FixedClock clock{1721217600};
    ServiceTable services;
    std::unique_ptr<SessionState> session = test::demoSoundingSession("60018");
    test::ScriptedUi ui;
    ReplayTransport transport{places.root() / "respuestas"};
    CommandContext context{*session, ui, transport, places, clock, services};

    // A graph drawn first, then the sounding shown: as the user gets there.
    Fixture() {
        test::addGraph(*session, test::sameEveryHour(30, 20));
        preparePictures(*session);
    }
};

TEST(CeilingHoursCommand, ShowsThePictureInPlaceOfTheSounding) {
    Fixture f;
    const CeilingSimulation ceilingBefore = f.session->ceiling;
    const Slots<int> temperatures = f.session->graph.temperature;
    CeilingHoursCommands(f.context).show();

    const ViewState& v = f.session->view;
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(f.ui.redraws, 1);
    EXPECT_TRUE(v.ceilingHoursShown);
    EXPECT_FALSE(v.graphShown || v.emaGraphShown || v.soundingShown);
    EXPECT_TRUE(v.pictures.ceilingHours.drawable);
    EXPECT_TRUE(v.commands.swapEnabled);
    EXPECT_TRUE(v.commands.printEnabled);
    EXPECT_FALSE(v.commands.zoomEnabled || v.commands.ceilingEnabled || v.commands.qnhEnabled ||
                 v.commands.statsEnabled || v.commands.saveAsEnabled);
    EXPECT_EQ(f.session->graph.temperature, temperatures);
    EXPECT_EQ(f.session->ceiling.sentenceDone, ceilingBefore.sentenceDone);
    EXPECT_FALSE(f.session->sounding.simulationRequested);
    EXPECT_TRUE(v.graphAvailable && v.soundingAvailable);
}

// Without both pictures, or without an hour to simulate, the user is told and
// the view stays as it was.
TEST(CeilingHoursCommand, SaysWhyItCannotRun) {
    struct Case {
        bool graph;
        bool sounding;
        bool hoursWithValues;
        const char* message;
    };
    const Case cases[] = {
        {false, true, true,
         "Para ver el techo por horas se necesita disponer de una gráfica y un sondeo"},
        {true, false, true,
         "Para ver el techo por horas se necesita disponer de una gráfica y un sondeo"},
        {true, true, false,
         "La gráfica no tiene ninguna hora con temperatura y punto de rocío que simular con el "
         "sondeo"},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.session->view.graphAvailable = c.graph;
        f.session->view.soundingAvailable = c.sounding;
        if (!c.hoursWithValues) {
            f.session->graph.dewPoint.fill(kMissing);
        }
        CeilingHoursCommands(f.context).show();
        EXPECT_EQ(f.ui.messageTexts(), std::vector<std::string>{c.message});
        EXPECT_FALSE(f.session->view.ceilingHoursShown);
        EXPECT_TRUE(f.session->view.soundingShown);
        EXPECT_EQ(f.ui.redraws, 0);
    }
}

// Swap goes from the picture back to the graph, and on to the sounding; a
// sounding or graph shown by any other command takes the picture off.
TEST(CeilingHoursCommand, GivesTheViewBack) {
    Fixture f;
    CeilingHoursCommands(f.context).show();
    ViewCommands(f.context).swap();
    EXPECT_TRUE(f.session->view.graphShown);
    EXPECT_FALSE(f.session->view.ceilingHoursShown);
    EXPECT_TRUE(f.session->view.pictures.graph.drawable);
    ViewCommands(f.context).swap();
    EXPECT_TRUE(f.session->view.soundingShown);
    EXPECT_FALSE(f.session->view.ceilingHoursShown);

    CeilingHoursCommands(f.context).show();
    ASSERT_TRUE(f.session->view.ceilingHoursShown);
    f.session->view.soundingShown = true; // a new sounding read
    preparePictures(*f.session);
    EXPECT_FALSE(f.session->view.ceilingHoursShown);
    EXPECT_TRUE(f.session->view.commands.zoomEnabled);
}

// Shown again later, the picture follows the data: a new time offset moves
// its hours as it moves the graph's.
TEST(CeilingHoursCommand, RedrawingFollowsTheData) {
    Fixture f;
    CeilingHoursCommands(f.context).show();
    const int first = f.session->view.pictures.ceilingHours.ceilings.hours[0].hour;
    f.session->selection.timeOffsetHours = 3;
    preparePictures(*f.session);
    EXPECT_EQ(f.session->view.pictures.ceilingHours.ceilings.hours[0].hour, first + 2);
    EXPECT_TRUE(f.session->view.ceilingHoursShown);
}

} // namespace
} // namespace brisalta
