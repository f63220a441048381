// Start values of the session state and the release of the sounding rows.
#include "session/sessionstate.h"

#include "text/codepage.h"

namespace brisalta {

StationSelection::StationSelection() : icao("LEAL"), country(text::cp1252("ESPAÑA")) {}

void SessionState::releaseSoundingRows() {
    if (sounding.rowsAllocated || view.soundingAvailable) {
        sounding.levels.clear();
        sounding.levels.shrink_to_fit();
        // With the rows gone the count must not promise any; the reader that
        // follows sets the new count.
        sounding.count = 0;
        sounding.simulationRequested = false;
    }
    // The title belongs to the rows: the next ones get their own.
    sounding.diagramTitle.clear();
}

void SessionState::allocateSoundingRows(int count) {
    if (count < 0) {
        count = 0;
    }
    if (count > kMirrorRows) {
        count = kMirrorRows;
    }
    sounding.levels.assign(static_cast<std::size_t>(count), SoundingRow{});
    sounding.count = count;
    sounding.diagramTitle.clear();
}

} // namespace brisalta
