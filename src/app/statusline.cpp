// The status-bar line and the start view.
#include "app/statusline.h"

#include "app/commandids.h"
#include "app/commandtable.h"
#include "text/codepage.h"
#include "text/format.h"

#include <cstdlib>

namespace brisalta {
namespace {

// The menu place of a command as the user reads it: "Gráficas > Mostrar".
std::string menuPlace(const CommandRow& row) {
    std::string place;
    for (const char c : row.menu) {
        if (c == '/') {
            place += " > ";
        } else if (c != '&') {
            place += c;
        }
    }
    std::string caption(row.caption.substr(0, row.caption.find('\t')));
    std::erase(caption, '&');
    return place + " > " + caption;
}

// "«Gráficas > Mostrar» (Ctrl+M)".
std::string commandMention(int id) {
    const CommandRow* row = findCommand(id);
    if (!row) {
        return {};
    }
    return "«" + menuPlace(*row) + "» (" + std::string(row->shortcut) + ")";
}

std::string dataTime(const GraphSeries& graph) {
    const int hours = graph.lastTime / 100;
    const int minutes = std::abs(graph.lastTime % 100);
    return text::format("%02d/%02d/%d a las %d.%02d", graph.day, graph.month, graph.year, hours,
                        minutes);
}

std::string graphStatus(const SessionState& s) {
    const GraphSeries& g = s.graph;
    std::string line = text::cp1252("Gráfica de 24 horas de ");
    if (s.view.emaGraphShown || s.view.graphIsAutomatic) {
        line += text::cp1252("la estación automática ");
    }
    line += g.title;
    if (s.view.graphFromFile) {
        line += " (documento)";
    }
    line += text::cp1252(". Últimos datos: ") + dataTime(g) + ", ";
    if (s.view.graphFromFile) {
        line += "horas tal como se guardaron.";
    } else if (s.view.banyeresGraph) {
        line += text::cp1252("hora local de la estación.");
    } else if (s.selection.timeOffsetHours == 0) {
        line += "hora UTC.";
    } else {
        line += "hora local (" + utcOffsetName(s.selection.timeOffsetHours) + ").";
    }
    return line;
}

std::string soundingStatus(const SessionState& s) {
    std::string title = s.sounding.diagramTitle.empty() ? s.view.pictures.sounding.diagramTitle
                                                        : s.sounding.diagramTitle;
    std::string line = title + ".";
    if (s.view.soundingZoom) {
        line += text::cp1252(" Zoom: los 6000 m más bajos.");
    }
    return line;
}

} // namespace

std::string utcOffsetName(int offsetHours) {
    if (offsetHours == 0) {
        return "UTC";
    }
    return text::format("UTC%+d", offsetHours);
}

std::string statusLine(const SessionState& session) {
    if (session.view.graphShown || session.view.emaGraphShown) {
        return graphStatus(session);
    }
    if (session.view.soundingShown) {
        return soundingStatus(session);
    }
    return text::cp1252("Ninguna gráfica ni sondeo en pantalla.");
}

std::vector<std::string> startViewLines() {
    return {
        "Para empezar: " + commandMention(cmd::kShowGraph) +
            " dibuja la gráfica de 24 horas del aeropuerto elegido;",
        commandMention(cmd::kAutomaticStation) + ", la de una estación de AEMET; " +
            commandMention(cmd::kShowSounding) + ", un sondeo.",
    };
}

} // namespace brisalta
