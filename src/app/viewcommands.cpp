// Swap and zoom.
#include "app/viewcommands.h"
#include "app/pictures.h"

#include "diagram/soundingdiagram.h"
#include "text/codepage.h"

namespace brisalta {

void ViewCommands::swap() {
    SessionState& s = mContext.session;
    if (s.graphAvailable == 0 || s.soundingAvailable == 0) {
        mContext.ui.showMessage(text::cp1252(
            "Para intercambiar las imágenes se necesita disponer de una gráfica y un sondeo"));
        return;
    }
    if (s.graphShown == 1 || s.emaGraphShown != 0) {
        s.view.cloudsEnabled = 0;
        s.view.qnhEnabled = 0;
        s.view.ceilingEnabled = 1;
        s.view.statsEnabled = 0;
        s.view.zoomEnabled = 1;
        s.graphShown = 0;
        s.emaGraphShown = 0;
        s.soundingShown = 1;
    } else if (s.soundingShown == 1) {
        // An automatic-station graph comes back as an ordinary graph.
        s.view.tableEnabled = 1;
        s.view.cloudsEnabled = 1;
        s.view.qnhEnabled = 1;
        s.view.ceilingEnabled = 0;
        s.view.statsEnabled = 1;
        s.view.zoomEnabled = 0;
        s.graphShown = 1;
        s.soundingShown = 0;
    } else {
        return; // both pictures exist but neither is on screen
    }
    redrawPictures(mContext);
}

void ViewCommands::zoom() {
    SessionState& s = mContext.session;
    s.soundingZoom = s.soundingZoom ? 0 : 1;
    redrawPictures(mContext);
    // The diagram draws nothing then; the command says why, once.
    if (s.soundingShown != 1) {
        mContext.ui.showMessage(invalidSoundingMessage());
    }
}

} // namespace brisalta
