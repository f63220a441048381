// Fuzz target: the answers of today's services (the data API's JSON, the
// mesonet's ASOS table, the new sounding interface's CSV); the first byte
// picks which. The surface answers go on through the slot builder, so every
// report the readers accept is also decoded.
#include "session/sessionstate.h"
#include "sources/awcmetaranswer.h"
#include "sources/iemasosanswer.h"
#include "sources/reportslots.h"
#include "sources/wyomingcsv.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brisalta;
    if (size == 0) {
        return 0;
    }
    const std::string_view body(reinterpret_cast<const char*>(data + 1), size - 1);
    switch (data[0] % 3) {
    case 0: {
        const sources::ReportList list = sources::readAwcMetarAnswer(body);
        sources::buildReportSlots(list.reports, {"LEMD", 1, ""}, GraphSeries{});
        break;
    }
    case 1: {
        const sources::ReportList list = sources::readIemAsosAnswer(body);
        sources::buildReportSlots(list.reports, {"LEMD", -5, ""}, GraphSeries{});
        break;
    }
    default:
        sources::readWyomingCsv(body);
        break;
    }
    return 0;
}
