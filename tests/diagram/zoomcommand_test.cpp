// The zoom command: it flips the sounding's zoom and redraws at once; with no
// sounding on screen the diagram draws nothing, and the command says so once.
#include "app/viewcommands.h"

#include "adapters/replaytransport.h"
#include "diagram/soundingdiagram.h"
#include "support/scriptedui.h"
#include "support/testplaces.h"

#include <gtest/gtest.h>

namespace brisalta {
namespace {

struct Fixture {
    test::ScratchPlaces places;
    test::FixedClock clock{1607342400};
    ServiceTable services;
    SessionState session;
    test::ScriptedUi ui;
    ReplayTransport transport{places.root() / "respuestas"};
    CommandContext context{session, ui, transport, places, clock, services};
    ViewCommands commands{context};
};

TEST(ZoomCommand, FlipsTheZoomAndRedrawsTheSounding) {
    Fixture f;
    f.session.view.soundingShown = true;
    f.commands.zoom();
    EXPECT_TRUE(f.session.view.soundingZoom);
    EXPECT_EQ(f.ui.redraws, 1);
    f.commands.zoom();
    EXPECT_FALSE(f.session.view.soundingZoom);
    EXPECT_EQ(f.ui.redraws, 2);
    EXPECT_TRUE(f.ui.messages.empty());
}

TEST(ZoomCommand, WithoutASoundingOnScreenSaysSoOnce) {
    Fixture f;
    f.session.view.graphShown = true;
    f.commands.zoom();
    EXPECT_TRUE(f.session.view.soundingZoom);
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0].text, invalidSoundingMessage());
}

} // namespace
} // namespace brisalta
