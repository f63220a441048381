// Fuzz target: the files read from the settings folder: "meteo.ini", the
// automatic-station list and both OpenData answers; the first byte picks which.
#include "fuzzsupport.h"

#include "catalogues/emalist.h"
#include "ema/opendatareader.h"
#include "ema/opendataseries.h"
#include "session/sessionstate.h"
#include "settings/meteoini.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brisalta;
    if (size == 0) {
        return 0;
    }
    SessionState session;
    switch (data[0] % 4) {
    case 0:
        loadSettings(session, fuzz::writeInput("meteo.ini", data + 1, size - 1));
        break;
    case 1:
        LoadEmaList(session, fuzz::writeInput("lista.ema", data + 1, size - 1));
        break;
    case 2:
        ReadOpenDataAnswer(session, fuzz::writeInput("webAemet.tmp", data + 1, size - 1), false);
        break;
    default:
        ReadOpenDataRecords(session, fuzz::writeInput("webOpenData.tmp", data + 1, size - 1), false,
                            "ALICANTE");
        finishOpenDataSeries(session);
        break;
    }
    return 0;
}
