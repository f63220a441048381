// What a failed libcurl transfer was, in the user's words: one short Spanish
// sentence per kind of failure (no server, refused, no answer, too slow, too
// long, not secure, cut, too large, cancelled...). curl's own English text
// never reaches the user; it goes to the debug log.
#pragma once

#include "ports/transport.h"

#include <curl/curl.h>

#include <chrono>
#include <cstdint>
#include <string>

namespace brisalta::curlfailure {

// What the transfer knew when it ended, besides curl's code.
struct Circumstances {
    std::string host;       // the server's name, as the user's settings give it
    bool connected = false; // a connection had been made
    bool tooLarge = false;  // the answer passed maxBytes
    bool cancelled = false; // the cancel flag was raised
    bool overTime = false;  // the whole-document time limit was reached
    std::chrono::milliseconds timeLimit{0};
    std::uint64_t maxBytes = 0;
};

// The failure kind and the Spanish sentence (UTF-8) of a transfer that ended
// with `code` (not CURLE_OK).
TransferResult describe(CURLcode code, const Circumstances& circumstances);

} // namespace brisalta::curlfailure
