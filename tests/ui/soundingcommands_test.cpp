// The "Sondeos" menu as the user works it: a station of the catalogue or a
// number typed by hand, the date dialog, the sounding fetched from the demo
// answers, swapping with the graph, the ceiling command and a forecast file.
#include "app/pictures.h"
#include "uifixture.h"

#include "app/commandids.h"
#include "app/soundingcommands.h"

#include <QTest>

using namespace brisalta;

namespace {

// The answers installed with the program: any date of the demo stations.
std::filesystem::path demoFolder() { return test::demoPath(); }

constexpr int kMurcia = 33051;
constexpr int kLisboa = 33099;
constexpr int kMexico = 33069;
constexpr int kTenerife = 33054;

constexpr std::int64_t k7March2020Noon = 1583582400; // 2020-03-07 12:00 UTC

// The window on the classic chain: the text-list and second services these
// tests follow through the dialogs. Today's chain in front of them is tested
// against a loopback server (tests/adapters/todaysservices_test.cpp).
struct ClassicFixture : test::UiFixture {
    explicit ClassicFixture(const std::filesystem::path& replayFolder = {})
        : test::UiFixture(replayFolder) {
        services.soundingChain = SourceChain::Classic;
    }
};

QAction* stationAction(test::UiFixture& f, int command) {
    return f.window.findChild<QAction*>(QStringLiteral("sondeo%1").arg(command));
}

void putGraphOnScreen(SessionState& s) {
    s.view.graphShown = true;
    s.view.graphAvailable = true;
    s.graph.title = "Madrid";
    for (int i = 0; i < kSlots; ++i) {
        s.graph.hour[i] = i;
        s.graph.temperature[i] = 20 + i % 5;
        s.graph.dewPoint[i] = 8;
        s.graph.pressure[i] = 1015;
        s.graph.windSpeed[i] = 10;
        s.graph.windDirection[i] = "SW";
    }
}

} // namespace

class SoundingCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void pickingAStationAsksForTheDateWithItsDisplayName_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Murcia") << kMurcia << QStringLiteral("Murcia (España)");
        QTest::newRow("Lisboa") << kLisboa << QStringLiteral("Lisboa");
        QTest::newRow("México") << kMexico << QStringLiteral("México D.F.");
    }

    void pickingAStationAsksForTheDateWithItsDisplayName() {
        QFETCH(int, command);
        QFETCH(QString, shown);
        ClassicFixture f;
        QAction* entry = stationAction(f, command);
        QVERIFY(entry != nullptr);
        entry->trigger();
        QCOMPARE(f.ui.soundingStationTexts.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(f.ui.soundingStationTexts[0]), shown);
        QCOMPARE(f.ui.soundingTodays[0], f.clock.now());
        QVERIFY(f.session.retrieval.soundingDialogUsed);
    }

    void cancellingTheDateKeepsTheNewStationCheckedWithoutFetching() {
        ClassicFixture f(demoFolder());
        stationAction(f, kTenerife)->trigger(); // cancelled as well
        stationAction(f, kLisboa)->trigger();
        QVERIFY(stationAction(f, kLisboa)->isChecked());
        QVERIFY(!stationAction(f, kTenerife)->isChecked());
        QCOMPARE(f.session.selection.soundingStationId, std::string("08579"));
        QCOMPARE(f.session.selection.soundingRegion, std::string("europe"));
        QVERIFY(f.transport.requests().empty());
        QVERIFY(!f.session.view.soundingShown);
    }

    // A malformed number is refused and never replaces the station chosen.
    void manualNumberOfFourCharactersIsRefusedAndNotKept() {
        ClassicFixture f(demoFolder());
        stationAction(f, kMurcia)->trigger();
        f.ui.stationNumberAnswers.push_back(std::string("0843"));
        f.trigger(cmd::kManualSounding);
        QCOMPARE(f.ui.messages,
                 std::vector<std::string>{"Un identificador de estación válido se compone de 5 números"});
        QCOMPARE(f.session.selection.soundingStationId, std::string("08430"));
        QVERIFY(f.session.selection.soundingFromCatalogue);
        QCOMPARE(f.ui.soundingStationTexts.size(), std::size_t{1}); // only the pick asked
        QVERIFY(stationAction(f, kMurcia)->isChecked());
        QVERIFY(f.transport.requests().empty());
    }

    void manualNumberOfACatalogueStationChecksItsEntry() {
        ClassicFixture f(demoFolder());
        f.ui.stationNumberAnswers.push_back(std::string("08430"));
        f.trigger(cmd::kManualSounding);
        QCOMPARE(f.ui.soundingStationTexts, std::vector<std::string>{"08430"});
        QVERIFY(stationAction(f, kMurcia)->isChecked());
    }

    void ceilingWithoutASoundingAsksForOneFirst() {
        ClassicFixture f;
        // Enabled by an earlier drawing, then a failed fetch hid the sounding.
        f.session.view.commands.ceilingEnabled = true;
        f.window.updateActions();
        f.ui.ceilingAnswers.push_back(CeilingInputs{30, 10});
        f.trigger(cmd::kCeiling);
        QCOMPARE(f.ui.messages,
                 std::vector<std::string>{"Es necesario haber cargado un sondeo previamente."});
        QCOMPARE(f.ui.ceilingAnswers.size(), std::size_t{1}); // the dialog never opened
        QVERIFY(!f.session.sounding.simulationRequested);
    }

    // The texts of the query carry no leading zeros, and "12Z" asks the second
    // service for 13:00 local time.
    void dateDialogGivesTheQueryItsDateAndHour_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("hourIndex");
        QTest::addColumn<QString>("hour");
        QTest::addColumn<int>("secondServiceDate");
        QTest::addColumn<QString>("address");
        QTest::newRow("Murcia 12Z")
            << kMurcia << 1 << QStringLiteral("12") << 1583586000
            << QStringLiteral("https://www.meteociel.fr/cartes_obs/sondage_display.php?id=08430"
                              "&map=4&date=1583586000&map2=4");
        QTest::newRow("Murcia 00Z")
            << kMurcia << 0 << QStringLiteral("00") << 1583539200
            << QStringLiteral("https://www.meteociel.fr/cartes_obs/sondage_display.php?id=08430"
                              "&map=4&date=1583539200&map2=4");
        QTest::newRow("Lisboa 12Z")
            << kLisboa << 1 << QStringLiteral("12") << 1583586000
            << QStringLiteral("http://weather.uwyo.edu/cgi-bin/sounding?region=europe&TYPE=TEXT:LIST"
                              "&YEAR=2020&MONTH=3&FROM=712&TO=712&STNM=08579");
    }

    void dateDialogGivesTheQueryItsDateAndHour() {
        QFETCH(int, command);
        QFETCH(int, hourIndex);
        QFETCH(QString, hour);
        QFETCH(int, secondServiceDate);
        QFETCH(QString, address);
        ClassicFixture f(demoFolder());
        f.ui.soundingDateAnswers.push_back(SoundingDateAnswer{k7March2020Noon, hourIndex});
        stationAction(f, command)->trigger();
        const StationSelection& sel = f.session.selection;
        QCOMPARE(sel.soundingDay, std::string("7"));
        QCOMPARE(sel.soundingMonth, std::string("3"));
        QCOMPARE(sel.soundingYear, std::string("2020"));
        QCOMPARE(QString::fromStdString(sel.soundingHour), hour);
        QCOMPARE(sel.soundingDate, k7March2020Noon);
        QCOMPARE(f.session.sounding.secondServiceDate, secondServiceDate);
        QCOMPARE(f.transport.requests().size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(f.transport.requests()[0].address), address);
    }

    void reopeningTheDialogStartsAgainAtMidnight() {
        ClassicFixture f(demoFolder());
        f.ui.soundingDateAnswers.push_back(SoundingDateAnswer{k7March2020Noon, 1});
        f.ui.soundingDateAnswers.push_back(SoundingDateAnswer{k7March2020Noon, 0});
        stationAction(f, kMurcia)->trigger();
        f.trigger(cmd::kShowSounding);
        QCOMPARE(f.ui.soundingStationTexts,
                 (std::vector<std::string>{"Murcia (España)", "Murcia (España)"}));
        QCOMPARE(f.session.selection.soundingHour, std::string("00"));
        QCOMPARE(f.session.sounding.secondServiceDate, 1583539200);
    }

    void aReplayedSoundingIsShownAndSwapsWithTheGraph() {
        ClassicFixture f(demoFolder());
        putGraphOnScreen(f.session);
        preparePictures(f.session);
        f.window.redrawView();
        f.ui.soundingDateAnswers.push_back(SoundingDateAnswer{k7March2020Noon, 1});
        stationAction(f, kMurcia)->trigger();
        QCOMPARE(f.ui.messages, std::vector<std::string>{});
        QVERIFY(f.session.view.soundingShown);
        QVERIFY(f.session.view.soundingAvailable);
        QVERIFY(!f.session.view.graphShown);
        QVERIFY(f.session.sounding.fromSecondService);
        QCOMPARE(f.session.sounding.count, 102);
        QVERIFY(f.session.view.commands.swapEnabled);
        QCOMPARE(f.ui.pictures, std::vector<int>{1}); // the second form of the download picture
        QVERIFY(f.window.action(cmd::kSwap)->isEnabled());

        f.trigger(cmd::kSwap);
        QVERIFY(f.session.view.graphShown);
        QVERIFY(!f.session.view.soundingShown);
        f.trigger(cmd::kSwap);
        QVERIFY(!f.session.view.graphShown);
        QVERIFY(f.session.view.soundingShown);
    }

    void theCeilingIsSimulatedOnTheSoundingAtOnce() {
        ClassicFixture f(demoFolder());
        f.ui.soundingDateAnswers.push_back(SoundingDateAnswer{k7March2020Noon, 1});
        stationAction(f, kMurcia)->trigger();
        QVERIFY(f.window.action(cmd::kCeiling)->isEnabled());
        f.ui.ceilingAnswers.push_back(CeilingInputs{36, 12});
        f.trigger(cmd::kCeiling);
        QVERIFY(f.session.sounding.simulationRequested);
        QVERIFY(f.session.ceiling.blueThermalDrawn);
        QCOMPARE(text::toUtf8(f.session.ceiling.thermalTopText), std::string("2446 mts. 12ºC"));
        QCOMPARE(f.ui.messages, std::vector<std::string>{});
    }

    void aTextListSoundingUsesTheFirstFormOfThePicture() {
        ClassicFixture f(demoFolder());
        f.ui.soundingDateAnswers.push_back(SoundingDateAnswer{k7March2020Noon, 0});
        stationAction(f, kTenerife)->trigger();
        QCOMPARE(f.ui.messages, std::vector<std::string>{});
        QVERIFY(f.session.view.soundingShown);
        QVERIFY(!f.session.sounding.fromSecondService);
        QCOMPARE(f.ui.pictures, std::vector<int>{0});
        QVERIFY(!f.session.view.commands.swapEnabled); // no graph to swap with
    }

    void aForecastFileIsShownAfterItsNotice() {
        ClassicFixture f;
        putGraphOnScreen(f.session);
        f.ui.forecastAnswers.push_back(demoFolder() / "previsiones" / "madrid-barajas-gdas.txt");
        f.trigger(cmd::kForecastSounding);
        QCOMPARE(f.ui.messages.size(), std::size_t{1});
        QCOMPARE(f.ui.messages[0], text::toUtf8(forecastNotice()));
        QCOMPARE(f.ui.icons[0], MessageIcon::Information);
        QVERIFY(f.session.view.soundingShown);
        QVERIFY(f.session.sounding.isForecast);
        QVERIFY(!f.session.view.graphShown);
    }
};

QTEST_MAIN(SoundingCommandsTest)
#include "soundingcommands_test.moc"
