// Fuzz target: the text-list sounding page, the second service's page and the
// forecast listing; the first byte picks which.
#include "fuzzsupport.h"

#include "session/sessionstate.h"
#include "sounding/forecastsounding.h"
#include "sounding/observedsounding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brisalta;
    if (size == 0) {
        return 0;
    }
    SessionState session;
    fuzz::SilentUi ui;
    switch (data[0] % 3) {
    case 0:
        fuzz::writeInput("sondeo.tmp", data + 1, size - 1);
        readObservedSounding(session, ui, fuzz::scratchFolder());
        break;
    case 1:
        session.sounding.fromSecondService = true;
        fuzz::writeInput("sondeoNuevo.tmp", data + 1, size - 1);
        readObservedSounding(session, ui, fuzz::scratchFolder());
        break;
    default:
        readForecastSounding(session, ui, fuzz::writeInput("prevision.txt", data + 1, size - 1));
        break;
    }
    return 0;
}
