// Fuzz target: the two AEMET OpenData answers (the first byte picks the index
// answer or the hourly records), read as the automatic-station command reads
// them and carried on through the alignment of the 24 slots. Whatever the
// answer, the series keeps 24 slots and a record count the slots can hold.
#include "fuzzsupport.h"

#include "ema/opendatareader.h"
#include "ema/opendataseries.h"
#include "session/sessionstate.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brisalta;
    if (size == 0) {
        return 0;
    }
    SessionState session;
    if (data[0] % 2 == 0) {
        ReadOpenDataAnswer(session, fuzz::writeInput("webAemet.tmp", data + 1, size - 1), false);
        return 0;
    }
    session.selection.timeOffsetHours = static_cast<int>(data[0] % 25) - 12;
    ReadOpenDataRecords(session, fuzz::writeInput("webOpenData.tmp", data + 1, size - 1), false,
                        "ALICANTE");
    if (session.graph.emaSlotCount < 0 || session.graph.emaSlotCount > kSlots) {
        std::abort();
    }
    finishOpenDataSeries(session);
    return 0;
}
