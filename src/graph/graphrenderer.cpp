// The 24-hour graph, prepared in the order the other commands rely on
// (extremes before validation, header before validation) and painted in the
// order the picture is layered (humidity area first, curves last).
#include "graph/graphrenderer.h"

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

ViewFlags graphCommands(const SessionState& session) {
    ViewFlags v;
    v.tableEnabled = true;
    v.cloudsEnabled = true;
    v.qnhEnabled = true;
    v.ceilingEnabled = false;
    v.swapEnabled = session.view.soundingAvailable;
    v.printEnabled = true;
    v.saveAsEnabled = true;
    v.statsEnabled = true;
    v.zoomEnabled = false;
    return v;
}

GraphFactors factorsFor(const DrawingCanvas& canvas, const PageMapping& mapping) {
    if (mapping.mapping == Mapping::Print) {
        return printFactors();
    }
    return screenFactors(canvas.deviceCaps(DeviceCap::HorizontalResolution),
                         canvas.deviceCaps(DeviceCap::VerticalResolution),
                         canvas.deviceCaps(DeviceCap::LogicalPixelsPerInch), mapping.drawScale);
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
           !graph.pressureIsStation ? std::string("reducida a nivel del mar (QNH)")
                                        : text::format("(real)-Altitud: %d mts.", graph.altitudeMetres));
    legend(76, 277, kWindSpeedColour, "Velocidad viento");
    legend(436, 277, kWindDirectionColour, text::cp1252("Dirección viento"));
}

} // namespace

std::string noGraphDataMessage() {
    return text::cp1252("La estación seleccionada no posee ningún dato actualmente");
}

GraphModel prepareGraph(const SessionState& session, const std::optional<std::string>& airportName) {
    GraphModel m;
    const GraphSeries& graph = session.graph;
    m.commands = graphCommands(session);

    // Slot hours are UTC for live airport and automatic-station data; a
    // document or the Banyeres station already carries local hours.
    const bool shiftHours = !session.view.graphFromFile && !session.view.banyeresGraph;
    const int offset = session.selection.timeOffsetHours;
    m.axisStartHour = shiftHours ? advanceHour(graph.hour[0], offset) : graph.hour[0];

    m.extremes = session.extremes;
    startDailyExtremes(graph, m.extremes);
    m.series = graph;
    if (!m.extremes.hasTemperature) {
        return m;
    }
    m.drawable = true;
    const SeriesRanges ranges = seriesRangesOf(graph);
    finishDailyExtremes(graph, shiftHours, offset, m.extremes);

    // Temperature and dew point share one scale from the lowest dew point up
    // to the highest temperature; without any dew point the lowest temperature
    // takes its place.
    m.temperatureScale = valueScale(ranges.hasDewPoint ? ranges.minDewPoint : ranges.minTemperature,
                                    ranges.maxTemperature);
    const ValueScale pressureScale =
        ranges.hasPressure ? valueScale(ranges.minPressure, ranges.maxPressure) : kNoPressureScale;
    const ValueScale windScale =
        ranges.hasWindSpeed ? valueScale(ranges.minWindSpeed, ranges.maxWindSpeed) : kNoWindScale;

    GraphSeries& series = m.series;
    if (!session.view.graphFromFile && !session.view.emaGraphShown && airportName) {
        series.title = *airportName;
    }
    m.headerLine1 = graphHeaderLine1(series);
    m.headerLine2 = graphHeaderLine2(session);

    if (session.view.graphFromFile) {
        if (allOf(series.pressure, [](int p) { return p == kMissing; })) {
            series.noPressure = true;
        }
        if (allOf(series.windDirection, [](const FixedText<9>& d) { return d == "Calma"; })) {
            series.allCalm = true;
        }
    }

    // The humidity curve leaves a gap where the temperature is missing or the
    // humidity cannot be known.
    for (int i = 0; i < kSlots; ++i) {
        m.humidity[i] = graph.temperature[i] == kMissing ? kMissing : slotHumidity(session, i);
    }

    m.pressureScale = series.noPressure ? kNoPressureScale : pressureScale;
    m.windScale = series.noWindSpeed ? kNoWindScale : windScale;
    validateSeries(series);
    return m;
}

void applyGraphModel(SessionState& session, const GraphModel& model) {
    session.view.commands = model.commands;
    session.view.soundingShown = false;
    session.sounding.rowsAllocated = false;
    session.view.axisStartHour = model.axisStartHour;
    session.extremes = model.extremes;
    if (!model.drawable) {
        return;
    }
    session.graph = model.series;
    session.view.headerLine1 = model.headerLine1;
    session.view.headerLine2 = model.headerLine2;
    session.view.headerTitle = model.series.title;
}

void paintGraph(DrawingCanvas& canvas, const GraphModel& model, const PageMapping& mapping) {
    if (!model.drawable) {
        return;
    }
    const GraphSeries& graph = model.series;
    const GraphFactors f = factorsFor(canvas, mapping);
    canvas.setMapping(mapping.mapping);
    canvas.saveState();

    canvas.selectFont(graphstyle::headerFont(f.fontScale()));
    canvas.textOut(f.x(0), f.y(2), model.headerLine1);
    canvas.textOut(f.x(0), f.y(16), model.headerLine2);

    drawLegends(canvas, f, graph);
    canvas.setTextColor(graphstyle::kBlackColour);
    canvas.selectFont(graphstyle::axisFont(f.fontScale()));

    DrawHumidityArea(canvas, f, 105, 245, model.humidity);

    canvas.selectPen(graphstyle::kAxisPen);
    drawPanels(canvas, f, PanelScales{model.temperatureScale, model.pressureScale, model.windScale},
               model.axisStartHour);

    using namespace graphstyle;
    const ValueScale& t = model.temperatureScale;
    DrawSeriesCurve(canvas, f, 105, 85, t.minimum, t.step, graph.dewPoint, kDewPointSeries);
    DrawSeriesCurve(canvas, f, 105, 85, t.minimum, t.step, graph.temperature, kTemperatureSeries);
    if (!graph.noPressure) {
        DrawSeriesCurve(canvas, f, 460, 85, model.pressureScale.minimum, model.pressureScale.step,
                        graph.pressure, kPressureSeries);
    }
    if (!graph.noWindSpeed) {
        DrawSeriesCurve(canvas, f, 105, 310, model.windScale.minimum, model.windScale.step,
                        graph.windSpeed, kWindSpeedSeries);
    }
    if (!graph.allCalm) {
        DrawDirectionTrace(canvas, f, graph.windDirection);
    }

    canvas.restoreState();
}

} // namespace brisalta
