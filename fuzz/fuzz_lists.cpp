// Fuzz target: the list files the program reads at start-up: the automatic-
// station list "lista.ema" and the link and favourite lists (the first byte
// picks which). The station list never counts more stations than it holds, and
// a list file read back from what was written never grows.
#include "fuzzsupport.h"

#include "catalogues/emalist.h"
#include "session/sessionstate.h"
#include "settings/listfile.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brisalta;
    if (size == 0) {
        return 0;
    }
    if (data[0] % 3 == 0) {
        SessionState session;
        LoadEmaList(session, fuzz::writeInput("lista.ema", data + 1, size - 1));
        if (session.emaList.count < 0 ||
            static_cast<std::size_t>(session.emaList.count) > session.emaList.records.size()) {
            std::abort();
        }
        return 0;
    }
    const ListFileFormat& format = data[0] % 3 == 1 ? kLinksFormat : kFavouritesFormat;
    const auto read = readListFile(fuzz::writeInput("Brisanet.ini", data + 1, size - 1), format);
    if (!read) {
        return 0;
    }
    if (read->size() > format.pairs ||
        parseListFile(formatListFile(*read), format).size() > read->size()) {
        std::abort();
    }
    return 0;
}
