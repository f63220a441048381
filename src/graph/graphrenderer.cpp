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
    v.tableEnabled = 1;
    v.cloudsEnabled = 1;
    v.qnhEnabled = 1;
    v.ceilingEnabled = 0;
    v.swapEnabled = session.soundingAvailable != 0 ? 1 : 0;
    v.printEnabled = 1;
    v.saveAsEnabled = 1;
    v.statsEnabled = 1;
    v.zoomEnabled = 0;
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
           graph.pressureIsStation == 0 ? std::string("reducida a nivel del mar (QNH)")
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
    const bool shiftHours = session.graphFromFile == 0 && session.banyeresGraph == 0;
    const int offset = session.selection.timeOffsetHours;
    m.axisStartHour = shiftHours ? advanceHour(graph.hour[0], offset) : graph.hour[0];

    m.extremes = session.extremes;
    startDailyExtremes(graph, m.extremes);
    m.series = graph;
    if (m.extremes.hasTemperature == 0) {
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
    if (session.graphFromFile == 0 && session.emaGraphShown == 0 && airportName) {
        series.title = *airportName;
    }
    m.headerLine1 = graphHeaderLine1(series);
    m.headerLine2 = graphHeaderLine2(session);

    if (session.graphFromFile != 0) {
        if (allOf(series.pressure, [](int p) { return p == kMissing; })) {
            series.noPressure = 1;
        }
        if (allOf(series.windDirection, [](const FixedText<9>& d) { return d == "Calma"; })) {
            series.allCalm = 1;
        }
    }

    // The humidity curve leaves a gap where the temperature is missing or the
    // humidity cannot be known.
    for (int i = 0; i < kSlots; ++i) {
        m.humidity[i] = graph.temperature[i] == kMissing ? kMissing : slotHumidity(session, i);
    }

    m.pressureScale = series.noPressure != 0 ? kNoPressureScale : pressureScale;
    m.windScale = series.noWindSpeed != 0 ? kNoWindScale : windScale;
    validateSeries(series);
    return m;
}

void applyGraphModel(SessionState& session, const GraphModel& model) {
    session.view = model.commands;
    session.soundingShown = 0;
    session.sounding.rowsAllocated = 0;
    session.axisStartHour = model.axisStartHour;
    session.extremes = model.extremes;
    if (!model.drawable) {
        return;
    }
    session.graph = model.series;
    session.headerLine1 = model.headerLine1;
    session.headerLine2 = model.headerLine2;
    session.headerTitle = model.series.title;
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
    if (graph.noPressure == 0) {
        DrawSeriesCurve(canvas, f, 460, 85, model.pressureScale.minimum, model.pressureScale.step,
                        graph.pressure, kPressureSeries);
    }
    if (graph.noWindSpeed == 0) {
        DrawSeriesCurve(canvas, f, 105, 310, model.windScale.minimum, model.windScale.step,
                        graph.windSpeed, kWindSpeedSeries);
    }
    if (graph.allCalm == 0) {
        DrawDirectionTrace(canvas, f, graph.windDirection);
    }

    canvas.restoreState();
}

} // namespace brisalta
