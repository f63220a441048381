// A transport that answers every address from recorded files in a folder
// (tests, the demo, offline use). The naming rule is in replaynaming.h; an
// address with no recorded answer fails like an unreachable document.
#pragma once

#include "ports/transport.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace brisalta {

class ReplayTransport : public Transport {
public:
    enum class RequestKind { HttpGet, Download, FtpRetrieve };

    struct Request {
        RequestKind kind;
        std::string address; // the URL; "ftp://<server><directory>/<file>" for a retrieve
    };

    explicit ReplayTransport(std::filesystem::path folder);

    // The HTTP body is handed over in the same line and 1022-byte reads as a
    // live answer; the status comes from "<answer>.status" (200 without it),
    // and a redirect's target (status 3xx) from "<answer>.location".
    TransferResult httpGet(const std::string& url, const std::vector<std::string>& headers,
                           const ReadSink& sink) override;
    TransferResult download(const std::string& url, const std::string& filePath) override;
    TransferResult ftpRetrieve(const std::string& server, const std::string& directory,
                               const std::string& remoteFile,
                               const std::string& localPath) override;

    // Every request so far, oldest first.
    const std::vector<Request>& requests() const { return mRequests; }

    const std::filesystem::path& folder() const { return mFolder; }

private:
    // The recorded answer of an address; with a "comodines.txt" in the folder,
    // an address without its own recording falls back to the one whose listed
    // query parameters have the value "*" (written "_" in the file name).
    std::optional<std::filesystem::path> answerFor(const std::string& url) const;
    TransferResult copyAnswer(const std::string& address,
                              const std::optional<std::filesystem::path>& answer,
                              const std::string& localPath);

    std::filesystem::path mFolder;
    std::vector<Request> mRequests;
};

} // namespace brisalta
