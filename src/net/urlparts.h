// Splitting an absolute address into service type, server, port and object.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brisalta {

struct UrlParts {
    std::string scheme; // "http", "https" or "ftp", lower case
    std::string host;   // server name as written, without the port
    int port = 0;       // the port written, else the scheme's default (80, 443, 21)
    bool explicitPort = false;
    std::string object; // path with its query, starting with "/" ("/" when absent)
};

// Splits "scheme://host[:port][/path][?query]". Nothing for another scheme, a
// missing server name, a port that is not 1..65535, user information
// ("user@host") or blanks and control characters anywhere in the address.
std::optional<UrlParts> splitUrl(std::string_view url);

} // namespace brisalta
