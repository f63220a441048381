// Address splitting.
#include "net/urlparts.h"

#include <charconv>

namespace brisalta {
namespace {

std::string lowerAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

int defaultPort(std::string_view scheme) {
    if (scheme == "http")
        return 80;
    if (scheme == "https")
        return 443;
    if (scheme == "ftp")
        return 21;
    return 0;
}

} // namespace

std::optional<UrlParts> splitUrl(std::string_view url) {
    for (const char c : url) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == 0x7F) {
            return std::nullopt;
        }
    }
    const std::size_t separator = url.find("://");
    if (separator == std::string_view::npos) {
        return std::nullopt;
    }
    UrlParts parts;
    parts.scheme = lowerAscii(url.substr(0, separator));
    parts.port = defaultPort(parts.scheme);
    if (parts.port == 0) {
        return std::nullopt;
    }
    std::string_view rest = url.substr(separator + 3);
    const std::size_t objectStart = rest.find_first_of("/?");
    std::string_view authority = rest.substr(0, objectStart);
    if (objectStart == std::string_view::npos) {
        parts.object = "/";
    } else {
        parts.object = std::string(rest.substr(objectStart));
        if (parts.object[0] == '?') {
            parts.object.insert(0, "/");
        }
    }
    if (authority.find('@') != std::string_view::npos) {
        return std::nullopt;
    }
    // An IPv6 literal ("[::1]:8080") keeps its colons inside the brackets.
    std::size_t portSearch = 0;
    if (!authority.empty() && authority[0] == '[') {
        portSearch = authority.find(']');
        if (portSearch == std::string_view::npos) {
            return std::nullopt;
        }
    }
    if (const std::size_t colon = authority.find(':', portSearch);
        colon != std::string_view::npos) {
        const std::string_view digits = authority.substr(colon + 1);
        int port = 0;
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), port);
        if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size() ||
            port < 1 || port > 65535) {
            return std::nullopt;
        }
        parts.port = port;
        parts.explicitPort = true;
        authority = authority.substr(0, colon);
    }
    if (authority.empty()) {
        return std::nullopt;
    }
    parts.host = std::string(authority);
    return parts;
}

} // namespace brisalta
