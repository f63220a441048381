// The request lines sent to today's services: the shapes their own clients
// send, from the default or a configured base address.
#include "sources/requestaddresses.h"

#include "sources/utctime.h"

#include <gtest/gtest.h>

#include <string>

namespace brisalta::sources {
namespace {

std::int64_t at(int y, int mo, int d, int h, int mi) {
    return *utcSecondsOf(y, mo, d, h, mi);
}

// What the download layer will ask for, byte for byte.
TEST(RequestAddresses, MatchTheServicesRequestLines) {
    const UtcWindow window = lastHoursWindow(at(2025, 11, 13, 14, 7));
    struct Case {
        std::string address;
        std::string expected;
    };
    const Case cases[] = {
        {awcMetarAddress(kAwcBase, "LEMD"),
         "https://aviationweather.gov/api/data/metar?ids=LEMD&format=json&hours=24"},
        {awcMetarAddress("http://127.0.0.1:8080/", "LEAL", 6),
         "http://127.0.0.1:8080/api/data/metar?ids=LEAL&format=json&hours=6"},
        {iemAsosAddress(kIemBase, "LEMD", window),
         "https://mesonet.agron.iastate.edu/cgi-bin/request/asos.py?station=LEMD&data=metar"
         "&tz=Etc%2FUTC&format=onlycomma&latlon=no&elev=yes&missing=M&trace=T&direct=no"
         "&report_type=3&report_type=4&sts=2025-11-12T14:00Z&ets=2025-11-13T15:00Z"},
        {wyomingSoundingAddress(kWyomingBase, "08430", 2020, 12, 7, 12),
         "https://weather.uwyo.edu/wsgi/sounding?datetime=2020-12-07%2012:00:00&id=08430"
         "&type=TEXT:CSV"},
        {wyomingSoundingAddress("http://weather.uwyo.edu", "OUN", 1999, 5, 4, 0),
         "http://weather.uwyo.edu/wsgi/sounding?datetime=1999-05-04%2000:00:00&id=OUN"
         "&type=TEXT:CSV"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.address, c.expected);
    }
}

// A code typed by hand goes into the query as a value and can never add a
// parameter or change the path.
TEST(RequestAddresses, TypedCodesCannotChangeTheQuery) {
    EXPECT_EQ(awcMetarAddress(kAwcBase, "LE&M D"),
              "https://aviationweather.gov/api/data/metar?ids=LE%26M%20D&format=json&hours=24");
    EXPECT_EQ(wyomingSoundingAddress(kWyomingBase, "08/430?x", 2020, 1, 2, 0),
              "https://weather.uwyo.edu/wsgi/sounding?datetime=2020-01-02%2000:00:00"
              "&id=08%2F430%3Fx&type=TEXT:CSV");
    EXPECT_EQ(iemAsosAddress(kIemBase, "\xD1", {0, 3600}).find("station=%D1&"),
              std::string("https://mesonet.agron.iastate.edu/cgi-bin/request/asos.py?").size());
}

// The archive window reaches back over every hour the graph can show.
TEST(RequestAddresses, WindowCoversTheGraphsHours) {
    struct Case {
        std::int64_t now;
        std::int64_t start;
        std::int64_t end;
    };
    const Case cases[] = {
        {at(2025, 7, 29, 12, 30), at(2025, 7, 28, 12, 0), at(2025, 7, 29, 13, 0)},
        {at(2025, 1, 1, 0, 0), at(2024, 12, 31, 0, 0), at(2025, 1, 1, 1, 0)},
        {at(2024, 3, 1, 23, 59), at(2024, 2, 29, 23, 0), at(2024, 3, 2, 0, 0)},
    };
    for (const Case& c : cases) {
        const UtcWindow w = lastHoursWindow(c.now);
        EXPECT_EQ(w.start, c.start);
        EXPECT_EQ(w.end, c.end);
    }
}

} // namespace
} // namespace brisalta::sources
