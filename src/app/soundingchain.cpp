// Today's and the classic sounding chains.
#include "app/soundingchain.h"

#include "app/downloads.h"
#include "app/soundingloading.h"
#include "app/sourcemessages.h"
#include "catalogues/soundingcatalogue.h"
#include "net/downloadsession.h"
#include "net/serviceaddresses.h"
#include "ports/busycursor.h"
#include "sources/requestaddresses.h"
#include "sources/wyomingcsv.h"
#include "text/codepage.h"
#include "text/format.h"
#include "text/textutil.h"

#include <string>
#include <vector>

namespace brisalta {
namespace {

const char* const kRejected =
    "No se puede encontrar dicha estación o no es válida la fecha o la hora.";

// Hands everything to the window's Ui but keeps the messages, so that a
// classic fallback that fails too is told in one message with the first
// source's reason.
class MessageKeepingUi : public Ui {
public:
    explicit MessageKeepingUi(Ui& inner) : mInner(inner) {}

    void showMessage(const std::string& text, MessageIcon icon,
                     const std::string& caption) override {
        kept.push_back({text, icon, caption});
    }
    void setBusy(bool busy) override { mInner.setBusy(busy); }
    void showDownloadPicture(int variant) override { mInner.showDownloadPicture(variant); }
    void redraw() override { mInner.redraw(); }
    // The status line is the chain's to write.
    void showStatus(const std::string&) override {}

    // Shows the kept messages as they came.
    void release() {
        for (const Kept& k : kept) {
            mInner.showMessage(k.text, k.icon, k.caption);
        }
        kept.clear();
    }

    struct Kept {
        std::string text;
        MessageIcon icon;
        std::string caption;
    };
    std::vector<Kept> kept;

private:
    Ui& mInner;
};

std::string soundingProblemReason(sources::SoundingProblem problem) {
    switch (problem) {
    case sources::SoundingProblem::NotFound:
        return text::cp1252(kRejected);
    case sources::SoundingProblem::HtmlPage:
        return text::cp1252("ha contestado con una página web en lugar del sondeo");
    case sources::SoundingProblem::Empty:
        return text::cp1252("ha contestado sin datos");
    case sources::SoundingProblem::UnexpectedShape:
        return text::cp1252("la respuesta no tiene la forma esperada");
    case sources::SoundingProblem::NoLevels:
        return text::cp1252("el sondeo no tiene niveles completos");
    case sources::SoundingProblem::TooLarge:
        return text::cp1252("la respuesta es demasiado grande");
    case sources::SoundingProblem::None:
        break;
    }
    return {};
}

// The name the text-list page would give the station: the catalogue's menu
// text without its mark, or nothing for a station typed by number.
std::string catalogueStationName(const std::string& stationId) {
    for (const SoundingCountryMenu& country : soundingStationMenus()) {
        for (const SoundingStationEntry& entry : country.entries) {
            if (entry.number == stationId) {
                return entry.caption.starts_with("*") ? entry.caption.substr(1) : entry.caption;
            }
        }
    }
    return {};
}

// The classic service the selection asks, and its address.
DataSource classicSource(const CommandContext& context) {
    const SessionState& s = context.session;
    if (s.sounding.fromSecondService) {
        return {kSecondServiceName,
                secondSoundingAddress(context.services, s.selection.soundingStationId,
                                      s.sounding.secondServiceDate),
                0};
    }
    return {kTextListName, soundingListAddress(context.services, s.selection), 0};
}

// The reason the classic chain gave nothing: its messages, one after another.
std::string classicReason(const MessageKeepingUi& ui) {
    std::string reason;
    for (const MessageKeepingUi::Kept& k : ui.kept) {
        reason += (reason.empty() ? "" : " ") + k.text;
    }
    return reason.empty() ? text::cp1252("no ha dado ningún sondeo") : reason;
}

} // namespace

bool loadClassicSounding(CommandContext& context) {
    SessionState& s = context.session;
    Downloads(context).sounding();
    // A rejected page (downloadOk = 0) has been reported by the download layer;
    // so has a failed transfer, and then the sounding on screen is kept rather
    // than released for a response that never came.
    if (!s.retrieval.downloadOk || s.retrieval.downloadFailed) {
        return false;
    }
    s.view.soundingSource = {};
    if (s.view.graphAvailable) {
        s.view.commands.swapEnabled = true;
    }
    if (!loadObservedSounding(s, context.ui, context.places.tempFolder())) {
        // No response file to read: the old rows are gone, so nothing can be shown.
        s.view.soundingShown = false;
        s.view.soundingAvailable = false;
        return false;
    }
    if (s.sounding.rowsAllocated) {
        const DataSource source = classicSource(context);
        context.ui.showStatus(text::cp1252("Sondeo de ") + source.name + " (" +
                              hostOf(source.address) + text::cp1252("), cadena clásica."));
    }
    return true;
}

bool loadTodaysSounding(CommandContext& context, std::string* failure) {
    SessionState& s = context.session;
    const StationSelection& sel = s.selection;
    const std::string address = sources::wyomingSoundingAddress(
        context.services.wyomingBase, sel.soundingStationId, text::leadingInteger(sel.soundingYear),
        text::leadingInteger(sel.soundingMonth), text::leadingInteger(sel.soundingDay),
        text::leadingInteger(sel.soundingHour));
    std::string reason;
    {
        s.retrieval.downloadFailed = false;
        const BusyCursor busy(context.ui);
        context.ui.showDownloadPicture(0);
        DownloadSession session(context.transport, context.places.tempFolder(), context.services);
        const DownloadResult answer = session.serviceAnswer(address, sources::kMaxSoundingBytes);
        if (!answer.ok() && answer.failure == TransferFailure::Cancelled) {
            // The user stopped it: no other service is asked and nothing is said.
            s.retrieval.cancelled = true;
            s.retrieval.downloadFailed = true;
            context.ui.showStatus(text::cp1252("Se ha cancelado la descarga."));
            return false;
        }
        if (!answer.ok()) {
            reason = transferFailureReason(answer);
        } else if (answer.httpStatus != 200 && answer.httpStatus != 404) {
            reason = httpStatusReason(answer.httpStatus);
        } else {
            const sources::WyomingSounding read =
                sources::readWyomingCsv(answer.body, answer.httpStatus);
            if (read.problem == sources::SoundingProblem::None) {
                const std::string stationText = sources::wyomingStationText(
                    sel.soundingStationId, catalogueStationName(sel.soundingStationId));
                applyWyomingSounding(s, read, stationText);
                if (s.view.graphAvailable) {
                    s.view.commands.swapEnabled = true;
                }
                s.retrieval.downloadOk = true;
                s.view.soundingSource = {kWyomingName, answer.address,
                                         static_cast<int>(read.rows.size())};
                context.ui.showStatus(
                    sourceStatusLine("Sondeo de", s.view.soundingSource, "nivel", "niveles"));
                return true;
            }
            reason = soundingProblemReason(read.problem);
        }
    }

    // The classic services, as they are; their messages are held back until
    // it is known whether they read a sounding.
    MessageKeepingUi keeping(context.ui);
    CommandContext classic{
        s, keeping, context.transport, context.places, context.clock, context.services};
    const DataSource fallback = classicSource(classic);
    const bool read = loadClassicSounding(classic);
    if (s.retrieval.cancelled) {
        return false;
    }
    if (read && s.sounding.rowsAllocated) {
        keeping.release();
        s.view.soundingSource = fallback;
        s.view.soundingSource.reports = s.sounding.count;
        context.ui.showStatus(
            sourceStatusLine("Sondeo de", s.view.soundingSource, "nivel", "niveles"));
        return true;
    }
    const std::string headline = text::format(
        "No se ha podido obtener el sondeo de la estación %s del %s/%s/%s a las %sZ",
        text::toUtf8(sel.soundingStationId).c_str(), text::toUtf8(sel.soundingDay).c_str(),
        text::toUtf8(sel.soundingMonth).c_str(), text::toUtf8(sel.soundingYear).c_str(),
        text::toUtf8(sel.soundingHour).c_str());
    const std::string message = allSourcesFailedMessage(
        headline, {{kWyomingName, address, reason},
                   {fallback.name, fallback.address, classicReason(keeping)}});
    if (failure) {
        *failure = message;
    } else {
        context.ui.showMessage(message);
    }
    return read;
}

} // namespace brisalta
