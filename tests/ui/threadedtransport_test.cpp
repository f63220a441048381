// Transfers on a worker thread: the command still sees a blocking call whose
// reads arrive in order on the window's thread, and the window keeps painting.
#include "ui/threadedtransport.h"

#include <QApplication>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <thread>

using namespace brisalta;

namespace {

// A slow transport: each read comes after a pause, from whatever thread runs it.
class SlowTransport : public Transport {
public:
    TransferResult httpGet(const std::string&, const std::vector<std::string>&,
                           const ReadSink& sink) override {
        worker = QThread::currentThread();
        for (int i = 0; i < 5; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            if (!sink("línea " + std::to_string(i) + "\n")) {
                ++stoppedAt;
                break;
            }
        }
        TransferResult r;
        r.ok = true;
        r.status = 200;
        return r;
    }
    TransferResult download(const std::string&, const std::string&) override {
        worker = QThread::currentThread();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        TransferResult r;
        r.ok = false;
        r.error = "sin conexión";
        return r;
    }
    TransferResult ftpRetrieve(const std::string&, const std::string&, const std::string&,
                               const std::string&) override {
        return {};
    }

    QThread* worker = nullptr;
    int stoppedAt = 0;
};

} // namespace

class ThreadedTransportTest : public QObject {
    Q_OBJECT

private slots:
    void deliversReadsInOrderOnTheCallingThreadWhileEventsRun() {
        SlowTransport slow;
        ui::ThreadedTransport threaded(slow);
        int timerTicks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&] { ++timerTicks; });
        timer.start(10);
        std::vector<std::string> reads;
        std::vector<QThread*> sinkThreads;
        const TransferResult result = threaded.httpGet("http://x/", {}, [&](std::string_view r) {
            reads.emplace_back(r);
            sinkThreads.push_back(QThread::currentThread());
            return true;
        });
        QVERIFY(result.ok);
        QCOMPARE(reads.size(), std::size_t{5});
        QCOMPARE(reads.front(), std::string("línea 0\n"));
        QCOMPARE(reads.back(), std::string("línea 4\n"));
        QVERIFY(slow.worker != QThread::currentThread());
        for (QThread* t : sinkThreads) {
            QCOMPARE(t, QThread::currentThread());
        }
        QVERIFY2(timerTicks > 3, "the window's events kept running during the transfer");
    }

    void aSinkThatStopsEndsTheTransfer() {
        SlowTransport slow;
        ui::ThreadedTransport threaded(slow);
        int calls = 0;
        threaded.httpGet("http://x/", {}, [&](std::string_view) { return ++calls < 2; });
        QCOMPARE(calls, 2);
        QCOMPARE(slow.stoppedAt, 1);
    }

    void failuresComeBackAsTheyAre() {
        SlowTransport slow;
        ui::ThreadedTransport threaded(slow);
        const TransferResult result = threaded.download("ftp://x/y", "/tmp/no-se-escribe");
        QVERIFY(!result.ok);
        QCOMPARE(result.error, std::string("sin conexión"));
        QVERIFY(slow.worker != QThread::currentThread());
    }
};

QTEST_MAIN(ThreadedTransportTest)
#include "threadedtransport_test.moc"
