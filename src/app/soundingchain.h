// The two ways an observed sounding is fetched: today's chain (the new
// sounding interface first, for every station, then the classic services as
// they are) and the classic chain alone (the text-list service, or the second
// service for its six stations).
#pragma once

#include "app/commandcontext.h"

namespace brisalta {

// The classic chain: the download of the selection's service and its reader.
// False when the download failed or was refused (the user has been told) or
// when no response file came to read; true when the response was read,
// whatever it held. Leaves soundingSource empty.
bool loadClassicSounding(CommandContext& context);

// Today's chain. The new interface's answer, when it holds levels, replaces
// the sounding on record (a text-list sounding: knots, fromSecondService
// cleared) and names its source in soundingSource and the status line.
// Otherwise the classic chain runs; when it reads no sounding either, one
// message names both sources with their reasons instead of the classic
// messages (shown, or left in `failure` when given for the caller to show).
// The result is that of loadClassicSounding when it ran, else true.
bool loadTodaysSounding(CommandContext& context, std::string* failure = nullptr);

} // namespace brisalta
