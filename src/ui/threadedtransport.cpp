// Transfers on a worker thread, reads delivered on the window's thread.
#include "ui/threadedtransport.h"

#include "ui/transferpanel.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QObject>

#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace brisalta::ui {

// State shared between the window's thread and the worker.
struct ThreadedTransport::Exchange {
    std::mutex mutex;
    std::deque<std::string> reads;
    bool done = false;
    TransferResult result;
    std::atomic<bool> abort{false};
    std::function<void()> wake; // wakes the waiting event loop; callable from the worker
};

ThreadedTransport::ThreadedTransport(Transport& inner)
    : mInner(inner), mPanel(std::make_unique<CTransferPanel>([this] { cancel(); })) {
    mInner.setCancelFlag(&mCancel);
}

ThreadedTransport::~ThreadedTransport() {
    mInner.setCancelFlag(nullptr);
}

// Runs work on a worker thread and spins a local event loop (repaints, and the
// busy panel's button) until it has finished, handing each queued read to the sink.
TransferResult ThreadedTransport::runInWorker(const Work& work, const ReadSink* sink) {
    mCancel = false;
    auto exchange = std::make_shared<Exchange>();
    QObject waker; // lives on this thread; the worker posts empty calls to wake the loop
    exchange->wake = [&waker] { QMetaObject::invokeMethod(&waker, [] {}, Qt::QueuedConnection); };

    std::thread worker([exchange, &work] {
        TransferResult result = work(*exchange);
        {
            std::lock_guard<std::mutex> lock(exchange->mutex);
            exchange->result = std::move(result);
            exchange->done = true;
        }
        exchange->wake();
    });

    mPanel->begin(mWindow, mPanelDelay);
    QEventLoop loop;
    bool sinkWantsMore = true;
    for (;;) {
        std::deque<std::string> reads;
        bool done = false;
        {
            std::lock_guard<std::mutex> lock(exchange->mutex);
            reads.swap(exchange->reads);
            done = exchange->done;
        }
        for (const std::string& read : reads) {
            if (sinkWantsMore && sink && !(*sink)(read)) {
                sinkWantsMore = false;
                exchange->abort = true;
            }
        }
        if (done) {
            break;
        }
        // A cancelled transfer stops handing over reads: nothing of it counts.
        if (mCancel) {
            sinkWantsMore = false;
            exchange->abort = true;
        }
        loop.processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    worker.join();
    mPanel->end();
    QCoreApplication::removePostedEvents(&waker);
    TransferResult result = exchange->result;
    // A transport that cannot be interrupted still ran to its end; the user's
    // cancel wins all the same.
    if (mCancel && result.failure != TransferFailure::Cancelled) {
        result = {};
        result.failure = TransferFailure::Cancelled;
        result.error = "Se ha cancelado la descarga.";
    }
    mCancel = false;
    return result;
}

TransferResult ThreadedTransport::httpGet(const std::string& url,
                                          const std::vector<std::string>& headers,
                                          const ReadSink& sink) {
    return runInWorker(
        [&](Exchange& exchange) {
            return mInner.httpGet(url, headers, [&exchange](std::string_view read) {
                if (exchange.abort) {
                    return false;
                }
                {
                    std::lock_guard<std::mutex> lock(exchange.mutex);
                    exchange.reads.emplace_back(read);
                }
                exchange.wake();
                return true;
            });
        },
        &sink);
}

TransferResult ThreadedTransport::download(const std::string& url, const std::string& filePath) {
    return runInWorker([&](Exchange&) { return mInner.download(url, filePath); }, nullptr);
}

TransferResult ThreadedTransport::ftpRetrieve(const std::string& server, const std::string& directory,
                                              const std::string& remoteFile,
                                              const std::string& localPath) {
    return runInWorker(
        [&](Exchange&) { return mInner.ftpRetrieve(server, directory, remoteFile, localPath); },
        nullptr);
}

} // namespace brisalta::ui
