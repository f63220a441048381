// Preparing the pictures on screen: after a command has changed what is
// shown, the graph and the sounding are worked out once from the session, and
// what other commands read of them (extremes, header lines, command
// permissions, the sounding's mirror rows and title, the ceiling results) is
// stored. Repaints then draw the prepared pictures and change nothing.
#pragma once

#include "app/commandcontext.h"

namespace brisalta {

// Prepares the picture the display flags show, as the view will draw it: the
// graph when graphShown or emaGraphShown is set, then the sounding when
// soundingShown is set, or "Techo por horas" when ceilingHoursShown is (which
// any of the other three clears).
void preparePictures(SessionState& session);

// preparePictures, then the view is repainted.
void redrawPictures(CommandContext& context);

} // namespace brisalta
