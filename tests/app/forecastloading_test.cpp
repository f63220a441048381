// Reading a forecast listing into the session: the rows, titles and date of a
// listing the user chose, the flags of a listing outside the limits, and the
// messages of a listing without a table.
#include "app/soundingloading.h"

#include "session/sessionstate.h"
#include "sounding/forecastsounding.h"
#include "support/scriptedui.h"
#include "support/testplaces.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

namespace brisalta {
namespace {

std::filesystem::path fixture(const char* name) { return test::dataPath() / "sounding" / name; }

const std::string kTableHead = " PRESS HGT(MSL) TEMP DEW PT  WND DIR  WND SPD\n"
                               " HPA       M      C     C       DEG     M/S\n"
                               " E = Estimated Surface Height\n\n";

// A listing with the given place line, date line, table rows and humidity list.
std::string listing(const std::string& place, const std::string& rows,
                    const std::string& humidity = " Relative Humidity\n PRESS RH\n 900. 50.\n 850. 40.\n 800. 30.\n",
                    const std::string& date = " YEAR: 2020 MONTH: 3 DAY: 7 HOUR: 12\n") {
    return " READY sounding\n" + place + date + kTableHead + rows + "\n" + humidity;
}

const std::string kThreeRows = "  900.   1000.   15.0    5.0   270.0    10.0\n"
                               "  850.   1500.   10.0    0.0   280.0    12.0\n"
                               "  800.   2000.    5.0   -5.0   290.0    14.0\n"
                               "  750.   2500.\n"; // a short line ends the table

struct Fixture {
    test::ScratchPlaces places;
    test::ScriptedUi ui;
    SessionState session;

    void read(const std::filesystem::path& path) { loadForecastSounding(session, ui, path); }
    void read(const std::string& content) {
        const auto path = places.currentFolder() / "prevision.txt";
        test::writeFile(path, content);
        read(path);
    }
};

TEST(LoadForecastSounding, GfsListingInCoordinatesModeIsShown) {
    Fixture f;
    f.read(fixture("ready_gfs_coordinates.txt"));
    const SoundingProfile& s = f.session.sounding;
    // 1000 hPa up to the 50 hPa row.
    ASSERT_EQ(s.count, 23);
    EXPECT_EQ(s.levels[0], (SoundingRow{1000.0f, 31.0f, 27.5f, 23.0f, 77.0f, 112.5f,
                                        static_cast<float>(5.6f * 3.6)}));
    EXPECT_EQ(s.levels[22][kPressure], 50.0f);
    EXPECT_TRUE(s.isForecast);
    EXPECT_TRUE(s.rowsAllocated);
    EXPECT_FALSE(s.partialFirstRow);
    EXPECT_TRUE(f.session.view.soundingShown);
    EXPECT_TRUE(f.session.view.soundingAvailable);
    EXPECT_EQ(s.title, "Sondeo previsto para las 12 hrs UTC del dia 7 del 3 de 2020. "
                       "Coordenadas 40.42N 3.70W");
    EXPECT_EQ(s.forecastTitle, "Sondeo previsto 12hrs_Dia7-3-2020_40.42N_3.70W");
    EXPECT_EQ(f.session.selection.soundingDay, "7");
    EXPECT_EQ(f.session.selection.soundingMonth, "3");
    EXPECT_EQ(f.session.selection.soundingYear, "2020");
    EXPECT_EQ(f.session.selection.soundingHour, "12");
    EXPECT_TRUE(f.ui.messages.empty());
    // The file is the user's: it stays.
    EXPECT_TRUE(std::filesystem::exists(fixture("ready_gfs_coordinates.txt")));
}

TEST(LoadForecastSounding, GdasListingInStationModeIsShown) {
    Fixture f;
    f.read(fixture("ready_gdas_station.txt"));
    const SoundingProfile& s = f.session.sounding;
    // 860 hPa (after the padded 862 hPa surface row) up to the 55 hPa row.
    ASSERT_EQ(s.count, 45);
    EXPECT_TRUE(s.partialFirstRow);
    EXPECT_EQ(s.levels[0], (SoundingRow{860.0f, 1397.0f, 18.1f, -10.1f, 14.0f, 83.9f,
                                        static_cast<float>(4.5f * 3.6)}));
    EXPECT_EQ(s.levels[44][kPressure], 55.0f);
    EXPECT_TRUE(f.session.view.soundingShown);
    EXPECT_EQ(text::toUtf8(s.title), "Sondeo previsto para las 18 hrs UTC del dia 21 del 6 de "
                                     "2015. Estación: LEMD Madrid Barajas");
    EXPECT_EQ(s.forecastTitle, "Sondeo previsto 18hrs_Dia21-6-2015_LEMD Madrid Barajas");
}

// Purpose: the failure outcomes of a forecast listing and their messages.
TEST(LoadForecastSounding, ListingWithoutTableIsReported) {
    struct Case {
        std::string content;
        const char* message;
    };
    const Case cases[] = {
        {"Not a sounding\n", "El sondeo elegido no contiene datos válidos."},
        {"", "El sondeo elegido no contiene datos válidos."},
        {listing(" Sounding for lat-lon: 1, 2\n", "  900.   1000.\n"),
         "El sondeo seleccionado no dispone de suficientes datos."},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.session.view.soundingShown = true;
        f.session.view.soundingAvailable = true;
        f.session.sounding.rowsAllocated = true;
        f.read(c.content);
        EXPECT_FALSE(f.session.view.soundingShown);
        EXPECT_FALSE(f.session.view.soundingAvailable);
        EXPECT_FALSE(f.session.sounding.rowsAllocated);
        EXPECT_EQ(f.session.sounding.count, 0);
        EXPECT_FALSE(f.session.sounding.isForecast);
        EXPECT_EQ(f.ui.messageTexts(), std::vector<std::string>{c.message});
    }
}

TEST(LoadForecastSounding, UnreadableFileLeavesTheProfileEmptyAndSaysNothing) {
    Fixture f;
    f.session.sounding.rowsAllocated = true;
    f.session.sounding.count = 3;
    f.read(f.places.currentFolder() / "no-such-file.txt");
    EXPECT_EQ(f.session.sounding.count, 0);
    EXPECT_FALSE(f.session.sounding.rowsAllocated);
    EXPECT_TRUE(f.ui.messages.empty());
}

TEST(LoadForecastSounding, RowOutsideTheLimitsHidesTheSoundingAndKeepsTheOldTitles) {
    Fixture f;
    f.session.sounding.title = "anterior";
    f.session.selection.soundingDay = "1";
    const std::string rows = "  900.   1000.   15.0    5.0   400.0    10.0\n"
                             "  850.   1500.   10.0    0.0   280.0    12.0\n"
                             "  800.   2000.    5.0   -5.0   290.0    14.0\n"
                             "  750.   2500.\n";
    f.read(listing(" Sounding for lat-lon: 1, 2\n", rows));
    EXPECT_EQ(f.session.sounding.count, 3);
    EXPECT_TRUE(f.session.sounding.rowsAllocated);
    EXPECT_TRUE(f.session.sounding.isForecast);
    EXPECT_FALSE(f.session.view.soundingShown);
    EXPECT_FALSE(f.session.view.soundingAvailable);
    EXPECT_EQ(f.session.sounding.title, "anterior");
    EXPECT_EQ(f.session.selection.soundingDay, "1");
}

TEST(LoadForecastSounding, LastRowIsNotChecked) {
    Fixture f;
    const std::string rows = "  900.   1000.   15.0    5.0   270.0    10.0\n"
                             "  850.   1500.   10.0    0.0   280.0    12.0\n"
                             "  800.   2000.    5.0   -5.0   -84.9    14.0\n"
                             "  750.   2500.\n";
    f.read(listing(" Sounding for lat-lon: 1, 2\n", rows));
    EXPECT_TRUE(f.session.view.soundingShown);
}

} // namespace
} // namespace brisalta
