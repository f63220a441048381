// The commands' fetches, with their pictures, messages and flags.
#include "app/downloads.h"

#include "ports/busycursor.h"
#include "text/codepage.h"

namespace brisalta {
namespace {

// Error texts are shown from a 1024-byte buffer.
constexpr std::size_t kErrorTextLimit = 1023;

constexpr const char* kUrlErrorCaption = "Error en URL";
constexpr const char* kTransferErrorCaption = "ERROR";
constexpr const char* kCannotWrite =
    "No se han podido encontrar, en estos momentos, datos sobre dicha estación.";
constexpr const char* kRejected =
    "No se puede encontrar dicha estación o no es válida la fecha o la hora.";

} // namespace

void putBack(SessionState& session, const SessionState& before) {
    const RetrievalStatus retrieval = session.retrieval;
    session = before;
    session.retrieval = retrieval;
}

Downloads::Downloads(CommandContext& context)
    : mContext(context),
      mSession(context.transport, context.places.tempFolder(), context.services) {}

std::string Downloads::transferErrorText(const DownloadResult& result) {
    std::string errorText =
        text::cp1252(result.error.empty() ? "Error de Internet." : result.error);
    if (errorText.size() > kErrorTextLimit) {
        errorText.resize(kErrorTextLimit);
    }
    return errorText;
}

void Downloads::message(const char* utf8Text, const std::string& caption) {
    mContext.ui.showMessage(text::cp1252(utf8Text), MessageIcon::None, caption);
}

bool Downloads::noteCancel(const DownloadResult& result) {
    if (result.status != DownloadStatus::TransferFailed ||
        result.failure != TransferFailure::Cancelled) {
        return false;
    }
    mCancelled = true;
    mContext.session.retrieval.downloadFailed = true;
    mContext.session.retrieval.cancelled = true;
    mContext.ui.showStatus(text::cp1252("Se ha cancelado la descarga."));
    return true;
}

bool Downloads::pageWasGood() const {
    return mContext.session.retrieval.downloadOk && !mContext.session.retrieval.downloadFailed;
}

DownloadResult Downloads::currentConditions() {
    SessionState& s = mContext.session;
    s.retrieval.downloadFailed = false;
    const BusyCursor busy(mContext.ui);
    // A download that is not a sounding ends the second-service choice.
    s.sounding.fromSecondService = false;
    s.retrieval.soundingDialogUsed = false;
    mContext.ui.showDownloadPicture(0);
    const DownloadResult result = mSession.currentConditions(s.selection.icao.view());
    applyHttpResult(result, true);
    return result;
}

DownloadResult Downloads::sounding() {
    SessionState& s = mContext.session;
    s.retrieval.downloadFailed = false;
    const BusyCursor busy(mContext.ui);
    const bool secondService = s.sounding.fromSecondService;
    // The second service's picture shows only when its date came from the dialog.
    const int variant = secondService && s.retrieval.soundingDialogUsed ? 1 : 0;
    if (!secondService) {
        s.retrieval.soundingDialogUsed = false;
    }
    mContext.ui.showDownloadPicture(variant);
    const DownloadResult result =
        secondService ? mSession.secondServiceSounding(s.selection.soundingStationId,
                                                       s.sounding.secondServiceDate)
                      : mSession.textListSounding(s.selection);
    applyHttpResult(result, true);
    return result;
}

void Downloads::queryPage() {
    if (!pageWasGood()) {
        mContext.session.retrieval.stationFileFetched = false;
        return;
    }
    const BusyCursor busy(mContext.ui);
    applyHttpResult(mSession.queryPage(mContext.session.selection.icao.view()), false);
}

DownloadResult Downloads::banyeresFile() {
    SessionState& s = mContext.session;
    s.retrieval.downloadFailed = false;
    const BusyCursor busy(mContext.ui);
    mContext.ui.showDownloadPicture(s.sounding.fromSecondService ? 1 : 0);
    const DownloadResult result = mSession.banyeresFile();
    applyHttpResult(result, true);
    return result;
}

void Downloads::stationFile() {
    SessionState& s = mContext.session;
    // Set again only by a file fetched in this command.
    s.retrieval.stationFileFetched = false;
    if (!pageWasGood()) {
        return;
    }
    const BusyCursor busy(mContext.ui);
    const DownloadResult result = mSession.stationFile(s.selection.icao.view());
    if (noteCancel(result)) {
        return;
    }
    switch (result.status) {
    case DownloadStatus::Ok:
        s.retrieval.stationFileFetched = true;
        break;
    case DownloadStatus::BadBase:
        // The base comes from the settings: say which one to mend.
        message("URL inválido. La dirección del servidor NOAA (clave «noaa» de servicios.ini, "
                "en la carpeta de ajustes) no sirve para pedir el fichero por FTP.");
        break;
    case DownloadStatus::NoSession:
        message("No se encuentra ninguna sesión de Internet válida.");
        break;
    case DownloadStatus::TransferFailed:
        mContext.ui.showMessage(transferErrorText(result), MessageIcon::None, {});
        break;
    default:
        message("No se ha encontrado fichero.");
        break;
    }
}

void Downloads::applyHttpResult(const DownloadResult& result, bool sharedDownloader) {
    SessionState& s = mContext.session;
    if (noteCancel(result)) {
        return;
    }
    switch (result.status) {
    case DownloadStatus::BadAddress:
        message("Error: Solo se pueden usar direcciones que comiencen con http://",
                kUrlErrorCaption);
        break;
    case DownloadStatus::CannotWrite:
        message(kCannotWrite);
        break;
    case DownloadStatus::NotFound:
    case DownloadStatus::ErrorPage:
        // A refused page says nothing about downloadOk unless the server said 404.
        if (result.status == DownloadStatus::NotFound) {
            s.retrieval.downloadOk = false;
        }
        s.view.soundingShown = false;
        s.view.soundingAvailable = false;
        message(kRejected);
        return;
    case DownloadStatus::TransferFailed:
        mContext.ui.showMessage(transferErrorText(result), MessageIcon::None, kTransferErrorCaption);
        if (sharedDownloader) {
            s.retrieval.downloadFailed = true;
        }
        break;
    default:
        break;
    }
    s.retrieval.downloadOk = true;
}

} // namespace brisalta
