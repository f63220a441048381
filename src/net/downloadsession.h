// The download layer: copies one remote document into its file in the private
// temporary folder, with the services' request headers and the rejection tests
// of the sounding and METAR pages, and says how it went. It shows nothing and
// touches no session state: the commands word the messages and set the flags.
#pragma once

#include "ports/transport.h"
#include "session/sessionstate.h"
#include "net/transferlimits.h"
#include "settings/services.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace brisalta {

// How one fetch ended.
enum class DownloadStatus {
    Ok,             // the document is in its file
    BadAddress,     // not an http:// or https:// address; nothing was asked
    CannotWrite,    // the temporary file could not be created or written
    NotFound,       // the server says there is no such document: a "404 Not Found"
                    // read or status (shared downloader only)
    ErrorPage,      // the answer starts with the text-list service's error body
    TransferFailed, // no answer, refused, time-out, an error status, too large, cut or
                    // cancelled: `failure` says which and `error` says it in Spanish
    // The FTP station file only:
    BadBase,        // the configured base address is not an ftp:// address
    NoSession,      // the internet layer could not start
    NoFile,         // the server has no such file, or any other failure
    // Today's services only:
    RedirectRefused, // a redirect away from HTTPS or from the service, or a second
                     // redirect in a row; `error` holds where it pointed
};

struct DownloadResult {
    DownloadStatus status = DownloadStatus::Ok;
    std::string error; // one Spanish sentence (UTF-8) for TransferFailed and a failed FTP
    TransferFailure failure = TransferFailure::None; // how the transport failed, when it did
    std::filesystem::path file; // where the document is (or would have been)

    // An answer of today's services (DownloadSession::serviceAnswer):
    int httpStatus = 0;  // the status the answer came with
    std::string body;    // the whole body
    std::string address; // the address that answered: the one asked, or a redirect's target

    bool ok() const { return status == DownloadStatus::Ok; }
};

// The User-Agent of the requests to today's services: the program and its version.
extern const char* const kServiceUserAgent;

// Plain download of one address to one file (ftp://, http://, https://). A
// previous file of that name is removed first, so a failed download leaves no
// file instead of an old document that would pass for the new one. A file
// larger than maxBytes is removed and reported as TransferFailure::TooLarge
// (the transports stop a live answer sooner).
TransferResult DownloadUrlToFile(Transport& transport, const std::string& url,
                                 const std::filesystem::path& filePath,
                                 std::uint64_t maxBytes = limits::kPageBytes);

class DownloadSession {
public:
    DownloadSession(Transport& transport, std::filesystem::path tempFolder,
                    const ServiceTable& services);

    // The NOAA current-conditions page of an airport into "temp.htm", by the
    // plain download. A page the server does not have is silent (the reader
    // finds no page, status Ok); any other failure (no answer, time-out, too
    // large, cancelled...) is TransferFailed.
    DownloadResult currentConditions(std::string_view icao);

    // The text-list sounding of the selection's station, date and hour into
    // "sondeo.tmp" (the plain download when the address names the NOAA host).
    DownloadResult textListSounding(const StationSelection& selection);

    // The second sounding service's page of a station into "sondeoNuevo.tmp".
    DownloadResult secondServiceSounding(std::string_view stationId, int secondServiceDate);

    // The METAR query page of an airport into "addsmetar.tmp". A "404 Not
    // Found" is kept: only the error body refuses the page.
    DownloadResult queryPage(std::string_view icao);

    // The Banyeres school station table into "datosBanyeres.tmp", with the
    // same tests as the query page.
    DownloadResult banyeresFile();

    // The per-station METAR file "<icao>.TXT" by FTP into "tempMet.txt".
    // A file the server does not have is NoFile; no answer, a time-out, a
    // file past its size limit or a cancel are TransferFailed.
    DownloadResult stationFile(std::string_view icao);

    // One answer of today's services (the data API, the mesonet, the new
    // sounding interface), held in memory rather than in a file: a GET of
    // `url` with the program's own User-Agent (kServiceUserAgent). Any HTTP
    // status is an answer (Ok, with httpStatus and body). A redirect is
    // followed once when redirectAllowed() allows it, and `address` is then
    // its target; one it does not allow, or a second one, is RedirectRefused.
    // The body is cut after maxBytes + 1 bytes, so that a reader refusing
    // answers over maxBytes still sees that this one is too large. Nothing is
    // retried.
    DownloadResult serviceAnswer(const std::string& url, std::size_t maxBytes);

private:
    // The shared downloader's tests ("404 Not Found" anywhere, status 404) apply
    // only to the sounding and the current-conditions documents.
    enum class Tests { Shared, ErrorBodyOnly };

    DownloadResult sharedFetch(const std::string& url, const char* fileName);
    // One GET into memory; `redirect` receives the absolute target of a
    // redirect answer (3xx with a location), else is emptied.
    DownloadResult serviceGet(const std::string& url, std::size_t maxBytes, std::string& redirect);
    DownloadResult httpGetToFile(const std::string& url, const std::filesystem::path& filePath,
                                 Tests tests);

    Transport& mTransport;
    std::filesystem::path mTempFolder;
    const ServiceTable& mServices;
};

} // namespace brisalta
