// The Transport port over libcurl: HTTP(S) GET streamed in line reads, plain
// address-to-file download, FTP retrieve after a change of directory. Each
// transfer uses a fresh handle, so nothing is cached or reused between calls,
// and the object may be used from a worker thread.
#pragma once

#include "ports/transport.h"

#include <chrono>
#include <string>

namespace brisalta {

struct CurlTimeouts {
    std::chrono::milliseconds connect{20000};  // name look-up and connection
    std::chrono::milliseconds receive{20000};  // longest silence of the server (whole seconds)
    std::chrono::milliseconds overall{300000}; // cap of one whole transfer
};

class CurlTransport : public Transport {
public:
    using Timeouts = CurlTimeouts;

    // caFile: a PEM file of the certificate authorities to trust instead of
    // the system's (a test's own HTTPS server); empty for the system's.
    explicit CurlTransport(Timeouts timeouts = {}, std::string caFile = {});

    // GET without following redirects, with the caller's headers plus
    // "Cache-Control: no-cache" and "Pragma: no-cache"; TLS certificates are
    // verified. Any HTTP status is a completed transfer (see status); a
    // redirect's target is in `location`, resolved against the address.
    TransferResult httpGet(const std::string& url, const std::vector<std::string>& headers,
                           const ReadSink& sink) override;

    // ftp://, http:// or https:// to a file; HTTP redirects are followed (to
    // http and https only), as the desktop's own download does.
    TransferResult download(const std::string& url, const std::string& filePath) override;

    // Anonymous log-in, "CWD <directory>", then RETR of the file, in passive mode.
    TransferResult ftpRetrieve(const std::string& server, const std::string& directory,
                               const std::string& remoteFile,
                               const std::string& localPath) override;

    const Timeouts& timeouts() const { return mTimeouts; }

private:
    Timeouts mTimeouts;
    std::string mCaFile;
};

} // namespace brisalta
