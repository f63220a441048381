// Runs every transfer of another transport on a worker thread while the window
// keeps repainting. The calling command still sees a blocking call: reads reach
// its sink on the window's thread, in order, and user input waits until the
// transfer ends.
#pragma once

#include "ports/transport.h"

namespace brisalta::ui {

class ThreadedTransport : public Transport {
public:
    explicit ThreadedTransport(Transport& inner) : mInner(inner) {}

    TransferResult httpGet(const std::string& url, const std::vector<std::string>& headers,
                           const ReadSink& sink) override;
    TransferResult download(const std::string& url, const std::string& filePath) override;
    TransferResult ftpRetrieve(const std::string& server, const std::string& directory,
                               const std::string& remoteFile, const std::string& localPath) override;

private:
    Transport& mInner;
};

} // namespace brisalta::ui
