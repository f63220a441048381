// The busy state of a download in the window: the "Cancelar" button and
// Escape stop a transfer at once (a real one, against a loopback server that
// never answers), the rest of the window takes no input meanwhile, and a
// cancelled command leaves the picture on screen as it was.
#include "uifixture.h"

#include "adapters/curl/curltransport.h"
#include "adapters/loopbackserver.h"
#include "app/pictures.h"
#include "app/soundingcommands.h"
#include "ui/threadedtransport.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <chrono>

using namespace brisalta;
using namespace std::chrono_literals;

namespace {

std::string silentAddress() {
    return "http://127.0.0.1:" + std::to_string(test::dataHttpServer().port()) + "/falla/silencio";
}

// Limits far longer than the test: only the cancel can end the transfer.
CurlTransport::Limits patient() {
    CurlTransport::Limits limits;
    limits.slowTime = 120000ms;
    limits.page = 300000ms;
    limits.stationFile = 300000ms;
    return limits;
}

QPushButton* cancelButton() {
    for (QWidget* widget : QApplication::allWidgets()) {
        if (widget->objectName() == QLatin1String("cancelarDescarga") && widget->isVisible()) {
            return qobject_cast<QPushButton*>(widget);
        }
    }
    return nullptr;
}

// Runs `act` once the busy panel is up (polling every 20 ms, for at most 10 s).
void whenPanelShows(const std::function<void(QPushButton*)>& act) {
    auto* timer = new QTimer;
    auto* waited = new int(0);
    QObject::connect(timer, &QTimer::timeout, [timer, waited, act] {
        QPushButton* button = cancelButton();
        if (button || ++*waited > 500) {
            timer->stop();
            timer->deleteLater();
            delete waited;
            act(button);
        }
    });
    timer->start(20);
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

class TransferCancelTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(test::dataHttpServer().port() != 0, "the HTTP fixture did not start");
    }

    void theButtonAndEscapeStopTheTransferAtOnce_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Cancelar") << false;
        QTest::newRow("Escape") << true;
    }

    void theButtonAndEscapeStopTheTransferAtOnce() {
        QFETCH(bool, escape);
        QWidget window;
        auto* other = new QPushButton(QStringLiteral("Otra orden"), &window);
        int otherClicks = 0;
        connect(other, &QPushButton::clicked, [&] { ++otherClicks; });
        window.resize(600, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        CurlTransport curl(patient());
        ui::ThreadedTransport threaded(curl);
        threaded.setWindow(&window);
        threaded.setPanelDelay(100);
        bool panelShown = false;
        whenPanelShows([&](QPushButton* button) {
            panelShown = button != nullptr;
            // Input for the rest of the window waits for the transfer.
            QTest::mouseClick(other, Qt::LeftButton);
            if (escape) {
                QTest::keyClick(&window, Qt::Key_Escape);
            } else if (button) {
                QTest::mouseClick(button, Qt::LeftButton);
            }
        });
        const auto start = std::chrono::steady_clock::now();
        const TransferResult result =
            threaded.httpGet(silentAddress(), {}, [](std::string_view) { return true; });
        const auto took = std::chrono::steady_clock::now() - start;

        QVERIFY(panelShown);
        QCOMPARE(result.failure, TransferFailure::Cancelled);
        QVERIFY2(took < 10s, "the cancel ends the transfer, not a time-out");
        QCOMPARE(otherClicks, 0);
        QVERIFY2(cancelButton() == nullptr, "the panel goes with the transfer");

        // Once the transfer is over, the window takes input again.
        QTest::mouseClick(other, Qt::LeftButton);
        QCOMPARE(otherClicks, 1);
    }

    // The show-sounding command cancelled half-way: the graph it was about to
    // replace is still on screen, with its title, and nothing is said.
    void aCancelledSoundingLeavesTheGraphOnScreen() {
        test::UiFixture f;
        QVERIFY(f.exposed);
        CurlTransport curl(patient());
        ui::ThreadedTransport threaded(curl);
        threaded.setWindow(&f.window);
        threaded.setPanelDelay(100);
        CommandContext context{f.session, f.ui, threaded, f.places, f.clock, f.services};
        f.services.soundingListHost = "127.0.0.1:" + std::to_string(test::dataHttpServer().port());
        SessionState& s = f.session;
        putGraphOnScreen(s);
        s.selection.soundingStationId = "99001"; // the fixture's silent station
        s.selection.soundingDay = "17";
        s.selection.soundingMonth = "7";
        s.selection.soundingYear = "2024";
        s.selection.soundingHour = "12";
        s.sounding.fromSecondService = false;
        redrawPictures(context);
        const std::string title = s.graph.title;
        const std::string header = s.view.headerLine1;

        whenPanelShows([](QPushButton* button) {
            if (button) {
                QTest::mouseClick(button, Qt::LeftButton);
            }
        });
        const auto start = std::chrono::steady_clock::now();
        SoundingCommands(context).showSounding();
        QVERIFY(std::chrono::steady_clock::now() - start < 10s);

        QVERIFY(s.view.graphShown);
        QVERIFY(!s.view.soundingShown);
        QCOMPARE(s.graph.title, title);
        QCOMPARE(s.view.headerLine1, header);
        QCOMPARE(s.graph.temperature[3], 23);
        QVERIFY2(f.ui.messages.empty(), "a cancel is not reported as a failure");
    }
};

QTEST_MAIN(TransferCancelTest)
#include "transfercancel_test.moc"
