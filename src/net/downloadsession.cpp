// The download layer over the Transport port.
#include "net/downloadsession.h"

#include "ports/busycursor.h"

#include "net/serviceaddresses.h"
#include "net/tempfiles.h"
#include "net/urlparts.h"
#include "text/codepage.h"
#include "text/format.h"
#include "text/textutil.h"

#include <exception>
#include <fstream>
#include <string_view>
#include <system_error>
#include <vector>

namespace brisalta {
namespace {

namespace fs = std::filesystem;

// Sent with every HTTP request of the layer.
const std::vector<std::string> kRequestHeaders = {"Accept: text/*", "User-Agent: MFC_Tear_Sample"};

// The text-list service answers an unknown station or date with a page that
// starts with this line instead of an error status.
constexpr std::string_view kErrorBodyStart = "<BODY BGCOLOR=white>";
constexpr std::string_view kNotFound = "404 Not Found";

// Error texts are shown from a 1024-byte buffer.
constexpr std::size_t kErrorTextLimit = 1023;

constexpr const char* kUrlErrorCaption = "Error en URL";
constexpr const char* kTransferErrorCaption = "ERROR";

// A transport that throws is reported like one that fails: no exception leaves
// a command.
template <typename Transfer> TransferResult guarded(Transfer transfer) {
    try {
        return transfer();
    } catch (const std::exception& e) {
        TransferResult failed;
        failed.error = e.what();
        failed.failure = TransferFailure::Other;
        return failed;
    }
}

void removeQuietly(const fs::path& path) {
    std::error_code ignored;
    fs::remove(path, ignored);
}

void message(Ui& ui, const char* utf8Text, const std::string& caption = {}) {
    ui.showMessage(text::cp1252(utf8Text), MessageIcon::None, caption);
}

} // namespace

TransferResult DownloadUrlToFile(Transport& transport, const std::string& url,
                                 const fs::path& filePath) {
    removeQuietly(filePath);
    TransferResult result = guarded([&] { return transport.download(url, filePath.string()); });
    if (!result.ok) {
        removeQuietly(filePath);
    }
    return result;
}

DownloadSession::DownloadSession(const CommandContext& context)
    : DownloadSession(context.session, context.ui, context.transport, context.places,
                      context.services) {}

DownloadSession::DownloadSession(SessionState& session, Ui& ui, Transport& transport,
                                 const Places& places, const ServiceTable& services)
    : mSession(session), mUi(ui), mTransport(transport), mPlaces(places), mServices(services) {}

fs::path DownloadSession::tempFile(const char* name) const {
    return mPlaces.tempFolder() / name;
}

void DownloadSession::fetchGraphOrSounding() {
    SessionState& s = mSession;
    SoundingProfile& sounding = s.sounding;
    s.downloadFailed = 0;
    BusyCursor busy(mUi);

    const bool secondService = s.soundingFetch == 1 && sounding.fromSecondService == 1;
    const int variant = secondService && s.soundingDialogUsed == 1 ? 1 : 0;
    // A download that is not a sounding ends the second-service choice.
    if (s.soundingFetch == 0) {
        sounding.fromSecondService = 0;
        s.soundingDialogUsed = 0;
    } else if (sounding.fromSecondService == 0) {
        s.soundingDialogUsed = 0;
    }
    mUi.showDownloadPicture(variant);

    std::string url;
    fs::path file;
    if (s.soundingFetch == 0) {
        url = currentConditionsAddress(mServices, s.selection.icao.view());
        file = tempFile(tempfiles::kCurrentConditions);
    } else if (secondService) {
        url = secondSoundingAddress(mServices, s.selection.soundingStationId,
                                    sounding.secondServiceDate);
        file = tempFile(tempfiles::kSecondSounding);
    } else {
        url = soundingListAddress(mServices, s.selection);
        file = tempFile(tempfiles::kSoundingList);
    }

    // The NOAA pages come by FTP: plain download, no rejection tests.
    if (text::textContains(noaaHostLabel(mServices), url)) {
        DownloadUrlToFile(mTransport, url, file);
        s.downloadOk = 1;
    } else {
        httpGetToFile(url, file, Caller::SharedDownloader);
    }
}

void DownloadSession::fetchQueryPage() {
    if (mSession.downloadOk != 1 || mSession.downloadFailed == 1) {
        mSession.stationFileFetched = 0;
        return;
    }
    BusyCursor busy(mUi);
    httpGetToFile(queryPageAddress(mServices, mSession.selection.icao.view()),
                  tempFile(tempfiles::kQueryPage), Caller::QueryPage);
}

void DownloadSession::fetchBanyeresFile() {
    mSession.downloadFailed = 0;
    BusyCursor busy(mUi);
    mUi.showDownloadPicture(mSession.sounding.fromSecondService == 1 ? 1 : 0);
    httpGetToFile(banyeresAddress(mServices), tempFile(tempfiles::kBanyeres), Caller::Banyeres);
}

void DownloadSession::fetchStationFile() {
    // Set again only by a file fetched in this command.
    mSession.stationFileFetched = 0;
    if (mSession.downloadOk != 1 || mSession.downloadFailed == 1) {
        return;
    }
    BusyCursor busy(mUi);
    const auto base = splitUrl(stationFileBaseAddress(mServices));
    if (!base || base->scheme != "ftp") {
        message(mUi, "URL inválido.");
        return;
    }
    const std::string server =
        base->explicitPort ? base->host + text::format(":%d", base->port) : base->host;
    const fs::path local = tempFile(tempfiles::kStationFile);
    removeQuietly(local);
    const std::string remoteFile = mSession.selection.icao.str() + ".TXT";
    const TransferResult result = guarded([&] {
        return mTransport.ftpRetrieve(server, kStationFileDirectory, remoteFile, local.string());
    });
    if (result.ok) {
        mSession.stationFileFetched = 1;
        return;
    }
    removeQuietly(local);
    switch (result.failure) {
    case TransferFailure::NoSession:
        message(mUi, "No se encuentra ninguna sesión de Internet válida.");
        break;
    case TransferFailure::Connection:
        showTransferError(result, {});
        break;
    default:
        message(mUi, "No se ha encontrado fichero.");
        break;
    }
}

void DownloadSession::httpGetToFile(const std::string& url, const fs::path& filePath,
                                    Caller caller) {
    const auto parts = splitUrl(url);
    if (!parts || (parts->scheme != "http" && parts->scheme != "https")) {
        message(mUi, "Error: Solo se pueden usar direcciones que comiencen con http://",
                kUrlErrorCaption);
        mSession.downloadOk = 1;
        return;
    }

    removeQuietly(filePath);
    std::ofstream out(filePath, std::ios::binary | std::ios::trunc);
    if (!out) {
        message(mUi, "No se han podido encontrar, en estos momentos, datos sobre dicha estación.");
        mSession.downloadOk = 1;
        return;
    }

    bool firstRead = true;
    bool rejected = false;
    bool writeFailed = false;
    const auto sink = [&](std::string_view read) {
        out.write(read.data(), static_cast<std::streamsize>(read.size()));
        if (!out) {
            writeFailed = true;
            return false;
        }
        // Error pages arrive with an ordinary status: recognise them by their text.
        if (caller == Caller::SharedDownloader && text::textContains(kNotFound, read)) {
            mSession.downloadOk = 0;
            rejected = true;
            return false;
        }
        if (firstRead) {
            firstRead = false;
            if (read.substr(0, kErrorBodyStart.size()) == kErrorBodyStart) {
                rejected = true;
                return false;
            }
        }
        return true;
    };
    const TransferResult result =
        guarded([&] { return mTransport.httpGet(url, kRequestHeaders, sink); });
    out.close();

    // Servers of today answer a missing document with status 404 and a body of
    // their own wording.
    if (!rejected && !writeFailed && result.ok && caller == Caller::SharedDownloader &&
        result.status == 404) {
        mSession.downloadOk = 0;
        rejected = true;
    }
    if (rejected) {
        removeQuietly(filePath);
        rejectPage();
        return;
    }
    if (writeFailed || !out) {
        removeQuietly(filePath);
        message(mUi, "No se han podido encontrar, en estos momentos, datos sobre dicha estación.");
    } else if (!result.ok) {
        // A half-written page must not pass for a whole one.
        removeQuietly(filePath);
        showTransferError(result, kTransferErrorCaption);
        if (caller != Caller::QueryPage) {
            mSession.downloadFailed = 1;
        }
    }
    mSession.downloadOk = 1;
}

void DownloadSession::rejectPage() {
    mSession.soundingShown = 0;
    mSession.soundingAvailable = 0;
    message(mUi, "No se puede encontrar dicha estación o no es válida la fecha o la hora.");
}

void DownloadSession::showTransferError(const TransferResult& result, const std::string& caption) {
    std::string errorText =
        text::cp1252(result.error.empty() ? "Error de Internet." : result.error);
    if (errorText.size() > kErrorTextLimit) {
        errorText.resize(kErrorTextLimit);
    }
    mUi.showMessage(errorText, MessageIcon::None, caption);
}

} // namespace brisalta
