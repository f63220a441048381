// Fuzz target: the files read from the settings folder: "meteo.ini", the
// automatic-station list, both OpenData answers and the two list files; the
// first byte picks which.
#include "fuzzsupport.h"

#include "catalogues/emalist.h"
#include "ema/opendatareader.h"
#include "ema/opendataseries.h"
#include "session/sessionstate.h"
#include "settings/listfile.h"
#include "settings/meteoini.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brisalta;
    if (size == 0) {
        return 0;
    }
    SessionState session;
    switch (data[0] % 8) {
    case 0:
        loadSettings(session, fuzz::writeInput("meteo.ini", data + 1, size - 1));
        break;
    case 1:
        LoadEmaList(session, fuzz::writeInput("lista.ema", data + 1, size - 1));
        break;
    case 2:
        ReadOpenDataAnswer(session, fuzz::writeInput("webAemet.tmp", data + 1, size - 1), false);
        break;
    case 4:
    case 5: {
        const ListFileFormat& format = data[0] % 8 == 4 ? kLinksFormat : kFavouritesFormat;
        const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
        const auto entries = parseListFile(bytes, format);
        // Whatever was read is written back as whole pairs, never more of them.
        if (entries.size() > format.pairs ||
            parseListFile(formatListFile(entries), format).size() > entries.size()) {
            std::abort();
        }
        break;
    }
    case 6: {
        // Every value comes back from its token, and no token splits in two.
        const std::string value(reinterpret_cast<const char*>(data + 1), size - 1);
        const std::string token = encodeSettingsToken(value);
        if (decodeSettingsToken(token) != value ||
            token.find_first_of(" \t\n\r\v\f") != std::string::npos || token.empty()) {
            std::abort();
        }
        break;
    }
    default:
        ReadOpenDataRecords(session, fuzz::writeInput("webOpenData.tmp", data + 1, size - 1), false,
                            "ALICANTE");
        finishOpenDataSeries(session);
        break;
    }
    return 0;
}
