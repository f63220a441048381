// The transport port: the three ways the program copies a remote document.
// CurlTransport speaks to the real services; ReplayTransport answers from files
// in a folder (tests, demo, offline use).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace brisalta {

// Outcome of one transfer as the platform's internet layer reports it.
struct TransferResult {
    bool ok = false;
    int status = 0;    // HTTP status code when known, else 0
    std::string error; // the platform's error text when !ok (UTF-8)
};

class Transport {
public:
    virtual ~Transport() = default;

    // Receives one read of an HTTP body: a line with its line feed, or at most
    // 1022 bytes of a longer line. Returning false stops the transfer.
    using ReadSink = std::function<bool(std::string_view read)>;

    // HTTP or HTTPS GET of an absolute address, reloaded from the server (no
    // cache), without following redirects, with the given extra request headers
    // ("Name: value").
    virtual TransferResult httpGet(const std::string& url, const std::vector<std::string>& headers,
                                   const ReadSink& sink) = 0;

    // Plain download of one address (ftp://, http://, https://) to one file.
    virtual TransferResult download(const std::string& url, const std::string& filePath) = 0;

    // FTP: anonymous log-in to the server, change to the directory, retrieve the
    // file into localPath.
    virtual TransferResult ftpRetrieve(const std::string& server, const std::string& directory,
                                       const std::string& remoteFile,
                                       const std::string& localPath) = 0;
};

} // namespace brisalta
