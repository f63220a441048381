// Splitting addresses: what the HTTP procedure accepts and what it refuses.
#include "net/urlparts.h"

#include <gtest/gtest.h>

namespace brisalta {
namespace {

TEST(UrlParts, SplitsServerPortAndObject) {
    struct Case {
        const char* url;
        const char* scheme;
        const char* host;
        int port;
        const char* object;
    };
    const Case cases[] = {
        {"http://weather.uwyo.edu/cgi-bin/sounding?region=europe&TYPE=TEXT:LIST", "http",
         "weather.uwyo.edu", 80, "/cgi-bin/sounding?region=europe&TYPE=TEXT:LIST"},
        {"https://aviationweather.gov/adds/metars?station_ids=LEMD", "https", "aviationweather.gov",
         443, "/adds/metars?station_ids=LEMD"},
        {"ftp://tgftp.nws.noaa.gov", "ftp", "tgftp.nws.noaa.gov", 21, "/"},
        {"HTTP://127.0.0.1:8080?x=1", "http", "127.0.0.1", 8080, "/?x=1"},
        {"http://[::1]:8080/a", "http", "[::1]", 8080, "/a"},
    };
    for (const Case& c : cases) {
        const auto parts = splitUrl(c.url);
        ASSERT_TRUE(parts) << c.url;
        EXPECT_EQ(parts->scheme, c.scheme) << c.url;
        EXPECT_EQ(parts->host, c.host) << c.url;
        EXPECT_EQ(parts->port, c.port) << c.url;
        EXPECT_EQ(parts->object, c.object) << c.url;
    }
}

TEST(UrlParts, RefusesAddressesItCannotSplit) {
    for (const char* url :
         {"", "weather.uwyo.edu/cgi-bin", "mailto:a@b.c", "gopher://host/", "http://", "http:///x",
          "http://host:0/", "http://host:65536/", "http://host:8o/", "http://user@host/",
          "http://weather uwyo.edu/", "http://host/a\r\nb", "http://[::1/"}) {
        EXPECT_FALSE(splitUrl(url)) << url;
    }
}

} // namespace
} // namespace brisalta
