// Painting "Techo por horas": header and legend, the height scale, the band of
// one degree either way, the ground and the line 1000 m over it, the thermal
// top as a step curve, the cumulus bases as clouds, the first strong hour, and
// the hour's values in rows under the hour axis.
#include "ceilinghours/ceilinghourspicture.h"

#include "ceilinghours/ceilinghoursgeometry.h"
#include "graph/graphstyle.h"
#include "text/codepage.h"
#include "text/format.h"

#include <algorithm>
#include <array>

namespace brisalta {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kTopColour{0, 90, 200};
constexpr Rgb kBandColour{205, 224, 255};
constexpr Rgb kCloudFill{228, 228, 228};
constexpr Rgb kCloudColour{110, 110, 110};
constexpr Rgb kGroundColour{140, 90, 40};
constexpr Rgb kStrongColour{0, 140, 60};
constexpr Rgb kGridColour{185, 185, 185};
constexpr Rgb kNoteColour{70, 70, 70};
constexpr Rgb kWarningColour{190, 0, 0};

const Pen kTopPen{PenStyle::Solid, 3, kTopColour};
const Pen kBandPen{PenStyle::Solid, 0, kBandColour};
const Pen kCloudPen{PenStyle::Solid, 1, kCloudColour};
const Pen kGroundPen{PenStyle::Solid, 2, kGroundColour};
const Pen kAirportPen{PenStyle::Dotted, 0, kGroundColour};
const Pen kThousandPen{PenStyle::Dotted, 0, kStrongColour};
const Pen kStrongPen{PenStyle::Solid, 2, kStrongColour};
const Pen kGridPen{PenStyle::Dotted, 0, kGridColour};

// Rows of the hour's values under the hour axis (design Y of their tops).
constexpr int kHourRow = kHoursBottom + 9;
constexpr int kTemperatureRow = kHourRow + 16;
constexpr int kDewPointRow = kTemperatureRow + 14;
constexpr int kWindSpeedRow = kDewPointRow + 14;
constexpr int kWindDirectionRow = kWindSpeedRow + 14;
constexpr int kFirstNote = kWindDirectionRow + 18;
constexpr int kNoteSpacing = 12;

// Outline of a cumulus around (0, 0) at the middle of its flat base, design units.
// clang-format off
constexpr std::array<Point, 17> kCloudOutline = {{
    {-11, 0}, {-12, -3}, {-10, -6}, {-7, -6}, {-6, -9}, {-3, -11}, {1, -11}, {4, -9}, {5, -7},
    {8, -8}, {11, -6}, {12, -3}, {11, 0}, {4, 0}, {0, 0}, {-4, 0}, {-11, 0},
}};
// clang-format on

class Painter {
public:
    Painter(DrawingCanvas& canvas, const GraphFactors& f, const CeilingHoursModel& m)
        : mCanvas(canvas), mF(f), mModel(m) {}

    int x(double design) const { return mF.x(design); }
    int y(double design) const { return mF.y(design); }
    int heightAt(double metres) const { return mF.y(heightY(mModel.scale, metres)); }

    void text(int designX, int designY, const std::string& t,
              TextAlign align = TextAlign::LeftTop) {
        mCanvas.setTextAlign(align);
        mCanvas.textOut(x(designX), y(designY), t);
        mCanvas.setTextAlign(TextAlign::LeftTop);
    }
    void line(double x1, double y1, double x2, double y2) {
        mCanvas.line(x(x1), y(y1), x(x2), y(y2));
    }
    // A horizontal line across the panel at a height.
    void level(double metres) {
        const int yy = heightAt(metres);
        mCanvas.line(x(kHoursLeft), yy, x(kHoursRight), yy);
    }

    void header(const Font& headerFont, const Font& axisFont);
    void scale();
    void band();
    void groundLines(const Font& axisFont);
    void thermalTops();
    void clouds(const Font& labelFont);
    void firstStrongHour();
    void rows(const Font& rowFont, const Font& directionFont);
    void notes(const Font& noteFont);

private:
    DrawingCanvas& mCanvas;
    const GraphFactors& mF;
    const CeilingHoursModel& mModel;
};

void Painter::header(const Font& headerFont, const Font& axisFont) {
    mCanvas.selectFont(headerFont);
    mCanvas.setTextColor(kBlack);
    text(4, 2, mModel.title);
    text(4, 18, mModel.soundingLine);

    // The legend: a sample of each mark and its caption.
    mCanvas.selectFont(axisFont);
    const int legend = 40;
    mCanvas.selectPen(kTopPen);
    line(84, legend + 7, 104, legend + 7);
    mCanvas.setTextColor(kTopColour);
    text(108, legend, text::cp1252("Techo de las térmicas"));

    mCanvas.selectPen(kCloudPen);
    mCanvas.selectBrush(Brush{kCloudFill});
    std::vector<Point> cloud;
    for (const Point& p : kCloudOutline) {
        cloud.push_back(Point{x(256 + p.x), y(legend + 12 + p.y)});
    }
    mCanvas.polygon(cloud);
    mCanvas.setTextColor(kCloudColour);
    text(272, legend, text::cp1252("Base de los cúmulos"));

    mCanvas.selectPen(kBandPen);
    mCanvas.selectBrush(Brush{kBandColour});
    mCanvas.rectangle(x(410), y(legend + 2), x(430), y(legend + 13));
    mCanvas.setTextColor(kTopColour);
    text(434, legend, text::cp1252("Con 1 ºC menos / 1 ºC más"));

    mCanvas.selectPen(kStrongPen);
    line(592, legend, 592, legend + 13);
    mCanvas.setTextColor(kStrongColour);
    text(598, legend, text::cp1252("Primera hora de más de 1000 m"));
}

void Painter::scale() {
    const HeightScale& s = mModel.scale;
    mCanvas.setTextColor(kBlack);
    for (long long h = s.bottom; h <= s.top; h += s.step) {
        const int yy = heightAt(static_cast<double>(h));
        if (h > s.bottom && h < s.top) {
            mCanvas.selectPen(kGridPen);
            mCanvas.line(x(kHoursLeft), yy, x(kHoursRight), yy);
        }
        mCanvas.selectPen(graphstyle::kAxisPen);
        mCanvas.line(x(kHoursLeft - 5), yy, x(kHoursLeft), yy);
        mCanvas.setTextAlign(TextAlign::RightTop);
        mCanvas.textOut(x(kHoursLeft - 7), yy - y(7), text::format("%lld", h));
        mCanvas.setTextAlign(TextAlign::LeftTop);
    }
    text(kHoursLeft - 7, kHoursTop - 20, "m", TextAlign::RightTop);
}

void Painter::band() {
    mCanvas.selectPen(kBandPen);
    mCanvas.selectBrush(Brush{kBandColour});
    for (int i = 0; i < kSlots; ++i) {
        const CeilingHour& h = mModel.ceilings.hours[static_cast<std::size_t>(i)];
        if (!h.thermalTop) {
            continue;
        }
        // The simulation climbs in whole degrees of potential temperature, so
        // a degree more does not always mean a higher top: the band spans
        // whatever the three runs gave.
        double low = *h.thermalTop;
        double high = *h.thermalTop;
        for (const auto& edge : {h.lowerBand, h.upperBand}) {
            if (edge) {
                low = std::min(low, *edge);
                high = std::max(high, *edge);
            }
        }
        if (high <= low) {
            continue;
        }
        const int a = heightAt(low);
        const int b = heightAt(high);
        // One device unit more on the right and below: the rectangle leaves out
        // its right and bottom edges, and neighbouring hours must not show a seam.
        mCanvas.rectangle(x(slotLeft(i)), b, x(slotLeft(i + 1)) + 1, a + 1);
    }
}

void Painter::groundLines(const Font& axisFont) {
    mCanvas.selectFont(axisFont);
    const CeilingHours& c = mModel.ceilings;
    mCanvas.setTextColor(kGroundColour);
    // Two grounds close together: the higher one is labelled above its line,
    // the lower one below.
    const int groundY = heightAt(c.soundingGround);
    int groundLabel = groundY - y(7);
    if (c.airportElevation && *c.airportElevation != static_cast<int>(c.soundingGround)) {
        mCanvas.selectPen(kAirportPen);
        level(*c.airportElevation);
        const int airportY = heightAt(*c.airportElevation);
        const bool airportHigher = *c.airportElevation > c.soundingGround;
        mCanvas.textOut(x(kHoursRight + 4), airportHigher ? airportY - y(14) : airportY,
                        "aeropuerto");
        groundLabel = airportHigher ? groundY : groundY - y(14);
    }
    mCanvas.selectPen(kGroundPen);
    level(c.soundingGround);
    mCanvas.textOut(x(kHoursRight + 4), groundLabel, "sondeo");

    const double thousand = mModel.ground + kStrongThermalMetres;
    mCanvas.selectPen(kThousandPen);
    level(thousand);
    mCanvas.setTextColor(kStrongColour);
    mCanvas.textOut(x(kHoursRight + 4), heightAt(thousand) - y(14), "1000 m");
    mCanvas.textOut(x(kHoursRight + 4), heightAt(thousand), "s. suelo");
}

// A step a slot wide at each hour's top, joined upright to the next hour's;
// a missing hour breaks the curve.
void Painter::thermalTops() {
    mCanvas.selectPen(kTopPen);
    const auto& hours = mModel.ceilings.hours;
    for (int i = 0; i < kSlots; ++i) {
        const auto& top = hours[static_cast<std::size_t>(i)].thermalTop;
        if (!top) {
            continue;
        }
        const int yy = heightAt(*top);
        if (i > 0) {
            if (const auto& before = hours[static_cast<std::size_t>(i - 1)].thermalTop) {
                mCanvas.line(x(slotLeft(i)), heightAt(*before), x(slotLeft(i)), yy);
            }
        }
        mCanvas.line(x(slotLeft(i)), yy, x(slotLeft(i + 1)), yy);
    }
}

// A cloud sits on each cumulus base. Its height is written above the first
// cloud of a run and wherever the base moves, never on two hours side by side.
void Painter::clouds(const Font& labelFont) {
    mCanvas.selectFont(labelFont);
    mCanvas.setTextColor(kCloudColour);
    const auto& hours = mModel.ceilings.hours;
    std::optional<double> labelled;
    int labelledSlot = -10;
    for (int i = 0; i < kSlots; ++i) {
        const auto& base = hours[static_cast<std::size_t>(i)].cloudBase;
        if (!base) {
            labelled.reset();
            continue;
        }
        const double baseY = heightY(mModel.scale, *base);
        std::vector<Point> outline;
        for (const Point& p : kCloudOutline) {
            outline.push_back(Point{x(slotCentre(i) + p.x), y(baseY + p.y)});
        }
        mCanvas.selectPen(kCloudPen);
        mCanvas.selectBrush(Brush{kCloudFill});
        mCanvas.polygon(outline);
        const bool moved =
            !labelled || std::abs(*labelled - *base) >= 100.0 || i - labelledSlot >= 4;
        if (moved && i - labelledSlot >= 2) {
            mCanvas.setTextAlign(TextAlign::CentreTop);
            mCanvas.textOut(x(slotCentre(i)), y(baseY - 25), text::format("%.0f", *base));
            mCanvas.setTextAlign(TextAlign::LeftTop);
            labelled = *base;
            labelledSlot = i;
        }
    }
}

void Painter::firstStrongHour() {
    if (!mModel.firstStrongSlot) {
        return;
    }
    const int slot = *mModel.firstStrongSlot;
    const CeilingHour& h = mModel.ceilings.hours[static_cast<std::size_t>(slot)];
    mCanvas.selectPen(kStrongPen);
    line(slotLeft(slot), kHoursTop, slotLeft(slot), kHoursBottom);
    mCanvas.setTextColor(kStrongColour);
    const std::string caption = text::format1252("desde las %02d h", h.hour);
    // The caption reads away from the line, towards the middle of the panel.
    if (slot < kSlots / 2) {
        text(slotLeft(slot) + 4, kHoursTop + 3, caption);
    } else {
        text(slotLeft(slot) - 4, kHoursTop + 3, caption, TextAlign::RightTop);
    }
}

void Painter::rows(const Font& rowFont, const Font& directionFont) {
    mCanvas.selectFont(rowFont);
    const auto& hours = mModel.ceilings.hours;
    mCanvas.selectPen(graphstyle::kAxisPen);
    line(kHoursLeft, kHoursTop, kHoursLeft, kHoursBottom);
    line(kHoursRight, kHoursTop, kHoursRight, kHoursBottom);
    line(kHoursLeft, kHoursBottom, kHoursRight, kHoursBottom);

    struct Row {
        int y;
        Rgb colour;
        const char* caption;
    };
    const Row hourRow{kHourRow, kBlack, "Hora"};
    const Row temperatureRow{kTemperatureRow, graphstyle::kTemperatureColour, "Temp. ºC"};
    const Row dewPointRow{kDewPointRow, graphstyle::kDewPointColour, "Rocío ºC"};
    const Row speedRow{kWindSpeedRow, graphstyle::kWindSpeedColour, "Viento km/h"};
    const Row directionRow{kWindDirectionRow, graphstyle::kWindSpeedColour, "en el techo"};
    for (const Row& r : {hourRow, temperatureRow, dewPointRow, speedRow, directionRow}) {
        mCanvas.setTextColor(r.colour);
        text(kHoursLeft - 7, r.y, text::cp1252(r.caption), TextAlign::RightTop);
    }

    const auto value = [](const std::optional<int>& v) {
        return v ? text::format("%d", *v) : std::string("-");
    };
    for (int i = 0; i < kSlots; ++i) {
        const CeilingHour& h = hours[static_cast<std::size_t>(i)];
        mCanvas.selectPen(graphstyle::kAxisPen);
        line(slotLeft(i), kHoursBottom, slotLeft(i), kHoursBottom + 5);
        const auto cell = [&](const Row& r, const std::string& t) {
            mCanvas.setTextColor(r.colour);
            text(slotCentre(i), r.y, t, TextAlign::CentreTop);
        };
        cell(hourRow, text::format("%02d", h.hour));
        cell(temperatureRow, value(h.temperature));
        cell(dewPointRow, value(h.dewPoint));
        cell(speedRow, value(h.topWindSpeed));
        // Three-letter names side by side need the smaller font.
        mCanvas.selectFont(directionFont);
        cell(directionRow, h.topWindDirection
                               ? std::string(directionAbbreviation(*h.topWindDirection))
                               : std::string("-"));
        mCanvas.selectFont(rowFont);
    }
    line(kHoursRight, kHoursBottom, kHoursRight, kHoursBottom + 5);
}

void Painter::notes(const Font& noteFont) {
    mCanvas.selectFont(noteFont);
    mCanvas.setTextColor(kNoteColour);
    int yy = kFirstNote;
    for (const std::string& note : mModel.notes) {
        text(4, yy, note);
        yy += kNoteSpacing;
    }
    if (!mModel.warning.empty()) {
        mCanvas.setTextColor(kWarningColour);
        text(4, yy, mModel.warning);
    }
}

GraphFactors factorsFor(const DrawingCanvas& canvas, const PageMapping& mapping) {
    if (mapping.mapping == Mapping::Print) {
        return printFactors();
    }
    return screenFactors(canvas.deviceCaps(DeviceCap::HorizontalResolution),
                         canvas.deviceCaps(DeviceCap::VerticalResolution),
                         canvas.deviceCaps(DeviceCap::LogicalPixelsPerInch), mapping.drawScale);
}

} // namespace

void paintCeilingHours(DrawingCanvas& canvas, const CeilingHoursModel& model,
                       const PageMapping& mapping) {
    if (!model.drawable) {
        return;
    }
    const GraphFactors f = factorsFor(canvas, mapping);
    const Font headerFont = graphstyle::headerFont(f.fontScale());
    const Font axisFont = graphstyle::axisFont(f.fontScale());
    const Font noteFont =
        f.fontScale() == FontScale::Large ? graphstyle::fontB() : graphstyle::fontD();
    canvas.setMapping(mapping.mapping);
    canvas.saveState();

    Painter p(canvas, f, model);
    p.header(headerFont, axisFont);
    p.scale();
    p.band();
    p.groundLines(axisFont);
    p.thermalTops();
    p.clouds(noteFont);
    p.firstStrongHour();
    p.rows(axisFont, noteFont);
    p.notes(noteFont);

    canvas.restoreState();
}

} // namespace brisalta
