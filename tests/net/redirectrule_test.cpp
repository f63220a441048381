// The redirect rule of today's services: where a redirect points, and which
// targets the program follows.
#include "net/redirectrule.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace brisalta {
namespace {

TEST(RedirectRule, ResolvesTheTargetAgainstTheAddressAsked) {
    const std::string asked = "http://weather.uwyo.edu/wsgi/sounding?datetime=x&id=OUN";
    struct Case {
        const char* location;
        std::optional<std::string> target;
    };
    const Case cases[] = {
        {"https://weather.arcc.uwyo.edu/wsgi/sounding?id=OUN",
         "https://weather.arcc.uwyo.edu/wsgi/sounding?id=OUN"},
        {"//weather.arcc.uwyo.edu/wsgi/x", "http://weather.arcc.uwyo.edu/wsgi/x"},
        {"/wsgi/otro?id=1", "http://weather.uwyo.edu/wsgi/otro?id=1"},
        {"otro?id=1", "http://weather.uwyo.edu/wsgi/otro?id=1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(redirectTarget(asked, c.location), c.target) << c.location;
    }
    EXPECT_EQ(redirectTarget("http://127.0.0.1:8080/a/b", "/c"), "http://127.0.0.1:8080/c");
    EXPECT_EQ(redirectTarget("no es una dirección", "/c"), std::nullopt);
}

TEST(RedirectRule, FollowsOnlyHttpsWithinTheService) {
    struct Case {
        const char* from;
        const char* to;
        bool allowed;
    };
    const Case cases[] = {
        // The service's other host, over HTTPS: the real 2026 redirect.
        {"http://weather.uwyo.edu/wsgi/sounding?id=OUN",
         "https://weather.arcc.uwyo.edu/wsgi/sounding?id=OUN", true},
        {"https://weather.uwyo.edu/a", "https://weather.uwyo.edu/b", true},
        {"https://weather.uwyo.edu/a", "https://WEATHER.UWYO.EDU:8443/b", true},
        {"https://weather.uwyo.edu/a", "https://uwyo.edu/b", true},
        {"https://aviationweather.gov/api", "https://www.aviationweather.gov/api", true},
        {"https://mesonet.agron.iastate.edu/cgi-bin/x", "https://mesonet2.agron.iastate.edu/x",
         true},
        // Never away from HTTPS, never to another service.
        {"https://weather.uwyo.edu/a", "http://weather.arcc.uwyo.edu/b", false},
        {"http://weather.uwyo.edu/a", "http://weather.uwyo.edu/b", false},
        {"https://weather.uwyo.edu/a", "https://example.com/b", false},
        {"https://weather.uwyo.edu/a", "https://uwyo.edu.example.com/b", false},
        {"https://weather.uwyo.edu/a", "https://notuwyo.edu/b", false},
        {"https://mesonet.agron.iastate.edu/x", "https://evil.iastate.edu/x", false},
        {"https://aviationweather.gov/api", "https://aviationweather.gov.example/api", false},
        {"https://weather.uwyo.edu/a", "ftp://weather.uwyo.edu/b", false},
        {"https://weather.uwyo.edu/a", "https://user@weather.uwyo.edu/b", false},
        // An address by number is only itself.
        {"http://127.0.0.1:8080/a", "https://127.0.0.1:8443/a", true},
        {"http://127.0.0.1:8080/a", "https://127.0.0.2/a", false},
        {"http://10.0.0.1/a", "https://0.1/a", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(redirectAllowed(c.from, c.to), c.allowed) << c.from << " -> " << c.to;
    }
}

} // namespace
} // namespace brisalta
