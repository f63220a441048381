// Ctrl+C and SIGTERM in the command-line tool: the transfer in progress stops
// at once, the command winds down (its temporary files go), and the tool exits
// with 130 (143 for SIGTERM). How the tool ends also depends on whether its
// standard output took every byte.
#pragma once

#include <atomic>

namespace brisalta::cli {

// Raised by the first SIGINT, SIGTERM or SIGHUP; the live transport watches it.
std::atomic<bool>& interruptFlag();

// Installs the handlers (once, before a subcommand runs).
void stopOnInterrupt();

// The tool's exit status once a subcommand has returned `code`: 128 + the
// signal after an interrupt; 1, with the reason on standard error, when
// standard output could not be written (a full disk, a closed pipe); else `code`.
int finalExitCode(int code);

} // namespace brisalta::cli
