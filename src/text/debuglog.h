// The program's debug trace: diagnostics meant for developers, never shown to
// the user. Silent unless the environment variable BRISALTA_DEPURACION is set
// (then written to standard error) or a test installs its own sink.
#pragma once

#include <functional>
#include <string_view>

namespace brisalta::text {

void debugLog(std::string_view message);

// Replaces the destination of the trace (nullptr restores the default).
void setDebugLogSink(std::function<void(std::string_view)> sink);

} // namespace brisalta::text
