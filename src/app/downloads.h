// The fetches of the commands: the download picture and the busy cursor
// around each transfer, the Spanish message of a failure, and the retrieval
// flags of the session that the next steps of a command read.
#pragma once

#include "app/commandcontext.h"
#include "net/downloadsession.h"

#include <string>

namespace brisalta {

class Downloads {
public:
    explicit Downloads(CommandContext& context);

    // The current-conditions page of selection.icao. Sets downloadFailed and
    // downloadOk; ends any second-service sounding choice.
    DownloadResult currentConditions();

    // The sounding of the selection: the second service's page when
    // sounding.fromSecondService is set, else the text-list service's. A page
    // the service refuses clears soundingShown and soundingAvailable.
    DownloadResult sounding();

    // The METAR query page, only after a good current-conditions page
    // (downloadOk = 1 and downloadFailed not set); otherwise it only clears
    // stationFileFetched and asks nothing.
    void queryPage();

    // The Banyeres school station table.
    DownloadResult banyeresFile();

    // The per-station METAR file by FTP, on the same condition as the query
    // page; sets stationFileFetched when it came.
    void stationFile();

    // The message of a failed transfer: the platform's text (or "Error de
    // Internet."), Windows-1252, at most 1023 bytes.
    static std::string transferErrorText(const DownloadResult& result);

private:
    bool pageWasGood() const;
    // The flags and the message of one HTTP fetch. `sharedDownloader` is false
    // for the query page, whose failure does not stop the command.
    void applyHttpResult(const DownloadResult& result, bool sharedDownloader);
    void message(const char* utf8Text, const std::string& caption = {});

    CommandContext& mContext;
    DownloadSession mSession;
};

} // namespace brisalta
