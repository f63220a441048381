// The session state: start values, fixed fields and the release of the
// sounding rows that every reader of a new sounding runs first.
#include "session/sessionstate.h"

#include "text/codepage.h"

#include <gtest/gtest.h>

namespace brisalta {
namespace {

TEST(SessionState, StartsWithTheDocumentedValues) {
    SessionState s;
    EXPECT_EQ(s.selection.icao, "LEAL");
    EXPECT_EQ(text::toUtf8(s.selection.country.str()), "ESPAÑA");
    EXPECT_EQ(s.selection.timeOffsetHours, 1);
    EXPECT_DOUBLE_EQ(s.view.drawScale, 0.96);
    EXPECT_EQ(s.view.graphShown + s.view.emaGraphShown + s.view.soundingShown + s.view.graphAvailable +
                  s.view.soundingAvailable,
              0);
    EXPECT_EQ(s.view.commands.tableEnabled + s.view.commands.zoomEnabled + s.view.commands.swapEnabled, 0);
    EXPECT_EQ(s.emaList.records.size(), 1000u);
    EXPECT_EQ(s.emaList.count, 0);
    EXPECT_EQ(kMissing, 6666);
}

// Purpose: fixed fields are bounded copies; a short code replaces a longer one
// completely, terminator included.
TEST(SessionState, FixedFieldsAreBoundedCopies) {
    SessionState s;
    s.selection.icao = "LEMDXYZ";
    EXPECT_EQ(s.selection.icao, "LEMD");
    s.selection.icao = "AB";
    EXPECT_EQ(s.selection.icao, "AB");
    EXPECT_EQ(s.selection.icao.bytes[2], '\0');
    EXPECT_EQ(s.selection.icao.bytes[3], '\0');

    FixedText<9> direction("Variable-long");
    EXPECT_EQ(direction, "Variable");
    direction.bytes.fill('x'); // raw bytes from a document
    direction.terminate();
    EXPECT_EQ(direction.size(), 8u);
}

// Purpose: reading a second sounding releases every row of the first; reading
// one while none was ever read releases nothing.
TEST(SessionState, ReleasesSoundingRowsOnlyWhenThereAreAny) {
    SessionState s;
    s.sounding.simulationRequested = true;
    s.releaseSoundingRows();
    EXPECT_TRUE(s.sounding.simulationRequested) << "nothing was allocated yet";

    s.allocateSoundingRows(40);
    s.sounding.rowsAllocated = true;
    EXPECT_EQ(s.sounding.count, 40);
    EXPECT_EQ(s.sounding.levels.size(), 40u);
    s.releaseSoundingRows();
    EXPECT_TRUE(s.sounding.levels.empty());
    EXPECT_EQ(s.sounding.count, 0);
    EXPECT_FALSE(s.sounding.simulationRequested);

    s.sounding.rowsAllocated = false;
    s.view.soundingAvailable = true; // a loaded sounding counts as well
    s.sounding.simulationRequested = true;
    s.releaseSoundingRows();
    EXPECT_FALSE(s.sounding.simulationRequested);
}

TEST(SessionState, NeverAllocatesMoreRowsThanTheMirrorHolds) {
    SessionState s;
    s.allocateSoundingRows(400);
    EXPECT_EQ(s.sounding.count, kMirrorRows);
    s.allocateSoundingRows(-3);
    EXPECT_EQ(s.sounding.count, 0);
}

} // namespace
} // namespace brisalta
