// The main window as the user meets it: commands disabled until there is a
// picture, the swap and QNH commands, and the menus built from the tables.
#include "app/pictures.h"
#include "uifixture.h"

#include "app/commandids.h"
#include "app/commandtable.h"
#include "ui/cbrisaltaview.h"

#include <QLabel>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

using namespace brisalta;

namespace {

// Every command whose availability follows the picture on screen.
const int kFlagDriven[] = {cmd::kTable, cmd::kClouds,  cmd::kQnh,   cmd::kCeiling, cmd::kSwap,
                           cmd::kPrint, cmd::kSaveAs, cmd::kStatistics, cmd::kZoom};

bool viewIsBlank(ui::CBrisaltaView* view) {
    const QImage image = view->grab().toImage();
    for (int y = 0; y < image.height(); y += 7) {
        for (int x = 0; x < image.width(); x += 7) {
            if (image.pixelColor(x, y) != QColor(Qt::white)) {
                return false;
            }
        }
    }
    return true;
}

// A graph on screen at Madrid's altitude, as the current-conditions page gives it.
void putGraphOnScreen(SessionState& s, int altitudeKnown) {
    s.view.graphShown = true;
    s.view.graphAvailable = true;
    s.graph.title = "Madrid";
    for (int i = 0; i < kSlots; ++i) {
        s.graph.hour[i] = i;
        s.graph.temperature[i] = 10 + i % 5;
        s.graph.dewPoint[i] = 2;
        s.graph.pressure[i] = 1013;
        s.graph.windSpeed[i] = 10;
        s.graph.windDirection[i] = "N";
    }
    s.graph.pressure[5] = kMissing;
    s.graph.pressureIsStation = false;
    s.graph.altitudeKnown = altitudeKnown;
    s.graph.altitudeMetres = altitudeKnown ? 582 : 0;
}

// A sounding over the same airport: a cool morning at 600 m with the
// standard lapse rate above, so the afternoon's warmer hours give thermals.
void addSounding(SessionState& s) {
    s.sounding.levels = {
        {950, 600, 8, 0, 57, 270, 10},      {900, 1050, 5, -2, 60, 270, 12},
        {850, 1500, 2, -6, 55, 280, 15},    {700, 3000, -8, -20, 40, 280, 20},
        {500, 5600, -24, -40, 20, 290, 30}, {300, 9200, -46, -60, 20, 290, 40},
    };
    s.sounding.count = static_cast<int>(s.sounding.levels.size());
    s.sounding.rowsAllocated = true;
    s.view.soundingAvailable = true;
    s.selection.soundingFromCatalogue = true;
    s.selection.soundingStationName = "Madrid";
    s.selection.soundingDay = "7";
    s.selection.soundingMonth = "12";
    s.selection.soundingYear = "2020";
    s.selection.soundingHour = "00";
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Before any picture the view says how to begin: the three main commands
    // with their keys, as the menus have them.
    void startsWithFlagDrivenCommandsDisabledAndTheStartView() {
        test::UiFixture f;
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Brisalta"));
        for (int id : kFlagDriven) {
            if (QAction* action = f.window.action(id)) {
                QVERIFY2(!action->isEnabled(), qPrintable(QString::number(id)));
            }
        }
        QVERIFY(f.window.action(cmd::kSaveAs) != nullptr);
        const QString start = ui::CBrisaltaView::startLines().join(QLatin1Char(' '));
        for (const char* mention : {"«Gráficas > Mostrar» (Ctrl+M)",
                                    "«Gráficas > Estaciones Automáticas (EMAs)» (Ctrl+E)",
                                    "«Sondeos > Mostrar» (Ctrl+S)"}) {
            QVERIFY2(start.contains(QString::fromUtf8(mention)), mention);
        }
        QCOMPARE(ui::CBrisaltaView::startLines().size(), 2);
        QVERIFY(!viewIsBlank(f.window.view()));
        QCOMPARE(f.window.screenStatus()->text(),
                 QStringLiteral("Ninguna gráfica ni sondeo en pantalla."));
    }

    void buildsMenusAndToolbarFromTheTables() {
        test::UiFixture f;
        QStringList menus;
        for (QAction* a : f.window.menuBar()->actions()) {
            menus << a->text();
        }
        QCOMPARE(menus.mid(0, 4), (QStringList{QStringLiteral("&Archivo"), QStringLiteral("&Ver"),
                                               QStringLiteral("&Gráficas"), QStringLiteral("&Sondeos")}));
        QCOMPARE(f.window.action(cmd::kOpen)->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
        QCOMPARE(f.window.action(cmd::kQnh)->toolTip(),
                 QStringLiteral("Intercambiar entre presión real y QNH"));
        QCOMPARE(f.window.action(cmd::kSwap)->shortcut(), QKeySequence(QStringLiteral("Ctrl+V")));
        QVERIFY(f.window.toolBar()->actions().contains(f.window.action(cmd::kSwap)));
        // The swap is in "Ver" too, where a user looks for it.
        QVERIFY(f.window.menuBar()->actions().at(1)->menu()->actions().contains(
            f.window.action(cmd::kSwap)));
        QCOMPARE(f.window.toolBar()->iconSize(), QSize(26, 26));
    }

    void swapWithOnlyAGraphChangesNothing() {
        test::UiFixture f;
        putGraphOnScreen(f.session, 1);
        preparePictures(f.session);
        f.window.redrawView();
        f.trigger(cmd::kSwap); // disabled: nothing happens
        f.commands.view.swap(); // run directly: the command refuses with its message
        QVERIFY(f.session.view.graphShown);
        QVERIFY(!f.session.view.soundingShown);
        QCOMPARE(f.ui.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(f.ui.messages[0]),
                 QStringLiteral("Para intercambiar las imágenes se necesita disponer de una gráfica y un sondeo"));
    }

    // "Techo por horas" (Ctrl+U) waits for a graph and a sounding, takes the
    // view, leaves zoom and the dialog's simulation off, and swap brings the
    // graph back.
    void ceilingHoursTakesTheViewAndSwapGivesItBack() {
        test::UiFixture f;
        putGraphOnScreen(f.session, 1);
        preparePictures(f.session);
        f.window.redrawView();
        QAction* action = f.window.action(cmd::kCeilingHours);
        QVERIFY(action != nullptr);
        QCOMPARE(action->shortcut(), QKeySequence(QStringLiteral("Ctrl+U")));
        QVERIFY(!action->isEnabled());

        addSounding(f.session);
        f.window.redrawView();
        QVERIFY(action->isEnabled());
        f.trigger(cmd::kCeilingHours);
        QVERIFY(f.ui.messages.empty());
        QVERIFY(f.session.view.ceilingHoursShown);
        QVERIFY(!f.session.view.graphShown && !f.session.view.soundingShown);
        QVERIFY(!viewIsBlank(f.window.view()));
        QVERIFY(f.window.action(cmd::kSwap)->isEnabled());
        QVERIFY(!f.window.action(cmd::kZoom)->isEnabled());
        QVERIFY(!f.window.action(cmd::kCeiling)->isEnabled());

        f.trigger(cmd::kSwap);
        QVERIFY(f.session.view.graphShown);
        QVERIFY(!f.session.view.ceilingHoursShown);
        QVERIFY(f.window.action(cmd::kQnh)->isEnabled());
    }

    void drawingAGraphEnablesTheGraphCommands() {
        test::UiFixture f;
        putGraphOnScreen(f.session, 1);
        preparePictures(f.session);
        f.window.redrawView();
        for (int id : {cmd::kSaveAs, cmd::kStatistics, cmd::kClouds, cmd::kQnh}) {
            QVERIFY2(f.window.action(id)->isEnabled(), qPrintable(QString::number(id)));
        }
        QVERIFY(!f.window.action(cmd::kZoom)->isEnabled());
        QVERIFY(!f.window.action(cmd::kSwap)->isEnabled());
        QVERIFY(!viewIsBlank(f.window.view()));
        QVERIFY(!f.session.view.headerLine1.empty());
    }

    void qnhTogglesTwiceBackToTheSamePressure() {
        test::UiFixture f;
        putGraphOnScreen(f.session, 1);
        preparePictures(f.session);
        f.window.redrawView();
        f.trigger(cmd::kQnh);
        QCOMPARE(f.session.graph.pressure[0], 945);
        QVERIFY(f.session.graph.pressureIsStation);
        QCOMPARE(f.session.graph.pressure[5], kMissing);
        f.trigger(cmd::kQnh);
        QCOMPARE(f.session.graph.pressure[0], 1013);
        QVERIFY(!f.session.graph.pressureIsStation);
        QVERIFY(f.ui.messages.empty());
    }

    void enteringAnAltitudeTruncatesToStationPressure() {
        test::UiFixture f;
        putGraphOnScreen(f.session, 0);
        preparePictures(f.session);
        f.window.redrawView();
        f.ui.altitudeAnswers.push_back(582);
        f.trigger(cmd::kQnh);
        QCOMPARE(f.ui.messages.size(), std::size_t{1});
        QVERIFY(f.ui.messages[0].starts_with("No se ha podido recoger automáticamente la altitud"));
        QCOMPARE(f.session.graph.pressure[0], 944);
        QVERIFY(f.session.graph.altitudeKnown);
        QCOMPARE(f.session.graph.altitudeMetres, 582);
        QVERIFY(f.session.graph.pressureIsStation);
        QVERIFY(f.session.view.headerLine2.find("944") != std::string::npos);
    }

    void cancellingTheAltitudeChangesNothing() {
        test::UiFixture f;
        putGraphOnScreen(f.session, 0);
        preparePictures(f.session);
        f.window.redrawView();
        f.ui.altitudeAnswers.push_back(std::nullopt);
        f.trigger(cmd::kQnh);
        QCOMPARE(f.session.graph.pressure[0], 1013);
        QVERIFY(!f.session.graph.altitudeKnown);
    }

    void statisticsAndCloudsAnswerWithTheirTexts() {
        test::UiFixture f;
        f.commands.graph.statistics();
        f.commands.graph.clouds();
        QCOMPARE(f.ui.messages.at(0), std::string("Es necesario generar una gráfica primero"));
        QCOMPARE(f.ui.messages.at(1), std::string("Es necesario crear una gráfica primero"));
        putGraphOnScreen(f.session, 1);
        f.session.graph.skyReport = text::cp1252("Cielo despejado \n");
        preparePictures(f.session);
        f.window.redrawView();
        f.trigger(cmd::kStatistics);
        f.trigger(cmd::kClouds);
        QVERIFY(f.ui.messages.at(2).starts_with("Temperatura máxima: 14ºC a las "));
        QVERIFY(f.ui.messages.at(2).find("horas.    \nTemperatura mínima: 10ºC") != std::string::npos);
        QCOMPARE(f.ui.messages.at(3), std::string("Cielo despejado \n"));
        f.session.view.banyeresGraph = true;
        f.trigger(cmd::kClouds);
        QCOMPARE(f.ui.messages.at(4),
                 std::string("Esta estación no dispone de datos sobre el estado del cielo"));
    }

    // A malformed code is refused and never replaces the airport chosen, so
    // that no later command asks for it.
    void manualCodeOfFewerThanFourLettersIsRefusedAndNotKept() {
        test::UiFixture f;
        f.session.selection.icao = "LEMD";
        f.ui.icaoAnswers.push_back(std::string("LEM"));
        f.trigger(cmd::kManualStation);
        QCOMPARE(f.session.selection.icao.str(), std::string("LEMD"));
        QCOMPARE(f.ui.messages.back(),
                 std::string("Un identificador ICAO válido se compone de 4 letras"));
        QVERIFY(f.transport.requests().empty());
    }

    void showGraphOnReplayedAnswersEnablesTheGraphCommandsAndShowsTheSkyReport() {
        test::UiFixture f(test::demoPath());
        f.session.selection.icao = "LEMD";
        f.session.view.emaGraphShown = true; // an automatic station was on screen before
        f.trigger(cmd::kShowGraph);
        QVERIFY(f.session.view.graphShown);
        QVERIFY(!f.session.view.emaGraphShown);
        QCOMPARE(f.session.graph.altitudeMetres, 582);
        QVERIFY(!f.session.graph.skyReport.empty());
        QCOMPARE(f.ui.messages.size(), std::size_t{1});
        QCOMPARE(f.ui.icons.back(), MessageIcon::Information);
        QCOMPARE(f.ui.messages.back(), text::toUtf8(f.session.graph.skyReport));
        for (int id : {cmd::kSaveAs, cmd::kStatistics, cmd::kClouds, cmd::kQnh}) {
            QVERIFY2(f.window.action(id)->isEnabled(), qPrintable(QString::number(id)));
        }
        QVERIFY(!viewIsBlank(f.window.view()));
        f.trigger(cmd::kClouds);
        QCOMPARE(f.ui.messages.back(), text::toUtf8(f.session.graph.skyReport));
    }

    void pickingAnAirportChecksItsMenuEntry() {
        test::UiFixture f;
        f.session.selection.icao = "MMCM";
        f.window.updateActions();
        int checked = 0;
        for (QAction* a : f.window.findChildren<QAction*>()) {
            if (a->objectName().startsWith(QStringLiteral("aeropuerto")) && a->isChecked()) {
                ++checked;
            }
        }
        QCOMPARE(checked, 2); // Chetumal and Santa Rosalía share the code
    }
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
