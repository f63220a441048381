// "Estaciones Automáticas (EMAs)" through the window, with the demo answers:
// the real dialog, the requests sent, the key messages and the graph.
#include "modalhelper.h"
#include "uifixture.h"

#include "app/commandids.h"
#include "catalogues/emalist.h"
#include "ui/cbrisaltaview.h"
#include "ui/dialogoema.h"
#include "ui/emamanual.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace brisalta;

namespace {

const std::string kQueryBase =
    "https://opendata.aemet.es/opendata/api/observacion/convencional/datos/estacion/";

// A window answered from the demo folder, with the installed station list.
struct EmaFixture : test::UiFixture {
    EmaFixture() : test::UiFixture(test::demoPath()) {
        LoadEmaList(session, test::programDataPath() / "lista.ema");
        session.selection.apiKey = "clave-de-prueba";
    }

    int indexOf(const std::string& id) const {
        for (int i = 0; i < session.emaList.count; ++i) {
            if (session.emaList.records[static_cast<std::size_t>(i)].id == id) {
                return i;
            }
        }
        return -1;
    }

    std::vector<std::string> requested() const {
        std::vector<std::string> urls;
        for (const auto& r : transport.requests()) {
            urls.push_back(r.address);
        }
        return urls;
    }

    // The entries of the real dialog, which is then cancelled.
    QStringList entriesOfTheDialog() {
        QStringList items;
        ui.realStationDialog = true;
        test::whenModal<ui::DialogoEma>([&](ui::DialogoEma* d) {
            for (int i = 0; i < d->stationCombo()->count(); ++i) {
                items << d->stationCombo()->itemText(i);
            }
            d->cancelButton()->click();
        });
        trigger(cmd::kAutomaticStation);
        return items;
    }
};

bool viewHasDrawing(ui::CBrisaltaView* view) {
    const QImage image = view->grab().toImage();
    for (int y = 0; y < image.height(); y += 5) {
        for (int x = 0; x < image.width(); x += 5) {
            if (image.pixelColor(x, y) != QColor(Qt::white)) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

class AutomaticStationTest : public QObject {
    Q_OBJECT

private slots:
    void goodAnswerDrawsTheGraphAtOnce() {
        EmaFixture f;
        QVERIFY(f.exposed);
        const int alicante = f.indexOf("8019X");
        QVERIFY(alicante >= 0);
        f.ui.stationAnswers.push_back(AutomaticStationAnswer{false, alicante, {}});
        f.trigger(cmd::kAutomaticStation);

        QCOMPARE(f.requested(),
                 (std::vector<std::string>{kQueryBase + "8019/?api_key=clave-de-prueba",
                                           "https://opendata.aemet.es/opendata/sh/5e8c1d27"}));
        QVERIFY2(f.ui.messages.empty(), f.ui.messages.empty() ? "" : f.ui.messages[0].c_str());
        QVERIFY(f.session.view.emaGraphShown);
        QCOMPARE(text::toUtf8(f.session.graph.title),
                 std::string("ALICANTE-ELCHE/AEROPUERTO - ALICANTE"));
        // Drawn on the window: the drawing copied its title and enabled the graph commands.
        QCOMPARE(f.session.view.headerTitle, f.session.graph.title);
        QVERIFY(viewHasDrawing(f.window.view()));
        QVERIFY(f.window.action(cmd::kClouds)->isEnabled());

        // An automatic station reports no sky, and never an airport's shown before.
        f.trigger(cmd::kClouds);
        QCOMPARE(f.ui.messages, std::vector<std::string>{
                                    "Esta estación no dispone de datos sobre el estado del cielo"});
    }

    void refusedKeyGivesItsMessageAndNoDataRequest_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("message");
        QTest::newRow("caducada") << QStringLiteral("caducada")
                                  << QStringLiteral("Su clave API ha caducado.Obtener nueva en página de AEMET OpenData.");
        QTest::newRow("invalida") << QStringLiteral("invalida")
                                  << QStringLiteral("Su clave API no es válida. Obtener nueva en página de AEMET OpenData.");
    }

    void refusedKeyGivesItsMessageAndNoDataRequest() {
        QFETCH(QString, key);
        QFETCH(QString, message);
        EmaFixture f;
        f.session.selection.apiKey = key.toStdString();
        f.ui.stationAnswers.push_back(AutomaticStationAnswer{false, f.indexOf("3195X"), {}});
        f.trigger(cmd::kAutomaticStation);
        QCOMPARE(f.requested(), std::vector<std::string>{kQueryBase + "3195/?api_key=" + key.toStdString()});
        QCOMPARE(f.ui.messages,
                 (std::vector<std::string>{
                     "No se ha podido efectuar la consulta", message.toStdString(),
                     "No se ha podido dibujar la gráfica de la estación automática MADRID, RETIRO."}));
        QCOMPARE(f.ui.icons, (std::vector<MessageIcon>{MessageIcon::Exclamation, MessageIcon::Exclamation,
                                                       MessageIcon::Exclamation}));
        QVERIFY(!f.session.view.emaGraphShown);
    }

    void withoutKeyTheDialogAsksForOneAndStillAcceptsOk() {
        EmaFixture f;
        f.session.selection.apiKey.clear();
        f.ui.realStationDialog = true;
        const int alicante = f.indexOf("8019X");
        QString keyBox;
        test::whenModal<ui::DialogoEma>([&](ui::DialogoEma* d) {
            keyBox = d->keyBox()->toPlainText();
            d->stationCombo()->setCurrentIndex(alicante);
            d->okButton()->click();
        });
        f.trigger(cmd::kAutomaticStation);
        QCOMPARE(keyBox, QStringLiteral("Es necesario introducir una clave API (Aemet Open Data) en "
                                        "el menú Preferencias."));
        // The query goes out with the empty key (the demo answers any key).
        QCOMPARE(f.requested().front(), kQueryBase + "8019/?api_key=");
        QVERIFY(f.session.view.emaGraphShown);
    }

    void lowerCaseIdentifierArrivesInCapitalsAndIsSentWhole() {
        EmaFixture f;
        f.ui.realStationDialog = true;
        test::whenModal<ui::DialogoEma>([](ui::DialogoEma* d) {
            test::whenModal<ui::EMAManual>([](ui::EMAManual* manual) {
                QTest::keyClicks(manual->edit(), QStringLiteral("6155a"));
                manual->findChild<QPushButton*>(QStringLiteral("ok"))->click();
            });
            d->manualButton()->click();
        });
        f.trigger(cmd::kAutomaticStation);
        QVERIFY(f.session.selection.emaManual);
        QCOMPARE(f.requested(), std::vector<std::string>{kQueryBase + "6155A/?api_key=clave-de-prueba"});
        // The demo has no answer for that station.
        QCOMPARE(f.ui.messages,
                 (std::vector<std::string>{
                     "No se ha podido efectuar la consulta",
                     "No se ha podido dibujar la gráfica de la estación automática 6155A."}));
    }

    void provincesTurnCapitalInPlaceAndTheEntriesStayTheSame() {
        EmaFixture f;
        const int malaga = f.indexOf("6155AX");
        QVERIFY(malaga >= 0);
        QCOMPARE(text::toUtf8(f.session.emaList.records[std::size_t(malaga)].province), std::string("Málaga"));
        const QStringList first = f.entriesOfTheDialog();
        QCOMPARE(first.size(), f.session.emaList.count);
        QCOMPARE(first[malaga], QStringLiteral("MÁLAGA AEROPUERTO   /   MÁLAGA"));
        QCOMPARE(text::toUtf8(f.session.emaList.records[std::size_t(malaga)].province), std::string("MÁLAGA"));
        QCOMPARE(f.entriesOfTheDialog(), first);
        QVERIFY(f.requested().empty());
    }
};

QTEST_MAIN(AutomaticStationTest)
#include "automaticstation_test.moc"
