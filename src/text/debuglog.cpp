// Debug trace.
#include "text/debuglog.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace brisalta::text {
namespace {

std::function<void(std::string_view)>& sink() {
    static std::function<void(std::string_view)> instance;
    return instance;
}

} // namespace

void debugLog(std::string_view message) {
    if (sink()) {
        sink()(message);
        return;
    }
    if (std::getenv("BRISALTA_DEPURACION") != nullptr) {
        std::fwrite(message.data(), 1, message.size(), stderr);
    }
}

void setDebugLogSink(std::function<void(std::string_view)> newSink) { sink() = std::move(newSink); }

} // namespace brisalta::text
