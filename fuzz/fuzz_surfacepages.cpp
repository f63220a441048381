// Fuzz target: the NOAA current-conditions page, the METAR query page, the
// per-station METAR file and the Banyeres table; the first byte picks which.
// The readers take the bytes in memory, read as the program opens each file.
#include "session/records.h"
#include "surface/banyeresfile.h"
#include "surface/currentconditionspage.h"
#include "surface/latestreport.h"
#include "text/streamreader.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brisalta;
    using Mode = text::StreamReader::Mode;
    if (size == 0) {
        return 0;
    }
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    GraphSeries graph;
    switch (data[0] % 4) {
    case 0: {
        text::StreamReader page(bytes, Mode::Binary);
        readCurrentConditionsPage(page, graph, "LEMD", 0);
        break;
    }
    case 1: {
        text::StreamReader page(bytes, Mode::Binary);
        readQueryPage(page, graph, 0);
        break;
    }
    case 2: {
        startLatestReport(graph);
        text::StreamReader file(bytes, Mode::Text);
        readStationFile(file, graph);
        break;
    }
    default: {
        text::StreamReader file(bytes, Mode::Binary);
        readBanyeresFile(file, graph);
        break;
    }
    }
    return 0;
}
