// "Techo por horas" as a picture: golden dumps of a whole day on screen and on
// paper (a missing hour among them), what the prepared model says (scale,
// first strong hour, title and footnote), and painting that changes nothing.
#include "ceilinghours/ceilinghourspicture.h"

#include "../diagram/diagramfixture.h"
#include "ceilinghoursfixture.h"
#include "support/goldenpicture.h"
#include "support/recordingcanvas.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace brisalta {
namespace {

using test::GraphHour;
using test::RecordingCanvas;

// A summer day on the coast under the moist morning sounding (10 m, 24 °C):
// no thermal while the air is cool, blue thermals as it warms, cumulus
// once the afternoon breeze brings moist air; hour 03 was not reported.
std::unique_ptr<SessionState> coastalDay(std::optional<int> elevation = 8) {
    auto session = test::soundingSession(test::moistMorningRows());
    // clang-format off
    const std::vector<GraphHour> hours = {
        {24, 18}, {25, 17}, {27, 16}, {28, 16}, {29, 15}, {30, 15}, {31, 16}, {31, 17},
        {31, 19}, {30, 20}, {29, 21}, {28, 21}, {27, 21}, {26, 21}, {25, 20}, {24, 20},
        {23, 20}, {22, 19}, {kMissing, kMissing}, {21, 19}, {21, 18}, {21, 18}, {22, 18},
        {23, 18},
    };
    // clang-format on
    test::addGraph(*session, hours, 8, elevation);
    return session;
}

TEST(CeilingHoursPicture, MatchesItsGoldenDumps) {
    struct Case {
        const char* name;
        int width, height, dpi;
        double drawScale;
        bool printing;
    };
    const Case cases[] = {
        {"ceiling-hours-design", 800, 600, 96, 1.0, false},
        {"ceiling-hours-print", 4960, 7015, 600, kScreenScale, true},
    };
    auto session = coastalDay();
    const CeilingHoursModel model = prepareCeilingHours(*session);
    ASSERT_TRUE(model.drawable);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingCanvas canvas(c.width, c.height, c.dpi);
        paintCeilingHours(canvas, model,
                          c.printing ? PageMapping::print() : PageMapping::screen(c.drawScale));
        EXPECT_EQ(test::compareWithGoldenPicture(c.name, canvas.dump()), "");
    }
}

// The scale reaches from the lowest ground to the highest band and always
// shows the line 1000 m over the ground; the first strong hour is the first
// whose top is more than 1000 m over the higher of the two grounds.
TEST(CeilingHoursPicture, ScaleAndFirstStrongHour) {
    auto session = coastalDay();
    const CeilingHoursModel m = prepareCeilingHours(*session);
    ASSERT_TRUE(m.drawable);
    EXPECT_EQ(m.ground, 10.0);
    EXPECT_LE(m.scale.bottom, 8);
    EXPECT_GE(m.scale.top, m.ground + kStrongThermalMetres);
    int first = -1;
    for (int i = 0; i < kSlots; ++i) {
        const CeilingHour& h = m.ceilings.hours[static_cast<std::size_t>(i)];
        for (const auto& v : {h.thermalTop, h.cloudBase, h.lowerBand, h.upperBand}) {
            if (v) {
                EXPECT_GE(*v, m.scale.bottom);
                EXPECT_LE(*v, m.scale.top);
            }
        }
        if (first < 0 && h.thermalTop && *h.thermalTop > m.ground + kStrongThermalMetres) {
            first = i;
        }
    }
    ASSERT_GE(first, 0) << "the day must have a strong thermal";
    EXPECT_EQ(m.firstStrongSlot, std::optional<int>(first));
    EXPECT_TRUE(std::any_of(m.ceilings.hours.begin(), m.ceilings.hours.end(),
                            [](const CeilingHour& h) { return h.cloudBase.has_value(); }));

    // An airport 1500 m above the sounding's ground: no top is 1000 m over it.
    auto high = coastalDay(1510);
    const CeilingHoursModel h = prepareCeilingHours(*high);
    EXPECT_EQ(h.ground, 1510.0);
    EXPECT_EQ(h.firstStrongSlot, std::nullopt);
    EXPECT_GE(h.scale.top, 2510);
}

// The title names the airport and the day of its data; the second line is
// the sounding's own title; the footnote tells how the picture was made, and
// tells apart an airport and a sounding that do not stand on the same ground
// or the same day.
TEST(CeilingHoursPicture, TitleAndFootnote) {
    const auto hasNote = [](const CeilingHoursModel& m, const char* part) {
        return std::any_of(m.notes.begin(), m.notes.end(), [&](const std::string& n) {
            return n.find(text::cp1252(part)) != std::string::npos;
        });
    };
    struct Case {
        std::optional<int> elevation;
        const char* soundingDay;
        const char* groundNote; // nullptr: none
        bool warning;
    };
    const Case cases[] = {
        {8, "17", nullptr, false},
        {std::nullopt, "16", nullptr, false}, // the day before: the graph began then
        {-40, "18", "El sondeo empieza a 10 m, por encima del aeropuerto (-40 m)", false},
        {600, "17", "El aeropuerto (600 m) está por encima del primer nivel del sondeo (10 m)",
         false},
        {8, "14", nullptr, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.elevation.value_or(9999) << " " << c.soundingDay);
        auto session = coastalDay(c.elevation);
        session->selection.soundingDay = c.soundingDay;
        const CeilingHoursModel m = prepareCeilingHours(*session);
        EXPECT_EQ(m.title,
                  text::cp1252("Techo por horas: Aeropuerto de Pruebas, datos del 17/07/2024"));
        EXPECT_EQ(m.soundingLine.rfind("Sondeo de ", 0), 0u);
        EXPECT_TRUE(hasNote(m, "el de la mañana"));
        EXPECT_TRUE(hasNote(m, "se supone que la masa de aire no cambia"));
        EXPECT_TRUE(hasNote(m, "la simulación de techo propia de Brisalta"));
        if (c.groundNote) {
            EXPECT_TRUE(hasNote(m, c.groundNote));
        } else {
            EXPECT_FALSE(hasNote(m, "las térmicas se simulan desde"));
        }
        EXPECT_EQ(m.warning.empty(), !c.warning);
    }

    // A day too cool for any thermal says so.
    auto cool = test::soundingSession(test::moistMorningRows());
    test::addGraph(*cool, test::sameEveryHour(20, 15));
    EXPECT_TRUE(hasNote(prepareCeilingHours(*cool), "Ninguna hora da térmicas"));
}

// Painting reads the prepared picture and nothing else; a picture that could
// not be prepared draws nothing.
TEST(CeilingHoursPicture, PaintingChangesNothing) {
    auto session = coastalDay();
    const CeilingHoursModel model = prepareCeilingHours(*session);
    RecordingCanvas first(1920, 1080, 96), second(1920, 1080, 96);
    paintCeilingHours(first, model, PageMapping::screen());
    paintCeilingHours(second, model, PageMapping::print());
    paintCeilingHours(second, model, PageMapping::screen());
    EXPECT_NE(first.dump(), "");
    EXPECT_NE(second.dump().find(first.dump()), std::string::npos);
    EXPECT_EQ(second.openStates(), 0);

    session->view.soundingAvailable = false;
    RecordingCanvas empty;
    paintCeilingHours(empty, prepareCeilingHours(*session), PageMapping::screen());
    EXPECT_TRUE(empty.empty());
}

} // namespace
} // namespace brisalta
