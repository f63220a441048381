// The download layer: copies every remote document the program shows into its
// file in the private temporary folder, with the services' request headers and
// the rejection tests of the sounding and METAR pages. Outcomes are reported as
// they always were, through the session flags (downloadFailed, downloadOk,
// stationFileFetched, ...) and Spanish messages; nothing is returned or thrown.
#pragma once

#include "app/commandcontext.h"
#include "ports/places.h"
#include "ports/transport.h"
#include "ports/ui.h"
#include "session/sessionstate.h"
#include "settings/services.h"

#include <filesystem>
#include <string>

namespace brisalta {

// Plain download of one address to one file (ftp://, http://, https://). A
// previous file of that name is removed first, so a failed download leaves no
// file instead of an old document that would pass for the new one. Callers do
// not have to look at the result: the reader notices the missing file.
TransferResult DownloadUrlToFile(Transport& transport, const std::string& url,
                                 const std::filesystem::path& filePath);

class DownloadSession {
public:
    explicit DownloadSession(const CommandContext& context);
    DownloadSession(SessionState& session, Ui& ui, Transport& transport, const Places& places,
                    const ServiceTable& services);

    // The shared downloader. soundingFetch = 0: the current-conditions page of
    // selection.icao into "temp.htm". soundingFetch = 1: the chosen sounding
    // into "sondeo.tmp" (text-list service) or "sondeoNuevo.tmp" (second
    // service, when sounding.fromSecondService). Sets downloadFailed and
    // downloadOk; a rejected sounding page clears soundingShown and
    // soundingAvailable.
    void fetchGraphOrSounding();

    // The METAR query page of selection.icao into "addsmetar.tmp". Runs only
    // after a good current-conditions download (downloadOk = 1, downloadFailed
    // not 1); otherwise it only clears stationFileFetched.
    void fetchQueryPage();

    // The Banyeres school station table into "datosBanyeres.tmp".
    void fetchBanyeresFile();

    // The per-station METAR file "<icao>.TXT" by FTP into "tempMet.txt"; sets
    // stationFileFetched on success. Like the query page it runs only after a
    // good current-conditions download.
    void fetchStationFile();

private:
    enum class Caller { SharedDownloader, QueryPage, Banyeres };

    void httpGetToFile(const std::string& url, const std::filesystem::path& filePath,
                       Caller caller);
    void rejectPage();
    void showTransferError(const TransferResult& result, const std::string& caption);
    std::filesystem::path tempFile(const char* name) const;

    SessionState& mSession;
    Ui& mUi;
    Transport& mTransport;
    const Places& mPlaces;
    const ServiceTable& mServices;
};

} // namespace brisalta
