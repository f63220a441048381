// Layout of the printed page.
#include "printing/printedpage.h"

#include "ceilinghours/ceilinghourspicture.h"
#include "diagram/soundingdiagram.h"
#include "graph/graphrenderer.h"
#include "tables/directiontexts.h"
#include "tables/printedtable.h"
#include "text/codepage.h"
#include "text/format.h"
#include "text/textutil.h"

#include <vector>

namespace brisalta {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Pen kRulePen{PenStyle::Solid, 1, kBlack};

// Body, title, tables and footer share one face: 0.14 inch, semi-bold.
constexpr int kLineHeight = 14;
Font printFont() { return Font{"Ms Sans Serif", kLineHeight, kSemiBoldWeight}; }

// Title and credit lines start further right on a landscape sheet.
constexpr Point kLandscapeTitle{310, 5};
constexpr Point kPortraitTitle{0, 5};
constexpr int kTitleRuleY = 30;
constexpr Point kLandscapeCredit{310, 750};
constexpr Point kPortraitCredit{180, 1095};
// The footer rule keeps its portrait place on both sheets; on a landscape
// sheet it falls below the paper and the device drops it.
constexpr int kFooterRuleY = 1090;

bool graphOnScreen(const SessionState& s) { return s.view.graphShown || s.view.emaGraphShown; }

void rule(DrawingCanvas& canvas, int x1, int x2, int y) {
    canvas.selectPen(kRulePen);
    canvas.line(x1, y, x2, y);
}

// Positions of the side block and of the tables are given relative to the
// picture's area; the page draws them at page positions.
Point onPage(Point area, int x, int y) { return Point{area.x + x, area.y + y}; }

void paintTable(DrawingCanvas& canvas, const PrintedTable& table, Point area) {
    for (const PrintedText& t : table.texts) {
        const Point at = onPage(area, t.x, t.y);
        canvas.setTextColor(t.colour);
        canvas.textOut(at.x, at.y, t.text);
    }
    canvas.setTextColor(kBlack);
    for (const PrintedRule& r : table.rules) {
        const Point from = onPage(area, r.x1, r.y);
        rule(canvas, from.x, area.x + r.x2, from.y);
    }
}

// A long sounding runs past the footer of a portrait sheet: its levels stop
// above the footer rule, so that the credit line never covers one of them.
PrintedTable aboveFooter(PrintedTable table, Point area) {
    const int lastTop = kFooterRuleY - kLineHeight - area.y;
    std::erase_if(table.texts, [lastTop](const PrintedText& t) { return t.y > lastTop; });
    std::erase_if(table.rules, [lastTop](const PrintedRule& r) { return r.y > lastTop; });
    return table;
}

void blueTextBox(DrawingCanvas& canvas, int left, int top, int right, int bottom,
                 const std::string& text) {
    const Point topLeft = onPage(kGraphArea, left, top);
    const Point bottomRight = onPage(kGraphArea, right, bottom);
    canvas.setTextColor(kBlue);
    canvas.drawTextInRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y, text);
    canvas.setTextColor(kBlack);
}

void label(DrawingCanvas& canvas, int x, int y, const char* utf8) {
    const Point at = onPage(kGraphArea, x, y);
    canvas.setTextColor(kBlack);
    canvas.textOut(at.x, at.y, text::cp1252(utf8));
}

// Beside the graph or its table: the two header lines (table only), the
// day's statistics and the sky report.
void paintSideBlock(DrawingCanvas& canvas, const SessionState& session) {
    if (session.view.tablePrint) {
        blueTextBox(canvas, 750, 5, 1080, 65, session.view.headerLine1);
        blueTextBox(canvas, 750, 75, 1080, 150, session.view.headerLine2);
    }
    label(canvas, 750, 185, "ESTADÍSTICAS:");
    blueTextBox(canvas, 750, 205, 1080, 370, printedStatistics(session.extremes));
    label(canvas, 750, 380, "OTROS DATOS:");
    blueTextBox(canvas, 750, 400, 1080, 1070, session.graph.skyReport);
}

void paintFooter(DrawingCanvas& canvas, PageOrientation orientation, int pageWidth) {
    canvas.selectFont(printFont());
    canvas.setTextAlign(TextAlign::LeftTop);
    canvas.setTextColor(kBlack);
    const Point at = orientation == PageOrientation::Landscape ? kLandscapeCredit : kPortraitCredit;
    canvas.textOut(at.x, at.y, printCredit());
    rule(canvas, 0, pageWidth, kFooterRuleY);
}

// "a las 12 horas UTC del día 17 de Julio de 2024"; a month outside 1..12
// (a hand-edited document) is written as it was given.
std::string soundingWhen(const StationSelection& s) {
    const auto month = tables::monthName(text::leadingInteger(s.soundingMonth));
    return "a las " + s.soundingHour + text::cp1252(" horas UTC del día ") + s.soundingDay +
           " de " + (month ? *month : s.soundingMonth) + " de " + s.soundingYear;
}

} // namespace

PageOrientation printOrientation(const SessionState& session) {
    return session.view.tablePortrait ? PageOrientation::Portrait : PageOrientation::Landscape;
}

std::string printTitle(const SessionState& session) {
    const SoundingProfile& sounding = session.sounding;
    const StationSelection& s = session.selection;
    if (session.view.soundingShown) {
        if (sounding.isForecast) {
            return sounding.forecastTitle.str();
        }
        if (s.soundingFromCatalogue) {
            return "    Brisalta - " + session.view.pictures.sounding.diagramTitle;
        }
        // A station typed by hand: the text-list page's own station text.
        const std::string station =
            sounding.fromSecondService ? s.soundingStationName : sounding.forecastTitle.str();
        return "Sondeo " + station + " " + soundingWhen(s);
    }
    if (graphOnScreen(session)) {
        return "    Brisalta  -  " + session.graph.title;
    }
    if (session.view.ceilingHoursShown) {
        return "    Brisalta  -  " + session.view.pictures.ceilingHours.title;
    }
    return {};
}

std::string printedStatistics(const DailyExtremes& e) {
    return text::format1252("Temperatura máxima: %dºC a las %d horas.\n", e.maxTemperature,
                            e.maxTemperatureHour) +
           text::format1252("Temperatura mínima: %dºC a las %d horas.\n", e.minTemperature,
                            e.minTemperatureHour) +
           text::format1252("Viento máximo: %d km/h con dirección %s a las %d horas.\n",
                            e.maxWindSpeed, e.maxWindDirectionName.c_str(), e.maxWindHour) +
           text::format1252("Presión máxima: %d mb a las %d horas.\n", e.maxPressure,
                            e.maxPressureHour) +
           text::format1252("Presión mínima: %d mb a las %d horas.\n", e.minPressure,
                            e.minPressureHour);
}

std::string printCredit() {
    return text::cp1252(
        "Impreso con Brisalta: gráficas y sondeos para pilotos de vuelo a vela y parapente");
}

void paintPrintedPage(DrawingCanvas& canvas, const SessionState& session, int pageWidth) {
    const PageOrientation orientation = printOrientation(session);
    canvas.setMapping(Mapping::Print);
    canvas.setOrigin(0, 0);
    canvas.saveState();
    canvas.selectFont(printFont());
    canvas.setTextColor(kBlack);
    canvas.setTextAlign(TextAlign::LeftTop);

    const Point title = orientation == PageOrientation::Landscape ? kLandscapeTitle : kPortraitTitle;
    canvas.textOut(title.x, title.y, printTitle(session));
    rule(canvas, 0, pageWidth, kTitleRuleY);

    if (graphOnScreen(session)) {
        if (session.view.tablePrint) {
            paintTable(canvas, printedHourlyTable(session), kGraphArea);
        } else {
            canvas.saveState();
            canvas.setOrigin(kGraphArea.x, kGraphArea.y);
            paintGraph(canvas, session.view.pictures.graph, PageMapping::print());
            canvas.restoreState();
        }
        paintSideBlock(canvas, session);
    }
    if (session.view.soundingShown) {
        if (session.view.tablePortrait) {
            paintTable(canvas, aboveFooter(printedSoundingTable(session), kSoundingArea),
                       kSoundingArea);
        } else {
            canvas.saveState();
            canvas.setOrigin(kSoundingArea.x, kSoundingArea.y);
            paintSounding(canvas, session.view.pictures.sounding, PageMapping::print());
            canvas.restoreState();
        }
    }
    if (session.view.ceilingHoursShown) {
        // In the graph's place: the two share the 800 x 600 design space.
        canvas.saveState();
        canvas.setOrigin(kGraphArea.x, kGraphArea.y);
        paintCeilingHours(canvas, session.view.pictures.ceilingHours, PageMapping::print());
        canvas.restoreState();
    }
    paintFooter(canvas, orientation, pageWidth);
    canvas.restoreState();
}

} // namespace brisalta
