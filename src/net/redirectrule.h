// Where the download layer may follow a redirect of one of today's services:
// only over HTTPS, and only to the service that was asked.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brisalta {

// The absolute address a redirect points to: `location` itself when it is
// absolute ("https://..."), else resolved against `from`: "//host/path" takes
// the scheme of `from`, "/path" its scheme, host and port, and any other text
// replaces the last segment of its path. Nothing when `from` cannot be split.
std::optional<std::string> redirectTarget(std::string_view from, std::string_view location);

// True when `to` may be followed from `from`: `to` is an https:// address and
// its host is the host of `from` or a host of the same service domain, that
// is, the host of `from` without its first label when it has three labels or
// more ("weather.uwyo.edu" -> "uwyo.edu", so "weather.arcc.uwyo.edu" is the
// same service and "uwyo.edu.example" is not). Host names compare without
// regard to case; an address given by number matches only itself; the port
// may change.
bool redirectAllowed(std::string_view from, std::string_view to);

} // namespace brisalta
