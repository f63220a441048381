// Fuzz target: the text-list sounding page, the second service's page and the
// forecast listing; the first byte picks which. The readers take the bytes in
// memory, read in text mode as the program opens these files.
#include "sounding/forecastsounding.h"
#include "sounding/observedsounding.h"
#include "text/streamreader.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brisalta;
    if (size == 0) {
        return 0;
    }
    text::StreamReader page(std::string(reinterpret_cast<const char*>(data + 1), size - 1),
                            text::StreamReader::Mode::Text);
    switch (data[0] % 3) {
    case 0:
        readTextListSounding(page);
        break;
    case 1:
        readSecondServiceSounding(page);
        break;
    default:
        forecastTitles(parseForecastListing(page));
        break;
    }
    return 0;
}
