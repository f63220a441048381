// The sounding commands on recorded answers: what the date dialog leaves in
// the selection, what a failed or rejected download keeps, the forecast
// import and its notice, and the ceiling request.
#include "app/soundingcommands.h"

#include "../sounding/soundingpages.h"
#include "adapters/replaynaming.h"
#include "adapters/replaytransport.h"
#include "support/scriptedui.h"
#include "support/testplaces.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

#include <deque>

namespace brisalta {
namespace {

using test::ScriptedUi;

// ScriptedUi that answers the sounding dialogs from queues (empty: cancelled).
class DialogUi : public ScriptedUi {
public:
    std::optional<SoundingDateAnswer> askSoundingDate(const std::string& stationText,
                                                      std::int64_t) override {
        stationTexts.push_back(text::toUtf8(stationText));
        return next(dates);
    }
    std::optional<std::string> askSoundingStationNumber() override { return next(numbers); }
    std::optional<CeilingInputs> askCeilingInputs() override { return next(ceilings); }
    std::optional<std::filesystem::path> chooseForecastFile() override { return next(files); }

    std::deque<SoundingDateAnswer> dates;
    std::deque<std::string> numbers;
    std::deque<CeilingInputs> ceilings;
    std::deque<std::filesystem::path> files;
    std::vector<std::string> stationTexts;

private:
    template <typename T> static std::optional<T> next(std::deque<T>& queue) {
        if (queue.empty()) {
            return std::nullopt;
        }
        T answer = queue.front();
        queue.pop_front();
        return answer;
    }
};

constexpr std::int64_t k7March2020Noon = 1583582400; // 2020-03-07 12:00 UTC
constexpr int kLisboa = 33099;

const char* const kLisboaAddress = "http://weather.uwyo.edu/cgi-bin/sounding?region=europe&TYPE="
                                   "TEXT:LIST&YEAR=2020&MONTH=3&FROM=712&TO=712&STNM=08579";

struct Fixture {
    test::ScratchPlaces places;
    test::FixedClock clock{1607342400};
    ServiceTable services;
    SessionState session;
    DialogUi ui;
    ReplayTransport transport{places.root() / "respuestas"};
    CommandContext context{session, ui, transport, places, clock, services};
    SoundingCommands commands{context};

    // These are the classic chain's commands; today's chain in front of it is
    // tested against a loopback server (tests/adapters/todaysservices_test.cpp).
    Fixture() {
        services.soundingChain = SourceChain::Classic;
        std::filesystem::create_directories(places.tempFolder());
    }

    void record(const std::string& url, const std::string& body) {
        test::writeFile(*replayPathForUrl(transport.folder(), url), body);
    }
    // Lisboa on the 7th of March 2020 at 12Z, answered with `page`.
    void showLisboa(const std::string& page) {
        record(kLisboaAddress, page);
        ui.dates.push_back({k7March2020Noon, 1});
        commands.pickStation(kLisboa);
    }
};

// The date dialog writes the query's texts without leading zeros and, for the
// second service, the local time of 00 or 13 hours as a 32-bit number.
TEST(SoundingDateDialog, FillsTheQueryFieldsOfTheSelection) {
    struct Case {
        const char* station;
        std::int64_t picked;
        int hourIndex;
        const char* day;
        const char* month;
        const char* year;
        const char* hour;
        int secondServiceDate;
        int fromSecondService;
    };
    const Case cases[] = {
        {"08430", k7March2020Noon, 1, "7", "3", "2020", "12", 1583586000, 1},
        {"08430", k7March2020Noon, 0, "7", "3", "2020", "00", 1583539200, 1},
        {"08383", 1609459199, 0, "31", "12", "2020", "00", 1609372800, 1}, // 31 Dec 23:59:59
        {"08579", k7March2020Noon, 1, "7", "3", "2020", "12", 1583586000, 0},
        {"0843", k7March2020Noon, 0, "7", "3", "2020", "00", 1583539200, 0},
        // Past 2038 the service's number wraps, as a 32-bit value does.
        {"08001", 2208988800 + 43200, 0, "1", "1", "2040", "00", -2085978496, 1},
    };
    for (const Case& c : cases) {
        SessionState s;
        test::FixedClock clock{0};
        s.selection.soundingStationId = c.station;
        openSoundingDateDialog(s, 1607342400);
        EXPECT_TRUE(s.retrieval.soundingDialogUsed);
        EXPECT_EQ(s.selection.soundingDate, 1607342400);
        selectSoundingHour(s.selection, c.hourIndex);
        confirmSoundingDate(s, clock, c.picked);
        SCOPED_TRACE(std::string(c.station) + " " + c.day + "/" + c.month + " " + c.hour);
        EXPECT_EQ(s.selection.soundingDay, c.day);
        EXPECT_EQ(s.selection.soundingMonth, c.month);
        EXPECT_EQ(s.selection.soundingYear, c.year);
        EXPECT_EQ(s.selection.soundingHour, c.hour);
        EXPECT_EQ(s.selection.soundingDate, c.picked);
        EXPECT_EQ(s.selection.soundingTimeFields.tm_min, 0);
        EXPECT_EQ(s.selection.soundingTimeFields.tm_isdst, 0);
        EXPECT_EQ(s.sounding.secondServiceDate, c.secondServiceDate);
        EXPECT_EQ(s.sounding.fromSecondService, c.fromSecondService);
    }
}

TEST(ShowSounding, ReadsTheRecordedPageAndClearsTheGraph) {
    Fixture f;
    f.session.view.graphShown = true;
    f.session.view.graphAvailable = true;
    // 1000 to 100 hPa: the table ends at its 100 hPa row.
    f.showLisboa(test::textListPage(test::textListRows(37), "08579 Lisboa"));
    EXPECT_EQ(f.ui.stationTexts, std::vector<std::string>{"Lisboa"});
    EXPECT_EQ(f.ui.messageTexts(), std::vector<std::string>{});
    EXPECT_TRUE(f.session.view.soundingShown);
    EXPECT_FALSE(f.session.view.graphShown);
    EXPECT_TRUE(f.session.view.commands.swapEnabled);
    EXPECT_EQ(f.session.sounding.count, 37);
    EXPECT_GE(f.ui.redraws, 1);
}

// A sounding that does not come leaves the one on screen with its own date
// in its title, never the date just asked for.
TEST(ShowSounding, FailedTransferKeepsTheSoundingOnScreenUnderItsOwnTitle) {
    Fixture f;
    f.showLisboa(test::textListPage(test::textListRows(37), "08579 Lisboa"));
    ASSERT_EQ(f.session.sounding.count, 37);
    const std::string title = f.session.view.pictures.sounding.diagramTitle;
    ASSERT_NE(text::toUtf8(title).find("del día 7 de Marzo de 2020"), std::string::npos);
    f.ui.dates.push_back({k7March2020Noon + 86400, 1}); // the 8th: nothing recorded
    f.commands.showSoundingDialog();
    EXPECT_EQ(f.ui.messageTexts(),
              (std::vector<std::string>{
                  "No hay ninguna respuesta grabada para esta consulta.",
                  "No se ha podido dibujar el sondeo de Lisboa (08579) del 8/3/2020 a las 12 UTC.\n"
                  "Sigue en pantalla el sondeo de Lisboa a las 12 horas UTC del día 7 de Marzo de "
                  "2020."}));
    EXPECT_TRUE(f.session.retrieval.downloadFailed);
    EXPECT_EQ(f.session.sounding.count, 37);
    EXPECT_TRUE(f.session.view.soundingShown);
    EXPECT_EQ(f.session.view.pictures.sounding.diagramTitle, title);
    EXPECT_EQ(f.session.selection.soundingDay, "8"); // what was asked stays asked
}

TEST(ShowSounding, RejectedPageKeepsWhatWasOnScreenWithoutReadingIt) {
    Fixture f;
    f.session.view.graphShown = true;
    f.session.view.graphAvailable = true;
    f.session.graph.title = "Madrid";
    f.showLisboa("<BODY BGCOLOR=white>\nCan't get 08579 Observations at 12Z 07 Mar 2020.\n");
    EXPECT_EQ(f.ui.messageTexts(),
              (std::vector<std::string>{
                  "No se puede encontrar dicha estación o no es válida la fecha o la hora.",
                  "No se ha podido dibujar el sondeo de Lisboa (08579) del 7/3/2020 a las 12 UTC.\n"
                  "Sigue en pantalla la gráfica de Madrid."}));
    EXPECT_FALSE(f.session.view.soundingShown);
    EXPECT_FALSE(f.session.view.soundingAvailable);
    EXPECT_TRUE(f.session.view.graphShown);
}

TEST(ShowSounding, TellsTheUserWhenALevelOutsideTheLimitsHidesTheSounding) {
    Fixture f;
    std::vector<std::string> rows = test::textListRows(37); // 1000 to 100 hPa
    rows[3] = test::textListRow(925.0, 800, 150.0, 10.0, 50, 90, 10); // 150 °C
    f.showLisboa(test::textListPage(rows, "08579 Lisboa"));
    EXPECT_EQ(f.ui.messageTexts(),
              (std::vector<std::string>{
                  "El sondeo elegido no contiene datos válidos",
                  "No se ha podido dibujar el sondeo de Lisboa (08579) del 7/3/2020 a las 12 UTC."}));
    EXPECT_FALSE(f.session.view.soundingShown);
    EXPECT_FALSE(f.session.view.soundingAvailable);
}

TEST(ManualSounding, CancelledDialogChangesNothing) {
    Fixture f;
    f.session.selection.soundingStationId = "08430";
    f.commands.manualSounding();
    EXPECT_EQ(f.session.selection.soundingStationId, "08430");
    EXPECT_TRUE(f.ui.stationTexts.empty());
    EXPECT_TRUE(f.ui.messages.empty());
}

TEST(CeilingCommand, StoresTheInputsAndForgetsThePreviousResult) {
    Fixture f;
    f.session.view.soundingShown = true;
    CeilingSimulation& c = f.session.ceiling;
    c.thermalTopFound = c.cloudBaseFound = c.sentenceDone = c.blueThermalDrawn = c.cloudBaseDrawn = true;
    c.cloudBaseX = 200;
    c.cloudBaseY = 300;
    f.ui.ceilings.push_back({33, 14});
    f.commands.ceiling();
    EXPECT_EQ(c.surfaceTemperature, 33);
    EXPECT_EQ(c.surfaceDewPoint, 14);
    EXPECT_TRUE(f.session.sounding.simulationRequested);
    EXPECT_EQ(c.thermalTopFound + c.cloudBaseFound + c.sentenceDone + c.blueThermalDrawn +
                  c.cloudBaseDrawn + c.cloudBaseX + c.cloudBaseY,
              0);
    EXPECT_EQ(f.ui.redraws, 1);

    // Cancelled: the request stands as it was.
    f.commands.ceiling();
    EXPECT_EQ(c.surfaceTemperature, 33);
    EXPECT_EQ(f.ui.redraws, 1);
}

TEST(ForecastCommand, CancelledFileDialogChangesNothing) {
    Fixture f;
    f.session.view.soundingShown = true;
    f.session.view.soundingAvailable = true;
    f.session.sounding.isForecast = true;
    f.commands.forecastSounding();
    EXPECT_TRUE(f.session.sounding.isForecast); // the forecast on screen is still one
    EXPECT_TRUE(f.session.view.soundingShown);
    EXPECT_TRUE(f.session.view.soundingAvailable);
    EXPECT_EQ(f.ui.redraws, 0);
}

TEST(ForecastCommand, ListingIsShownAfterTheNotice) {
    Fixture f;
    f.session.view.emaGraphShown = true;
    f.ui.files.push_back(test::dataPath() / "sounding" / "ready_gdas_station.txt");
    f.commands.forecastSounding();
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0].text, forecastNotice());
    EXPECT_EQ(f.ui.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(text::toUtf8(forecastNotice()),
              "Los datos que se van a mostrar NO son reales sino sacados de una PREVISIÓN, por lo "
              "que su validez es relativa\nDatos extraidos del 'Air Resources Laboratory - NOAA'");
    EXPECT_TRUE(f.session.view.soundingShown);
    EXPECT_TRUE(f.session.sounding.isForecast);
    EXPECT_FALSE(f.session.view.emaGraphShown);
}

TEST(ForecastCommand, UnreadableFileKeepsTheGraphAndSaysWhichFile) {
    Fixture f;
    f.session.view.graphShown = true;
    f.ui.files.push_back(f.places.root() / "no-existe.txt");
    f.commands.forecastSounding();
    EXPECT_EQ(f.ui.messageTexts(),
              std::vector<std::string>{"No se ha podido dibujar el sondeo previsto de "
                                       "«no-existe.txt»: no se ha podido leer el fichero.\n"
                                       "Sigue en pantalla la gráfica anterior."});
    EXPECT_FALSE(f.session.view.soundingShown);
    EXPECT_TRUE(f.session.view.graphShown);
}

} // namespace
} // namespace brisalta
