// "Techo por horas".
#include "app/ceilinghourscommands.h"

#include "app/pictures.h"
#include "ceilinghours/ceilinghourspicture.h"

namespace brisalta {

bool ceilingHoursAvailable(const SessionState& session) {
    return session.view.graphAvailable && session.view.soundingAvailable;
}

void CeilingHoursCommands::show() {
    SessionState& s = mContext.session;
    if (!ceilingHoursAvailable(s)) {
        mContext.ui.showMessage(ceilingHoursNeedsBothMessage());
        return;
    }
    if (!prepareCeilingHours(s).drawable) {
        mContext.ui.showMessage(ceilingHoursNothingMessage());
        return;
    }
    s.view.graphShown = false;
    s.view.emaGraphShown = false;
    s.view.soundingShown = false;
    s.view.ceilingHoursShown = true;
    redrawPictures(mContext);
}

} // namespace brisalta
