// The window's settings, lists and help as the user reaches them: Ctrl+P and
// its editor buttons, "Enlaces Web" > "Preferencias", the toolbar's favourites
// button, the "Internet" and "Preferidas" submenus built at start (a favourite
// draws its graph), the about box, and "Ayuda" with the manual missing, present
// in the data folder, or found in the build folder.
#include "modalhelper.h"
#include "uifixture.h"

#include "adapters/xdgplaces.h"
#include "app/commandids.h"
#include "app/helpcommands.h"
#include "settings/meteoini.h"
#include "ui/acercade.h"
#include "ui/cdialogopref.h"
#include "ui/ceditflexgrid.h"
#include "ui/dialogoweb.h"
#include "ui/grafpref.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QToolBar>
#include <QUrl>

using namespace brisalta;

// Stands in for the desktop: records what it is asked to open.
class Desktop : public QObject {
    Q_OBJECT

public:
    Desktop() {
        for (const char* scheme : kSchemes) {
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
        }
    }
    ~Desktop() override {
        for (const char* scheme : kSchemes) {
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
        }
    }

    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }

private:
    static constexpr const char* kSchemes[] = {"http", "https", "file"};
};

namespace {

const char* const kLinks = "AEMET\nhttps://www.aemet.es/\nPrograma\n/usr/bin/xterm\n";
const char* const kFavourites = "Alicante - Elche\nLEAL\nMadrid - Barajas\nLEMD\n";

void writeLists(const test::ScratchPlaces& places) {
    test::writeFile(places.settingsFolder() / "Brisanet.ini", kLinks);
    test::writeFile(places.settingsFolder() / "GrafPref.ini", kFavourites);
}

QMenu* topMenu(QMainWindow& window, const QString& title) {
    for (QAction* action : window.menuBar()->actions()) {
        if (action->text() == title) {
            return action->menu();
        }
    }
    return nullptr;
}

// The dialog is closed when the checks inside it fail, so the test ends.
#define CLOSE_ON_FAILURE(dialog)                                                                   \
    const QScopeGuard closeOnFailure([dialog] {                                                    \
        if (QTest::currentTestFailed()) {                                                          \
            dialog->reject();                                                                      \
        }                                                                                          \
    })

} // namespace

class PreferencesWiringTest : public QObject {
    Q_OBJECT

private slots:
    void menusHoldTheListsAndTheNewCommands() {
        test::UiFixture f({}, writeLists);
        QStringList bar;
        for (QAction* action : f.window.menuBar()->actions()) {
            bar << action->text();
        }
        QCOMPARE(bar, (QStringList{QStringLiteral("&Archivo"), QStringLiteral("&Ver"),
                                   QStringLiteral("&Gráficas"), QStringLiteral("&Sondeos"),
                                   QStringLiteral("Enlaces Web"), QStringLiteral("Ay&uda")}));
        QCOMPARE(f.window.action(cmd::kPreferences)->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+P")));
        QCOMPARE(f.window.action(cmd::kHelp)->shortcut(), QKeySequence(QStringLiteral("F1")));

        // "Internet" heads "Enlaces Web", before its separator and "Preferencias".
        const QList<QAction*> web = topMenu(f.window, QStringLiteral("Enlaces Web"))->actions();
        QCOMPARE(web.size(), 3);
        QVERIFY(web[0]->menu());
        QCOMPARE(web[0]->menu()->title(), QStringLiteral("Internet"));
        QVERIFY(web[1]->isSeparator());
        QCOMPARE(web[2], f.window.action(cmd::kLinksEditor));
        QCOMPARE(web[0]->menu()->actions().size(), 2);

        // "Preferidas" sits in "Gráficas", just before the automatic stations.
        const QList<QAction*> graphs = topMenu(f.window, QStringLiteral("&Gráficas"))->actions();
        const qsizetype ema = graphs.indexOf(f.window.action(cmd::kAutomaticStation));
        QVERIFY(ema > 0);
        QVERIFY(graphs[ema - 1]->menu());
        QCOMPARE(graphs[ema - 1]->menu()->title(), QStringLiteral("Preferidas"));
        QCOMPARE(graphs[ema - 1]->menu()->actions().at(1)->text(),
                 QStringLiteral("Madrid - Barajas"));

        // The favourites editor and the about box are on the toolbar.
        const QList<QAction*> tools = f.window.toolBar()->actions();
        QVERIFY(tools.contains(f.window.action(cmd::kFavouritesEditor)));
        QCOMPARE(tools.last(), f.window.action(cmd::kAbout));
        QCOMPARE(f.window.action(cmd::kFavouritesEditor)->toolTip(),
                 QStringLiteral("Gráficas preferidas"));
    }

    void missingListFilesLeaveTheirSubmenusOut() {
        test::UiFixture f;
        const QList<QAction*> web = topMenu(f.window, QStringLiteral("Enlaces Web"))->actions();
        for (QAction* action : web) {
            QVERIFY(!action->menu());
        }
        QVERIFY(web.contains(f.window.action(cmd::kLinksEditor)));
        QVERIFY(!f.window.findChild<QMenu*>(QStringLiteral("menuPreferidas")));
    }

    void favouriteDrawsItsGraph() {
        test::UiFixture f(test::demoPath(), writeLists);
        auto* favourites = f.window.findChild<QMenu*>(QStringLiteral("menuPreferidas"));
        QVERIFY(favourites);
        favourites->actions().at(1)->trigger();
        QCOMPARE(f.session.selection.icao.str(), std::string("LEMD"));
        QVERIFY(f.session.view.graphShown);
        QVERIFY(!f.session.view.headerTitle.empty());
        QCOMPARE(f.ui.messages.size(), std::size_t(1)); // the sky report
        QVERIFY(f.window.action(cmd::kClouds)->isEnabled());
    }

    void linkGoesToTheBrowserAndAProgramIsRefused() {
        Desktop desktop;
        test::UiFixture f({}, writeLists);
        auto* internet = f.window.findChild<QMenu*>(QStringLiteral("menuInternet"));
        QVERIFY(internet);
        internet->actions().at(0)->trigger();
        internet->actions().at(1)->trigger();
        QCOMPARE(desktop.opened, QList<QUrl>{QUrl(QStringLiteral("https://www.aemet.es/"))});
        QCOMPARE(f.ui.messages.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(f.ui.messages[0]).contains(QStringLiteral("/usr/bin/xterm")));
    }

    void preferencesSaveWhatTheDialogChose() {
        test::UiFixture f;
        f.session.selection.icao = "LEAL";
        f.session.selection.country = text::cp1252("ESPAÑA");
        f.session.selection.timeOffsetHours = 1;
        test::whenModal<ui::CDialogoPref>([](ui::CDialogoPref* dialog) {
            CLOSE_ON_FAILURE(dialog);
            QCOMPARE(dialog->airportCombo()->currentText(), QStringLiteral("Alicante - Elche"));
            dialog->countryCombo()->setCurrentIndex(1);
            emit dialog->countryCombo()->activated(1); // ARGENTINA
            dialog->offsetEdit()->setText(QStringLiteral("-3"));
            dialog->keyBox()->setPlainText(QStringLiteral("mi clave"));
            QTest::mouseClick(dialog->saveButton(), Qt::LeftButton);
        });
        QTest::keyClick(&f.window, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(f.session.selection.country.str(), std::string("ARGENTINA"));
        QCOMPARE(f.session.selection.icao.str(), std::string("SACO"));
        QCOMPARE(f.session.selection.timeOffsetHours, -3);
        SessionState next;
        loadSettings(next, f.places.settingsFolder() / kSettingsFileName);
        QCOMPARE(next.selection.icao.str(), std::string("SACO"));
        QCOMPARE(next.selection.apiKey, std::string("mi clave"));
        QCOMPARE(next.selection.soundingStationId, std::string("87344"));
        QVERIFY(f.ui.messages.empty());
    }

    void preferencesButtonsOpenBothEditors() {
        test::UiFixture f({}, writeLists);
        f.session.view.headerTitle = "Aeropuerto de Madrid";
        bool linksSeen = false;
        bool favouritesSeen = false;
        test::whenModal<ui::CDialogoPref>([&](ui::CDialogoPref* dialog) {
            test::whenModal<ui::DialogoWeb>([&, dialog](ui::DialogoWeb* web) {
                linksSeen = web->parent() == dialog &&
                            web->grid()->textMatrix(0, 0) == QStringLiteral("AEMET ");
                web->reject();
                test::whenModal<ui::GrafPref>([&, dialog](ui::GrafPref* favourites) {
                    favouritesSeen =
                        favourites->currentNameEdit()->text() ==
                            QStringLiteral("Aeropuerto de Madrid") &&
                        favourites->currentIcaoEdit()->text() == QStringLiteral("LEAL");
                    favourites->reject();
                    dialog->reject();
                });
                QTimer::singleShot(0, dialog->favouritesButton(), &QPushButton::click);
            });
            dialog->linksButton()->click();
        });
        f.trigger(cmd::kPreferences);
        QVERIFY(linksSeen);
        QVERIFY(favouritesSeen);
    }

    void menuAndToolbarOpenTheEditors() {
        test::UiFixture f({}, writeLists);
        f.session.view.headerTitle = "Aeropuerto de Madrid";
        f.session.selection.icao = "LEMD";
        QString linkTitle;
        test::whenModal<ui::DialogoWeb>([&](ui::DialogoWeb* web) {
            linkTitle = web->windowTitle();
            web->reject();
        });
        f.trigger(cmd::kLinksEditor);
        QCOMPARE(linkTitle, QStringLiteral("Enlaces Web"));

        QString current;
        test::whenModal<ui::GrafPref>([&](ui::GrafPref* favourites) {
            current = favourites->currentNameEdit()->text() + QLatin1Char('/') +
                      favourites->currentIcaoEdit()->text();
            favourites->reject();
        });
        QWidget* button = f.window.toolBar()->widgetForAction(f.window.action(cmd::kFavouritesEditor));
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(current, QStringLiteral("Aeropuerto de Madrid/LEMD"));
    }

    void aboutBoxShowsTheVersion() {
        test::UiFixture f;
        QString version;
        test::whenModal<ui::AcercaDe>([&](ui::AcercaDe* about) {
            version = about->findChild<QLabel*>(QStringLiteral("version"))->text();
            about->accept();
        });
        f.trigger(cmd::kAbout);
        QCOMPARE(version, QStringLiteral("Brisalta Versión 3.22"));
    }

    void helpSaysWhenTheManualIsMissing() {
        Desktop desktop;
        test::UiFixture f;
        QTest::keyClick(&f.window, Qt::Key_F1);
        QVERIFY(desktop.opened.isEmpty());
        QCOMPARE(f.ui.messages.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(f.ui.messages[0])
                    .startsWith(QStringLiteral("No se encuentra el manual de Brisalta")));
    }

    void helpOpensTheManualOfTheDataFolder() {
        Desktop desktop;
        test::UiFixture f;
        test::writeFile(f.places.dataFolder() / "Brisalta.pdf", "%PDF-1.4\n");
        f.trigger(cmd::kHelp);
        QCOMPARE(desktop.opened.size(), 1);
        QCOMPARE(desktop.opened[0].toLocalFile(),
                 QString::fromStdString((f.places.dataFolder() / "Brisalta.pdf").string()));
        QVERIFY(f.ui.messages.empty());
    }

    // A program run from its build folder, with no installed data, finds the
    // manual the build made.
    void helpFindsTheBuiltManual() {
        const XdgPlaces places(std::filesystem::path("/nonexistent/brisalta-datos"));
        const std::optional<std::filesystem::path> manual = findManual(places);
        QVERIFY(manual.has_value());
        QCOMPARE(manual->filename().string(), std::string("Brisalta.pdf"));
        QCOMPARE(test::readFile(*manual).substr(0, 5), std::string("%PDF-"));
    }
};

QTEST_MAIN(PreferencesWiringTest)
#include "preferenceswiring_test.moc"
