// Runs every transfer of another transport on a worker thread while the window
// keeps repainting. The calling command still sees a blocking call: reads reach
// its sink on the window's thread, in order, and the window takes no input
// until the transfer ends, except the "Cancelar" button of the busy panel (and
// Escape), which stops the transfer at once.
#pragma once

#include "ports/transport.h"

#include <QPointer>
#include <QWidget>

#include <atomic>
#include <memory>

namespace brisalta::ui {

class CTransferPanel;

class ThreadedTransport : public Transport {
public:
    explicit ThreadedTransport(Transport& inner);
    ~ThreadedTransport() override;

    // The window the busy panel appears over.
    void setWindow(QWidget* window) { mWindow = window; }
    // How long a transfer runs before the panel appears, in milliseconds.
    void setPanelDelay(int milliseconds) { mPanelDelay = milliseconds; }

    // Stops the transfer in progress (what the "Cancelar" button does).
    void cancel() { mCancel = true; }

    TransferResult httpGet(const std::string& url, const std::vector<std::string>& headers,
                           const ReadSink& sink) override;
    TransferResult download(const std::string& url, const std::string& filePath) override;
    TransferResult ftpRetrieve(const std::string& server, const std::string& directory,
                               const std::string& remoteFile, const std::string& localPath) override;

private:
    struct Exchange;
    using Work = std::function<TransferResult(Exchange&)>;
    TransferResult runInWorker(const Work& work, const ReadSink* sink);

    Transport& mInner;
    std::atomic<bool> mCancel{false};
    std::unique_ptr<CTransferPanel> mPanel;
    QPointer<QWidget> mWindow;
    int mPanelDelay = 300;
};

} // namespace brisalta::ui
