// DrawGraph: the 24-hour graph, step by step in the order the other commands
// rely on (extremes before validation, header before validation, curves last).
#include "graph/graphrenderer.h"

#include "catalogues/airportcatalogue.h"
#include "graph/graphaxes.h"
#include "graph/graphcurves.h"
#include "graph/graphextremes.h"
#include "graph/graphheader.h"
#include "graph/graphstyle.h"
#include "text/codepage.h"
#include "text/format.h"

#include <algorithm>

namespace brisalta {
namespace {

// Scales of a series that has no value at all (and of noPressure/noWindSpeed).
constexpr ValueScale kNoPressureScale{900, 11};
constexpr ValueScale kNoWindScale{1, 11};

void setGraphCommandFlags(SessionState& session) {
    ViewFlags& v = session.view;
    v.tableEnabled = 1;
    v.cloudsEnabled = 1;
    v.qnhEnabled = 1;
    v.ceilingEnabled = 0;
    v.swapEnabled = session.soundingAvailable != 0 ? 1 : 0;
    v.printEnabled = 1;
    v.saveAsEnabled = 1;
    v.statsEnabled = 1;
    v.zoomEnabled = 0;
}

GraphFactors factorsFor(const DrawingCanvas& canvas, SessionState& session) {
    if (session.printing == 1) {
        session.drawScale = 1.0;
        return printFactors();
    }
    return screenFactors(canvas.deviceCaps(DeviceCap::HorizontalResolution),
                         canvas.deviceCaps(DeviceCap::VerticalResolution),
                         canvas.deviceCaps(DeviceCap::LogicalPixelsPerInch), session.drawScale);
}

template <typename T, typename Pred>
bool allOf(const Slots<T>& values, Pred pred) {
    return std::all_of(values.begin(), values.end(), pred);
}

void drawLegends(DrawingCanvas& canvas, const GraphFactors& f, const GraphSeries& graph) {
    using namespace graphstyle;
    const auto legend = [&](int x, int y, Rgb colour, const std::string& text) {
        canvas.setTextColor(colour);
        canvas.textOut(f.x(x), f.y(y), text);
    };
    legend(80, 40, kTemperatureColour, "Temperatura");
    legend(80, 55, kDewPointColour, text::cp1252("Punto de rocío"));
    legend(280, 40, kHumidityColour, "Humedad");
    legend(280, 55, kHumidityColour, "Relativa");
    legend(434, 40, kPressureColour, text::cp1252("Presión"));
    legend(478, 40, kPressureColour,
           graph.pressureIsStation == 0 ? std::string("reducida a nivel del mar (QNH)")
                                        : text::format("(real)-Altitud: %d mts.", graph.altitudeMetres));
    legend(76, 277, kWindSpeedColour, "Velocidad viento");
    legend(436, 277, kWindDirectionColour, text::cp1252("Dirección viento"));
}

} // namespace

std::string noGraphDataMessage() {
    return text::cp1252("La estación seleccionada no posee ningún dato actualmente");
}

GraphOutcome DrawGraph(DrawingCanvas& canvas, SessionState& session) {
    GraphSeries& graph = session.graph;

    setGraphCommandFlags(session);
    session.soundingShown = 0;
    session.sounding.rowsAllocated = 0;

    const GraphFactors f = factorsFor(canvas, session);
    const Font headerFont = graphstyle::headerFont(f.fontScale());
    const Font axisFont = graphstyle::axisFont(f.fontScale());

    // Slot hours are UTC for live airport and automatic-station data; a
    // document or the Banyeres station already carries local hours.
    const bool shiftHours = session.graphFromFile == 0 && session.banyeresGraph == 0;
    const int offset = session.selection.timeOffsetHours;
    session.axisStartHour = shiftHours ? advanceHour(graph.hour[0], offset) : graph.hour[0];

    startDailyExtremes(graph, session.extremes);
    if (session.extremes.hasTemperature == 0) {
        return GraphOutcome::NoData;
    }
    const SeriesRanges ranges = seriesRangesOf(graph);
    finishDailyExtremes(graph, shiftHours, offset, session.extremes);

    PanelScales scales;
    // Temperature and dew point share one scale from the lowest dew point up
    // to the highest temperature; without any dew point the lowest temperature
    // takes its place.
    scales.temperature = valueScale(ranges.hasDewPoint ? ranges.minDewPoint : ranges.minTemperature,
                                    ranges.maxTemperature);
    const ValueScale pressureScale =
        ranges.hasPressure ? valueScale(ranges.minPressure, ranges.maxPressure) : kNoPressureScale;
    const ValueScale windScale =
        ranges.hasWindSpeed ? valueScale(ranges.minWindSpeed, ranges.maxWindSpeed) : kNoWindScale;

    if (session.graphFromFile == 0 && session.emaGraphShown == 0) {
        if (const auto name = airports::displayNameOf(session.selection.icao.str())) {
            graph.title = *name;
        }
    }

    canvas.setMapping(session.printing == 1 ? Mapping::Print : Mapping::Screen);
    canvas.saveState();

    const std::string line1 = graphHeaderLine1(graph);
    const std::string line2 = graphHeaderLine2(session);
    canvas.selectFont(headerFont);
    canvas.textOut(f.x(0), f.y(2), line1);
    canvas.textOut(f.x(0), f.y(16), line2);
    session.headerLine1 = line1;
    session.headerLine2 = line2;
    session.headerTitle = graph.title;

    drawLegends(canvas, f, graph);
    canvas.setTextColor(graphstyle::kBlackColour);
    canvas.selectFont(axisFont);

    if (session.graphFromFile != 0) {
        if (allOf(graph.pressure, [](int p) { return p == kMissing; })) {
            graph.noPressure = 1;
        }
        if (allOf(graph.windDirection, [](const FixedText<9>& d) { return d == "Calma"; })) {
            graph.allCalm = 1;
        }
    }

    DrawHumidityArea(canvas, f, 105, 245, session);

    scales.pressure = graph.noPressure != 0 ? kNoPressureScale : pressureScale;
    scales.windSpeed = graph.noWindSpeed != 0 ? kNoWindScale : windScale;
    canvas.selectPen(graphstyle::kAxisPen);
    drawPanels(canvas, f, scales, session.axisStartHour);

    validateSeries(graph);

    using namespace graphstyle;
    const ValueScale& t = scales.temperature;
    DrawSeriesCurve(canvas, f, 105, 85, t.minimum, t.step, graph.dewPoint, kDewPointSeries);
    DrawSeriesCurve(canvas, f, 105, 85, t.minimum, t.step, graph.temperature, kTemperatureSeries);
    if (graph.noPressure == 0) {
        DrawSeriesCurve(canvas, f, 460, 85, scales.pressure.minimum, scales.pressure.step, graph.pressure,
                        kPressureSeries);
    }
    if (graph.noWindSpeed == 0) {
        DrawSeriesCurve(canvas, f, 105, 310, scales.windSpeed.minimum, scales.windSpeed.step, graph.windSpeed,
                        kWindSpeedSeries);
    }
    if (graph.allCalm == 0) {
        DrawDirectionTrace(canvas, f, graph.windDirection);
    }

    canvas.restoreState();
    return GraphOutcome::Drawn;
}

} // namespace brisalta
