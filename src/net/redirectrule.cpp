// The redirect rule of today's services.
#include "net/redirectrule.h"

#include "net/urlparts.h"

#include <algorithm>

namespace brisalta {
namespace {

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return out;
}

// Dotted digits, or a bracketed IPv6 address: an address, not a name.
bool isNumericHost(std::string_view host) {
    if (!host.empty() && host.front() == '[') {
        return true;
    }
    return std::all_of(host.begin(), host.end(),
                       [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
}

// The part of a host name every host of the service shares.
std::string serviceDomain(const std::string& host) {
    const auto dots = std::count(host.begin(), host.end(), '.');
    return dots >= 2 ? host.substr(host.find('.') + 1) : host;
}

std::string origin(const UrlParts& parts) {
    std::string out = parts.scheme + "://" + parts.host;
    if (parts.explicitPort) {
        out += ":" + std::to_string(parts.port);
    }
    return out;
}

} // namespace

std::optional<std::string> redirectTarget(std::string_view from, std::string_view location) {
    const auto base = splitUrl(from);
    if (!base) {
        return std::nullopt;
    }
    if (location.find("://") != std::string_view::npos) {
        return std::string(location);
    }
    if (location.starts_with("//")) {
        return base->scheme + ":" + std::string(location);
    }
    if (location.starts_with("/")) {
        return origin(*base) + std::string(location);
    }
    // Relative to the folder of the address asked.
    std::string path = base->object.substr(0, base->object.find('?'));
    path = path.substr(0, path.rfind('/') + 1);
    return origin(*base) + path + std::string(location);
}

bool redirectAllowed(std::string_view from, std::string_view to) {
    const auto source = splitUrl(from);
    const auto target = splitUrl(to);
    if (!source || !target || target->scheme != "https") {
        return false;
    }
    const std::string asked = lowerAscii(source->host);
    const std::string host = lowerAscii(target->host);
    if (host == asked) {
        return true;
    }
    if (isNumericHost(asked) || isNumericHost(host)) {
        return false;
    }
    const std::string domain = serviceDomain(asked);
    return host == domain || (host.size() > domain.size() && host.ends_with(domain) &&
                              host[host.size() - domain.size() - 1] == '.');
}

} // namespace brisalta
