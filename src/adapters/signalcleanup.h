// What the program leaves behind when it is stopped by a signal: nothing. The
// private temporary folder and the temporary file of an unfinished save are
// removed on SIGINT, SIGTERM and SIGHUP with calls that are safe inside a
// signal handler, and then the process ends by the same signal.
#pragma once

#include <atomic>
#include <filesystem>

namespace brisalta::signalcleanup {

// The private temporary folder to remove (XdgPlaces registers its own).
// Up to four folders at once; forget() takes one back.
void watchFolder(const std::filesystem::path& folder);
void forgetFolder(const std::filesystem::path& folder);

// Removes the watched folders (their files, then the folders themselves) and
// an unfinished save's temporary file. Safe in a signal handler.
void removeLeftovers() noexcept;

// The window: SIGINT, SIGTERM and SIGHUP remove the leftovers and end the
// process at once, by the same signal.
void exitOnSignals();

// The command-line tool: the first SIGINT, SIGTERM or SIGHUP raises `flag`
// (the transfers watch it and stop) and is remembered, so the command can wind
// down and the tool exit with 128 + the signal's number; a second one removes
// the leftovers and ends the process at once.
void interruptOnSignals(std::atomic<bool>& flag);

// The signal that raised the flag, or 0.
int interruptingSignal();

} // namespace brisalta::signalcleanup
