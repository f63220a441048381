// The transport port: the three ways the program copies a remote document.
// CurlTransport speaks to the real services; ReplayTransport answers from files
// in a folder (tests, demo, offline use).
#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace brisalta {

// Why a transfer failed, for the callers that word their own message.
enum class TransferFailure {
    None,
    NoSession,  // the internet layer could not start at all
    Connection, // no answer: unknown host, refused connection, log-in refused, broken link
    NotFound,   // the server answered but has no such directory or file (or nothing is recorded)
    Other,      // anything else: a malformed address, a local file that cannot be written...
    TimedOut,   // the server did not answer in time, went silent, trickled, or the
                // document took longer than its time limit
    TooLarge,   // the answer passed the size limit of its kind and was stopped
    Cancelled,  // the user stopped the transfer (the "Cancelar" button, Ctrl+C)
};

// Outcome of one transfer as the platform's internet layer reports it.
struct TransferResult {
    bool ok = false;
    int status = 0;    // HTTP status code when known, else 0
    std::string error; // what happened, one Spanish sentence (UTF-8) when !ok; the
                       // library's own wording goes to the debug log only
    TransferFailure failure = TransferFailure::None; // set when !ok
    // A redirect answer (status 3xx): where it points, as an absolute address
    // when the transport can resolve it, else as the server wrote it. Never
    // followed by httpGet itself.
    std::string location;
};

class Transport {
public:
    virtual ~Transport() = default;

    // Receives one read of an HTTP body: a line with its line feed, or at most
    // 1022 bytes of a longer line. Returning false stops the transfer; a transfer
    // stopped that way still reports ok.
    using ReadSink = std::function<bool(std::string_view read)>;

    // HTTP or HTTPS GET of an absolute address, reloaded from the server (no
    // cache), without following redirects, with the given extra request headers
    // ("Name: value").
    virtual TransferResult httpGet(const std::string& url, const std::vector<std::string>& headers,
                                   const ReadSink& sink) = 0;

    // Plain download of one address (ftp://, http://, https://) to one file.
    // An HTTP answer is written whatever its status (error pages carry text the
    // readers look for). A failed transfer leaves no file at filePath.
    virtual TransferResult download(const std::string& url, const std::string& filePath) = 0;

    // FTP: anonymous log-in to the server ("host" or "host:port"), change to the
    // directory, retrieve the file into localPath. A failed transfer leaves no
    // file at localPath.
    virtual TransferResult ftpRetrieve(const std::string& server, const std::string& directory,
                                       const std::string& remoteFile,
                                       const std::string& localPath) = 0;

    // A flag another thread (or a signal handler) raises to stop the transfer
    // in progress: it then ends soon with TransferFailure::Cancelled and leaves
    // no file behind. The transport only reads the flag; whoever raises it
    // lowers it. Transports whose transfers cannot hang ignore it.
    virtual void setCancelFlag(const std::atomic<bool>* flag) { (void)flag; }
};

} // namespace brisalta
