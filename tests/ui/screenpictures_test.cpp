// What the user sees when a command cannot show what was asked, driven as a
// user would on the demo answers: the picture on screen keeps its own title,
// header lines and sky report, the ceiling does not change with the zoom or
// the window, no request goes out for a station that is not there, and no
// message ever shows an address or a file path.
#include "app/pictures.h"
#include "uifixture.h"

#include "app/commandids.h"
#include "catalogues/emalist.h"
#include "diagram/ceilingsimulation.h"
#include "ui/cbrisaltaview.h"
#include "ui/cdialogosondeos.h"
#include "ui/csondeomanual.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

using namespace brisalta;

namespace {

constexpr int kMurcia = 33051;
constexpr std::int64_t k17July2024Noon = 1721217600;

// The window on the classic chains: the demo answers these scripts follow are
// the NOAA pages and the text-list and second sounding services.
struct ClassicFixture : test::UiFixture {
    explicit ClassicFixture(const std::filesystem::path& replayFolder = {})
        : test::UiFixture(replayFolder) {
        services.metarChain = SourceChain::Classic;
        services.soundingChain = SourceChain::Classic;
    }
};

QAction* soundingStation(test::UiFixture& f, int command) {
    return f.window.findChild<QAction*>(QStringLiteral("sondeo%1").arg(command));
}

// An address, a host or a file path, as none of the messages may show.
bool showsAnAddressOrPath(const std::string& text) {
    for (const char* mark : {"http", "://", "www.", "ftp", "/tmp", "/data/", "/home", ".html",
                             ".TXT", "falta el fichero"}) {
        if (text.find(mark) != std::string::npos) {
            return true;
        }
    }
    return false;
}

bool anyMessageShowsAnAddressOrPath(const test::RecordingQtUi& ui) {
    for (const std::string& m : ui.messages) {
        if (showsAnAddressOrPath(m)) {
            qWarning("%s", m.c_str());
            return true;
        }
    }
    return false;
}

QString statusOf(test::UiFixture& f) {
    return f.window.screenStatus()->text();
}

std::string utf8(const std::string& cp1252) {
    return text::toUtf8(cp1252);
}

// Murcia's sounding of the demo for 17 July 2024 at 12 UTC.
void showMurcia(test::UiFixture& f) {
    f.ui.soundingDateAnswers.push_back(SoundingDateAnswer{k17July2024Noon, 1});
    soundingStation(f, kMurcia)->trigger();
}

} // namespace

class ScreenPicturesTest : public QObject {
    Q_OBJECT

private slots:
    // Madrid drawn, then Valencia asked for with no answer: Madrid's graph
    // stays under Madrid's name, its report is not shown again, and one
    // message says that Valencia could not be drawn and why.
    void failedAirportKeepsThePreviousGraphUnderItsOwnName() {
        ClassicFixture f(test::demoPath());
        f.ui.icaoAnswers.push_back(std::string("LEMD"));
        f.trigger(cmd::kManualStation);
        QCOMPARE(utf8(f.session.view.headerTitle), std::string("Aeropuerto de Barajas - Madrid"));
        const std::string line1 = f.session.view.headerLine1;
        const std::string line2 = f.session.view.headerLine2;
        QCOMPARE(f.ui.messages.size(), std::size_t{1}); // Madrid's sky report
        const std::string report = f.ui.messages[0];
        QVERIFY(statusOf(f).contains(QStringLiteral("Aeropuerto de Barajas - Madrid")));

        f.ui.icaoAnswers.push_back(std::string("LEVC"));
        f.trigger(cmd::kManualStation);
        QCOMPARE(f.ui.messages.size(), std::size_t{2});
        const std::string& told = f.ui.messages[1];
        QVERIFY2(told.starts_with("No se ha podido dibujar la gráfica de 24 horas de Aeropuerto "
                                  "de Manises - Valencia (LEVC)"),
                 told.c_str());
        QVERIFY(told.find("Sigue en pantalla la gráfica de Aeropuerto de Barajas - Madrid.") !=
                std::string::npos);
        QVERIFY(!anyMessageShowsAnAddressOrPath(f.ui));
        QCOMPARE(utf8(f.session.view.headerTitle), std::string("Aeropuerto de Barajas - Madrid"));
        QCOMPARE(f.session.view.headerLine1, line1);
        QCOMPARE(f.session.view.headerLine2, line2);
        QVERIFY(statusOf(f).contains(QStringLiteral("Aeropuerto de Barajas - Madrid")));
        QVERIFY(!statusOf(f).contains(QStringLiteral("Valencia")));

        // Clouds and a repaint still speak of Madrid.
        f.trigger(cmd::kClouds);
        QCOMPARE(f.ui.messages.back(), report);
        f.window.redrawView();
        QCOMPARE(utf8(f.session.view.headerTitle), std::string("Aeropuerto de Barajas - Madrid"));
    }

    // An automatic station's graph, then a sounding, then the swap back: the
    // station's graph comes back under its own name, and the clouds command
    // never shows the report of an airport drawn before.
    void swapBackKeepsTheAutomaticStationsNameAndNoAirportReport() {
        ClassicFixture f(test::demoPath());
        LoadEmaList(f.session, test::programDataPath() / "lista.ema");
        f.session.selection.apiKey = "clave-de-prueba";
        f.ui.icaoAnswers.push_back(std::string("LEMD"));
        f.trigger(cmd::kManualStation); // an airport's report is in the session
        f.session.selection.icao = "LEVC";
        int alicante = -1;
        for (int i = 0; i < f.session.emaList.count; ++i) {
            if (f.session.emaList.records[static_cast<std::size_t>(i)].id == "8019X") {
                alicante = i;
            }
        }
        QVERIFY(alicante >= 0);
        f.ui.stationAnswers.push_back(AutomaticStationAnswer{false, alicante, {}});
        f.trigger(cmd::kAutomaticStation);
        const std::string station = "ALICANTE-ELCHE/AEROPUERTO - ALICANTE";
        QCOMPARE(utf8(f.session.view.headerTitle), station);
        const std::string line2 = f.session.view.headerLine2;

        showMurcia(f);
        QVERIFY(f.session.view.soundingShown);
        QVERIFY(statusOf(f).startsWith(QStringLiteral("Sondeo de Murcia")));

        f.trigger(cmd::kSwap);
        QVERIFY(!f.session.view.soundingShown);
        QCOMPARE(utf8(f.session.view.headerTitle), station);
        QCOMPARE(f.session.view.headerLine2, line2);
        QVERIFY(statusOf(f).contains(QStringLiteral("estación automática")));
        const std::size_t before = f.ui.messages.size();
        f.trigger(cmd::kClouds);
        QCOMPARE(f.ui.messages.size(), before + 1);
        QCOMPARE(f.ui.messages.back(),
                 std::string("Esta estación no dispone de datos sobre el estado del cielo"));
        // Swapped again, the sounding keeps its own title.
        f.trigger(cmd::kSwap);
        QVERIFY(statusOf(f).startsWith(QStringLiteral("Sondeo de Murcia")));
        QVERIFY(!anyMessageShowsAnAddressOrPath(f.ui));
    }

    // Murcia 36/12: one ceiling, zoomed or not, whatever the window's size.
    void ceilingIsTheSameWhateverTheZoomAndTheWindow() {
        ClassicFixture f(test::demoPath());
        showMurcia(f);
        f.ui.ceilingAnswers.push_back(CeilingInputs{36, 12});
        f.trigger(cmd::kCeiling);
        const std::string sentence = ceilingResultSentence(f.session);
        QCOMPARE(utf8(sentence),
                 std::string("Simulación de techo para 36ºC y 12ºC de punto de rocío. Térmica "
                             "azul: 2446 mts. 12ºC. Viento: 11 km/h. de SurSuroeste"));
        for (const QSize size : {QSize(1920, 1080), QSize(1280, 720), QSize(900, 560)}) {
            f.window.resize(size);
            for (int zoom = 0; zoom < 2; ++zoom) {
                f.trigger(cmd::kZoom);
                QCOMPARE(ceilingResultSentence(f.session), sentence);
                QCOMPARE(f.session.view.pictures.sounding.ceiling.sentence, sentence);
            }
        }
        QVERIFY(f.ui.messages.empty());
    }

    // "Sondeos > Mostrar" on a fresh start: no station, so no dialog and no
    // request; the user is told where to choose one.
    void showingASoundingWithoutAStationAsksForNothing() {
        ClassicFixture f(test::demoPath());
        QVERIFY(f.session.selection.soundingStationId.empty());
        f.trigger(cmd::kShowSounding);
        QVERIFY(f.ui.soundingStationTexts.empty()); // the date dialog never opened
        QVERIFY(f.transport.requests().empty());
        QCOMPARE(f.ui.messages.size(), std::size_t{1});
        QVERIFY(f.ui.messages[0].starts_with("No se ha elegido ninguna estación de sondeo."));
        QVERIFY(!anyMessageShowsAnAddressOrPath(f.ui));
        QCOMPARE(statusOf(f), QStringLiteral("Ninguna gráfica ni sondeo en pantalla."));
    }

    // The dialogs refuse an empty number and a date after today in the dialog
    // itself, with a sentence, and stay open.
    void dialogsRefuseEmptyStationsAndFutureDates() {
        ui::CSondeoManual manual;
        manual.show();
        QPushButton* accept = nullptr;
        for (QPushButton* b : manual.findChildren<QPushButton*>()) {
            if (b->text() == QStringLiteral("Aceptar")) {
                accept = b;
            }
        }
        QVERIFY(accept != nullptr);
        accept->click();
        QVERIFY(manual.isVisible());
        QVERIFY(manual.refusal()->isVisible());
        QVERIFY(manual.refusal()->text().startsWith(
            QStringLiteral("Escriba el número de la estación")));
        QTest::keyClicks(manual.edit(), QStringLiteral("08430"));
        accept->click();
        QCOMPARE(manual.result(), int(QDialog::Accepted));

        const QDate today(2024, 7, 17);
        ui::CDialogoSondeos dates(QStringLiteral("Murcia (España)"), today);
        dates.show();
        dates.datePicker()->setDate(today.addDays(1));
        dates.findChild<QPushButton*>(QStringLiteral("verSondeo"))->click();
        QVERIFY(dates.isVisible());
        QCOMPARE(dates.refusal()->text(),
                 QStringLiteral("La fecha del sondeo no puede ser posterior a hoy."));
        dates.datePicker()->setDate(today);
        dates.findChild<QPushButton*>(QStringLiteral("verSondeo"))->click();
        QCOMPARE(dates.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(ScreenPicturesTest)
#include "screenpictures_test.moc"
