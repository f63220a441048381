// Reading the system's font configuration (fontconfig) takes a few
// milliseconds, a good share of a picture command's run. A command that will
// draw starts it on a second thread at once, while it reads its data and
// sets up Qt; the first canvas waits for it, and Qt's font database then
// finds the configuration loaded.
#pragma once

namespace brisalta {

// Starts loading the font configuration in the background; only the first
// call does anything. If no thread can be started, Qt loads it when needed.
void startFontWarmUp();

// Returns once the loading started by startFontWarmUp has ended (at once when
// none was started). QtCanvas calls it before its first text.
void waitForFonts();

} // namespace brisalta
