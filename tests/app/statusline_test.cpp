// What the window says about the picture on screen: the status-bar line, the
// description used in failure messages, and the start view.
#include "app/shownpicture.h"
#include "app/statusline.h"

#include "text/codepage.h"

#include <gtest/gtest.h>

namespace brisalta {
namespace {

SessionState graphOnScreen() {
    SessionState s;
    s.view.graphShown = true;
    s.graph.title = "Aeropuerto de Barajas - Madrid";
    s.graph.day = 29;
    s.graph.month = 7;
    s.graph.year = 2017;
    s.graph.lastTime = 830;
    return s;
}

// Purpose: the line says which picture, the time of its data and whether the
// hours are UTC, the station's local time (UTC+N) or those of a document.
TEST(StatusLine, SaysWhatIsOnScreenAndWhichClockItsHoursFollow) {
    struct Case {
        const char* name;
        void (*setUp)(SessionState&);
        std::string line;
    };
    const std::string madrid = "Gráfica de 24 horas de Aeropuerto de Barajas - Madrid";
    const std::string when = ". Últimos datos: 29/07/2017 a las 8.30, ";
    const Case cases[] = {
        {"live, UTC+1", [](SessionState&) {}, madrid + when + "hora local (UTC+1)."},
        {"live, UTC+2", [](SessionState& s) { s.selection.timeOffsetHours = 2; },
         madrid + when + "hora local (UTC+2)."},
        {"live, UTC-5", [](SessionState& s) { s.selection.timeOffsetHours = -5; },
         madrid + when + "hora local (UTC-5)."},
        {"live, UTC", [](SessionState& s) { s.selection.timeOffsetHours = 0; },
         madrid + when + "hora UTC."},
        {"document", [](SessionState& s) { s.view.graphFromFile = true; },
         madrid + " (documento)" + when + "horas tal como se guardaron."},
        {"Banyeres", [](SessionState& s) { s.view.banyeresGraph = true; },
         madrid + when + "hora local de la estación."},
        {"automatic",
         [](SessionState& s) {
             s.view.graphShown = false;
             s.view.emaGraphShown = true;
             s.graph.title = "ALICANTE-ELCHE/AEROPUERTO";
         },
         "Gráfica de 24 horas de la estación automática ALICANTE-ELCHE/AEROPUERTO" + when +
             "hora local (UTC+1)."},
        {"sounding",
         [](SessionState& s) {
             s.view.graphShown = false;
             s.view.soundingShown = true;
             s.sounding.diagramTitle = "Sondeo de Murcia";
         },
         "Sondeo de Murcia."},
        {"zoomed sounding",
         [](SessionState& s) {
             s.view.graphShown = false;
             s.view.soundingShown = true;
             s.view.soundingZoom = true;
             s.sounding.diagramTitle = "Sondeo de Murcia";
         },
         "Sondeo de Murcia. Zoom: los 6000 m más bajos."},
        {"nothing", [](SessionState& s) { s.view.graphShown = false; },
         "Ninguna gráfica ni sondeo en pantalla."},
    };
    for (const Case& c : cases) {
        SessionState s = graphOnScreen();
        c.setUp(s);
        EXPECT_EQ(text::toUtf8(statusLine(s)), c.line) << c.name;
    }
}

// Purpose: a failure message names what could not be drawn, why (when no
// earlier message said it) and what stays on screen.
TEST(ShownPicture, FailureMessagesSayWhatStaysOnScreen) {
    SessionState s = graphOnScreen();
    const std::string what = text::cp1252("la gráfica de 24 horas de ") + airportName("LEVC");
    EXPECT_EQ(text::toUtf8(pictureNotShownMessage(what, text::cp1252("no ha llegado"), s)),
              "No se ha podido dibujar la gráfica de 24 horas de Aeropuerto de Manises - Valencia "
              "(LEVC): no ha llegado.\nSigue en pantalla la gráfica de Aeropuerto de Barajas - "
              "Madrid.");
    s.view.graphShown = false;
    s.view.soundingShown = true;
    s.sounding.diagramTitle =
        text::cp1252("Sondeo de Murcia (España) a las 12 horas UTC del día 17 de Julio de 2024");
    EXPECT_EQ(text::toUtf8(pictureNotShownMessage(what, {}, s)),
              "No se ha podido dibujar la gráfica de 24 horas de Aeropuerto de Manises - Valencia "
              "(LEVC).\nSigue en pantalla el sondeo de Murcia (España) a las 12 horas UTC del día "
              "17 de Julio de 2024.");
    s.view.soundingShown = false;
    EXPECT_EQ(text::toUtf8(pictureNotShownMessage(what, {}, s)),
              "No se ha podido dibujar la gráfica de 24 horas de Aeropuerto de Manises - Valencia "
              "(LEVC).");
}

} // namespace
} // namespace brisalta
