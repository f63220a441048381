// Fuzz target: the NOAA current-conditions page, the METAR query page, the
// per-station METAR file and the Banyeres table; the first byte picks which.
#include "fuzzsupport.h"

#include "session/sessionstate.h"
#include "surface/banyeresfile.h"
#include "surface/currentconditionspage.h"
#include "surface/latestreport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brisalta;
    if (size == 0) {
        return 0;
    }
    SessionState session;
    session.downloadOk = true;
    session.selection.icao = "LEMD";
    fuzz::SilentUi ui;
    switch (data[0] % 4) {
    case 0:
        readCurrentConditionsPage(session, ui, fuzz::writeInput("temp.htm", data + 1, size - 1));
        break;
    case 1:
        readQueryPage(session, fuzz::writeInput("addsmetar.tmp", data + 1, size - 1));
        break;
    case 2:
        session.stationFileFetched = true;
        readStationFile(session, fuzz::writeInput("tempMet.txt", data + 1, size - 1));
        break;
    default:
        readBanyeresFile(session, ui, fuzz::writeInput("datosBanyeres.tmp", data + 1, size - 1));
        break;
    }
    return 0;
}
