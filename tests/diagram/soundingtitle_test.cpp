// The title line of the sounding diagram for every source, and a month that
// no month table holds.
#include "diagram/soundingtitle.h"

#include "text/codepage.h"

#include <gtest/gtest.h>

namespace brisalta {
namespace {

SessionState dated(const char* day, const char* month, const char* year, const char* hour) {
    SessionState s;
    s.selection.soundingDay = day;
    s.selection.soundingMonth = month;
    s.selection.soundingYear = year;
    s.selection.soundingHour = hour;
    s.selection.soundingStationName = text::cp1252("A Coruña (España)");
    s.sounding.forecastTitle = "08001 LECO La Coruna";
    s.sounding.title =
        "Sondeo previsto para las 12 hrs UTC del dia 7 del 3 de 2020. Coordenadas 40.42N 3.70W";
    return s;
}

// Purpose: each source names the station its own way.
TEST(SoundingTitle, NamesTheStationBySource) {
    struct Case {
        int fromCatalogue;
        int secondService;
        int forecast;
        const char* month;
        const char* title;
    };
    const Case cases[] = {
        {1, 0, 0, "7", "Sondeo de A Coruña (España) a las 12 horas UTC del día 7 de Julio de 2024"},
        {1, 1, 0, "12",
         "Sondeo de A Coruña (España) a las 12 horas UTC del día 7 de Diciembre de 2024"},
        {0, 0, 0, "1", "Sondeo 08001 LECO La Coruna a las 12 horas UTC del día 7 de Enero de 2024"},
        {0, 1, 0, "9",
         "Sondeo A Coruña (España) a las 12 horas UTC del día 7 de Septiembre de 2024"},
        {0, 0, 1, "7",
         "Sondeo previsto para las 12 hrs UTC del dia 7 del 3 de 2020. Coordenadas 40.42N 3.70W"},
        {1, 1, 1, "0",
         "Sondeo previsto para las 12 hrs UTC del dia 7 del 3 de 2020. Coordenadas 40.42N 3.70W"},
    };
    for (const Case& c : cases) {
        SessionState s = dated("7", c.month, "2024", "12");
        s.selection.soundingFromCatalogue = c.fromCatalogue;
        s.sounding.fromSecondService = c.secondService;
        s.sounding.isForecast = c.forecast;
        EXPECT_EQ(text::toUtf8(soundingTitle(s)), c.title);
    }
}

// Purpose: a month outside 1…12 (a hand-edited document) never reads past the
// month names; the title shows what was stored.
TEST(SoundingTitle, MonthOutsideTheYearIsWrittenAsGiven) {
    for (const char* month : {"0", "13", "-1", "99999999999", "", "mayo"}) {
        SessionState s = dated("7", month, "2024", "00");
        s.selection.soundingFromCatalogue = true;
        EXPECT_EQ(text::toUtf8(soundingTitle(s)),
                  std::string("Sondeo de A Coruña (España) a las 00 horas UTC del día 7 de ") +
                      month + " de 2024");
    }
    EXPECT_EQ(monthName(0), nullptr);
    EXPECT_STREQ(monthName(5), "Mayo");
    EXPECT_EQ(monthName(13), nullptr);
}

} // namespace
} // namespace brisalta
