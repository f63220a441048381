// What is on screen, kept while a command fetches new data. A command that
// cannot read the new station's data puts the previous picture back as it
// was, with its own title, sky report, extremes and ceiling result, instead of
// drawing the old data under the new station's name, and tells the user which
// station failed and what stays on screen.
#pragma once

#include "session/sessionstate.h"

#include <optional>
#include <string>

namespace brisalta {

struct CommandContext;

class ShownPicture {
public:
    // Keeps the graph, the sounding, the extremes, the ceiling simulation and
    // the view as they are now.
    explicit ShownPicture(const SessionState& session);

    // Puts them back. The selection (what the user asked for) and the
    // retrieval flags stay as the command left them, and so does the choice
    // of sounding service, which belongs to the request.
    void restore(SessionState& session) const;

private:
    GraphSeries mGraph;
    SoundingProfile mSounding;
    DailyExtremes mExtremes;
    CeilingSimulation mCeiling;
    ViewState mView;
};

// "la gráfica de <title>", "la gráfica de la estación automática <title>",
// "el sondeo de <station> a las 12 horas UTC ..." (Windows-1252): the picture
// on screen as a sentence names it; empty when nothing is on screen.
std::string screenDescription(const SessionState& session);

// The message of a command that did not put its picture on screen:
// "No se ha podido dibujar <what>: <reason>." (the reason left out when an
// earlier message already gave it), then "Sigue en pantalla <description>."
// or, with nothing on screen, nothing more. Windows-1252 in and out.
std::string pictureNotShownMessage(const std::string& what, const std::string& reason,
                                   const SessionState& session);

// A failure already worded (`told`, Windows-1252), followed by "Sigue en
// pantalla <description>." when a picture stays on screen.
std::string withWhatStaysOnScreen(const std::string& told, const SessionState& session);

// Puts `before` back on screen and redraws it, then tells the user (unless
// they stopped the transfer themselves) that `what` could not be drawn and
// why, or repeats `told` when the failure was already worded, each followed
// by what stays on screen.
void keepPreviousPicture(CommandContext& context, const ShownPicture& before,
                         const std::string& what, const std::string& reason,
                         const std::string& told);

// "<catalogue name> (<code>)", the name being the graph title the catalogue
// gives the airport or else its menu caption; the code alone when the
// catalogue does not know it (Windows-1252).
std::string airportName(const std::string& icao);

} // namespace brisalta
