// Keeping and putting back the picture on screen.
#include "app/shownpicture.h"

#include "app/commandcontext.h"
#include "app/pictures.h"
#include "catalogues/airportcatalogue.h"
#include "text/codepage.h"

namespace brisalta {
namespace {

bool graphOnScreen(const SessionState& s) {
    return s.view.graphShown || s.view.emaGraphShown;
}

// The sounding's title with a small first letter, so that it reads inside a
// sentence: "Sondeo de Murcia ..." becomes "sondeo de Murcia ...".
std::string soundingInSentence(const std::string& title) {
    if (title.empty()) {
        return "el sondeo anterior";
    }
    std::string inSentence = title;
    if (inSentence.rfind("Sondeo", 0) == 0) {
        inSentence[0] = 's';
        return "el " + inSentence;
    }
    return "el sondeo " + inSentence;
}

} // namespace

ShownPicture::ShownPicture(const SessionState& session)
    : mGraph(session.graph), mSounding(session.sounding), mExtremes(session.extremes),
      mCeiling(session.ceiling), mView(session.view) {}

void ShownPicture::restore(SessionState& session) const {
    const bool secondService = session.sounding.fromSecondService;
    const int secondServiceDate = session.sounding.secondServiceDate;
    session.graph = mGraph;
    session.sounding = mSounding;
    session.sounding.fromSecondService = secondService;
    session.sounding.secondServiceDate = secondServiceDate;
    session.extremes = mExtremes;
    session.ceiling = mCeiling;
    session.view = mView;
}

std::string screenDescription(const SessionState& session) {
    if (graphOnScreen(session)) {
        const std::string& title = session.graph.title;
        if (session.view.emaGraphShown || session.view.graphIsAutomatic) {
            return text::cp1252("la gráfica de la estación automática ") + title;
        }
        if (title.empty()) {
            return text::cp1252("la gráfica anterior");
        }
        return text::cp1252("la gráfica de ") + title;
    }
    if (session.view.soundingShown) {
        const std::string& title = session.sounding.diagramTitle.empty()
                                       ? session.view.pictures.sounding.diagramTitle
                                       : session.sounding.diagramTitle;
        return soundingInSentence(title);
    }
    return {};
}

std::string pictureNotShownMessage(const std::string& what, const std::string& reason,
                                   const SessionState& session) {
    std::string message = text::cp1252("No se ha podido dibujar ") + what;
    message += reason.empty() ? "." : ": " + reason + ".";
    const std::string shown = screenDescription(session);
    if (!shown.empty()) {
        message += "\nSigue en pantalla " + shown + ".";
    }
    return message;
}

std::string withWhatStaysOnScreen(const std::string& told, const SessionState& session) {
    const std::string shown = screenDescription(session);
    return shown.empty() ? told : told + "\nSigue en pantalla " + shown + ".";
}

void keepPreviousPicture(CommandContext& context, const ShownPicture& before,
                         const std::string& what, const std::string& reason,
                         const std::string& told) {
    SessionState& s = context.session;
    before.restore(s);
    redrawPictures(context);
    // A transfer the user stopped is not a failure to report.
    if (s.retrieval.cancelled) {
        return;
    }
    context.ui.showMessage(told.empty() ? pictureNotShownMessage(what, reason, s)
                                        : withWhatStaysOnScreen(told, s),
                           MessageIcon::Exclamation);
}

std::string airportName(const std::string& icao) {
    std::optional<std::string> name = airports::displayNameOf(icao);
    if (!name) {
        for (const CountryMenu& country : airports::menus()) {
            for (const AirportMenuEntry& entry : country.entries) {
                if (!name && entry.code == icao) {
                    name = entry.caption;
                }
            }
        }
    }
    if (!name) {
        return icao;
    }
    return *name + " (" + icao + ")";
}

} // namespace brisalta
