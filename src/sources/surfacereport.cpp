// Helpers shared by the readers of the surface services.
#include "sources/surfacereport.h"

#include "sources/delimitedtext.h"
#include "weather/derived.h"

namespace brisalta::sources {

std::string withoutReportType(std::string_view raw, bool& speci) {
    std::string_view text = trimmed(raw);
    speci = false;
    for (const std::string_view word : {std::string_view("METAR"), std::string_view("SPECI")}) {
        // The word alone, or followed by a blank: "METARIO" is not the word.
        if (text.starts_with(word) &&
            (text.size() == word.size() || text[word.size()] == ' ' || text[word.size()] == '\t')) {
            speci = word == "SPECI";
            text = trimmed(text.substr(word.size()));
            break;
        }
    }
    return std::string(text);
}

std::optional<int> plausibleElevation(double metres) {
    if (!(metres >= -500.0 && metres <= 9000.0)) {
        return std::nullopt;
    }
    return static_cast<int>(roundToDecimals(metres, 0));
}

} // namespace brisalta::sources
