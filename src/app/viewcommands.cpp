// Swap and zoom.
#include "app/viewcommands.h"
#include "app/pictures.h"

#include "diagram/soundingdiagram.h"
#include "text/codepage.h"

namespace brisalta {

void ViewCommands::swap() {
    SessionState& s = mContext.session;
    if (!s.view.graphAvailable || !s.view.soundingAvailable) {
        mContext.ui.showMessage(text::cp1252(
            "Para intercambiar las imágenes se necesita disponer de una gráfica y un sondeo"));
        return;
    }
    if (s.view.graphShown || s.view.emaGraphShown) {
        s.view.commands.cloudsEnabled = false;
        s.view.commands.qnhEnabled = false;
        s.view.commands.ceilingEnabled = true;
        s.view.commands.statsEnabled = false;
        s.view.commands.zoomEnabled = true;
        s.view.graphShown = false;
        s.view.emaGraphShown = false;
        s.view.soundingShown = true;
    } else if (s.view.soundingShown || s.view.ceilingHoursShown) {
        // The graph comes back as what it is: an automatic station's stays
        // one, so that it keeps its own title and no airport's sky report.
        s.view.commands.tableEnabled = true;
        s.view.commands.cloudsEnabled = true;
        s.view.commands.qnhEnabled = true;
        s.view.commands.ceilingEnabled = false;
        s.view.commands.statsEnabled = true;
        s.view.commands.zoomEnabled = false;
        s.view.graphShown = !s.view.graphIsAutomatic;
        s.view.emaGraphShown = s.view.graphIsAutomatic;
        s.view.soundingShown = false;
    } else {
        return; // both pictures exist but neither is on screen
    }
    redrawPictures(mContext);
}

void ViewCommands::zoom() {
    SessionState& s = mContext.session;
    s.view.soundingZoom = s.view.soundingZoom ? 0 : 1;
    redrawPictures(mContext);
    // The diagram draws nothing then; the command says why, once.
    if (!s.view.soundingShown) {
        mContext.ui.showMessage(invalidSoundingMessage());
    }
}

} // namespace brisalta
