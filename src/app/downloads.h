// The fetches of the commands: the download picture and the busy cursor
// around each transfer, the Spanish message of a failure, and the retrieval
// flags of the session that the next steps of a command read.
#pragma once

#include "app/commandcontext.h"
#include "net/downloadsession.h"

#include <string>

namespace brisalta {

// Puts the session back as it was before a command whose transfer failed or
// was cancelled (the picture on screen, its data, the selection), keeping only
// the retrieval flags that say how the transfer went.
void putBack(SessionState& session, const SessionState& before);

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

    // The message of a failed transfer: the sentence that says what happened
    // (or "Error de Internet."), Windows-1252, at most 1023 bytes.
    static std::string transferErrorText(const DownloadResult& result);

    // True once the user has cancelled one of this command's transfers: the
    // command is to stop and leave the picture as it was. A cancel is not a
    // failure to report: no message is shown for it, and downloadFailed is set
    // so that no later fetch of the command runs.
    bool cancelled() const { return mCancelled; }

private:
    bool pageWasGood() const;
    // The flags and the message of one HTTP fetch. `sharedDownloader` is false
    // for the query page, whose failure does not stop the command.
    void applyHttpResult(const DownloadResult& result, bool sharedDownloader);
    void message(const char* utf8Text, const std::string& caption = {});

    // Notes a cancelled transfer; true when the result was one.
    bool noteCancel(const DownloadResult& result);

    CommandContext& mContext;
    DownloadSession mSession;
    bool mCancelled = false;
};

} // namespace brisalta
