// The Transport port over libcurl: HTTP(S) GET streamed in line reads, plain
// address-to-file download, FTP retrieve after a change of directory. Each
// transfer uses a fresh handle, so nothing is cached or reused between calls,
// and the object may be used from a worker thread. Every transfer ends: it has
// a connection time-out, a slowest acceptable speed, a time limit for the whole
// document and a size limit, and it stops when the cancel flag is raised.
#pragma once

#include "ports/transport.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>

namespace brisalta {

struct CurlLimits {
    std::chrono::milliseconds connect{20000};      // name look-up and connection
    std::chrono::milliseconds slowTime{20000};     // slower than slowBytesPerSecond this long:
                                                   // abandoned (whole seconds); also the
                                                   // longest wait for an FTP reply
    long slowBytesPerSecond = 100;
    std::chrono::milliseconds page{60000};         // a whole page or answer (httpGet, download)
    std::chrono::milliseconds stationFile{120000}; // a whole FTP station file (ftpRetrieve)
    std::uint64_t maxBytes = 4u * 1024 * 1024;     // the largest answer taken, in bytes

    // The real limits, with the time limits of the environment variable
    // BRISALTA_PLAZOS when it is set (tests: "conexion=2,lento=2,pagina=4,fichero=6",
    // whole seconds, any of the four keys); malformed entries are ignored.
    static CurlLimits fromEnvironment();
};

class CurlTransport : public Transport {
public:
    using Limits = CurlLimits;

    // caFile: a PEM file of the certificate authorities to trust instead of
    // the system's (a test's own HTTPS server); empty for the system's.
    explicit CurlTransport(Limits limits = Limits::fromEnvironment(), std::string caFile = {});

    // GET without following redirects, with the caller's headers plus
    // "Cache-Control: no-cache" and "Pragma: no-cache"; TLS certificates are
    // verified. Any HTTP status is a completed transfer (see status); a
    // redirect's target is in `location`, resolved against the address.
    TransferResult httpGet(const std::string& url, const std::vector<std::string>& headers,
                           const ReadSink& sink) override;

    // ftp://, http:// or https:// to a file; HTTP redirects are followed (to
    // http and https only, at most 5), as the desktop's own download does.
    TransferResult download(const std::string& url, const std::string& filePath) override;

    // Anonymous log-in, "CWD <directory>", then RETR of the file, in passive mode.
    TransferResult ftpRetrieve(const std::string& server, const std::string& directory,
                               const std::string& remoteFile,
                               const std::string& localPath) override;

    void setCancelFlag(const std::atomic<bool>* flag) override { mCancel = flag; }

    const Limits& limits() const { return mLimits; }

private:
    Limits mLimits;
    std::string mCaFile;
    const std::atomic<bool>* mCancel = nullptr;
};

} // namespace brisalta
