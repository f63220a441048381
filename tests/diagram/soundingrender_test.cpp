// The sounding diagram written to PNG and PDF files through the Qt canvas:
// the pictures hold the diagram's colours where a person expects them, the
// cloud picture comes from the program's resources, and the printout makes a
// PDF page. Set BRISALTA_KEEP_PICTURES to a folder to keep the pictures for
// a look.
#include "render/renderfile.h"

#include "diagramfixture.h"
#include "diagram/ceilingsimulation.h"
#include "diagram/soundinggeometry.h"
#include "diagram/soundingdiagram.h"
#include "support/testplaces.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

namespace brisalta {
namespace {

namespace fs = std::filesystem;

constexpr double kPrintFactor = 1.07 * 1.07 * 1.07;

DrawFunction soundingOf(SessionState& session) {
    return [&session](DrawingCanvas& canvas, PageMode mode) {
        test::drawSounding(canvas, session, mode == PageMode::Print);
    };
}

void keep(const fs::path& file) {
    if (const char* folder = std::getenv("BRISALTA_KEEP_PICTURES")) {
        fs::create_directories(folder);
        fs::copy_file(file, fs::path(folder) / file.filename(),
                      fs::copy_options::overwrite_existing);
    }
}

RenderOptions screenOptions() {
    RenderOptions options;
    options.drawScale = kScreenScale;
    options.printFactor = kPrintFactor;
    return options;
}

QImage render(SessionState& session, const fs::path& file) {
    session.view.drawScale = kScreenScale;
    EXPECT_EQ(renderToFile(file, screenOptions(), soundingOf(session)), "");
    keep(file);
    return QImage(QString::fromStdString(file.string()));
}

// Pixels within a small distance of a colour, inside a rectangle of the image.
int pixelsNear(const QImage& image, QColor colour, QRect area = {}, int tolerance = 40) {
    const QRect r = area.isNull() ? image.rect() : area.intersected(image.rect());
    int count = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) <=
                tolerance) {
                ++count;
            }
        }
    }
    return count;
}

// A design rectangle on the default 1920 × 1080 screen at drawScale 0.96,
// with the picture's 8-pixel margin.
QRect designRect(int left, int top, int right, int bottom) {
    const auto x = [](int d) { return static_cast<int>(d * 2.4 * 0.96) + 8; };
    const auto y = [](int d) { return static_cast<int>(d * 1.8 * 0.96) + 8; };
    return QRect(QPoint(x(left), y(top)), QPoint(x(right), y(bottom)));
}

const QColor kRed(255, 0, 0);
const QColor kOrange(255, 150, 0);
const QColor kHumidity(204, 255, 255);
const QColor kParcel(30, 150, 40);

TEST(SoundingRender, ResourcesHoldTheCloudPicture) {
    const QImage cloud(QStringLiteral(":/pictures/") + QString::fromLatin1(kCloudPictureName));
    ASSERT_FALSE(cloud.isNull());
    EXPECT_EQ(cloud.size(), QSize(kCloudPictureWidth, kCloudPictureHeight));
    const QImage opaque = cloud.convertToFormat(QImage::Format_RGB32);
    EXPECT_GT(pixelsNear(opaque, kOrange, {}, 60), 30);               // the sun
    EXPECT_GT(pixelsNear(opaque, QColor(255, 255, 255), {}, 0), 200); // the cloud
}

// Purpose: every kind of diagram becomes a picture with its curves inside
// the left panel and its humidity area behind them.
TEST(SoundingRender, WritesEveryKindOfDiagram) {
    test::ScratchPlaces places;
    const fs::path folder = places.root();
    struct Case {
        const char* file;
        std::function<std::unique_ptr<SessionState>()> make;
        int zoom;
    };
    const fs::path uwyo = test::dataPath() / "samples" / "uwyo";
    const Case cases[] = {
        {"sondeo-seco.png", [] { return test::soundingSession(test::dryAfternoonRows()); }, 0},
        {"sondeo-seco-zoom.png", [] { return test::soundingSession(test::dryAfternoonRows()); }, 1},
        {"sondeo-oun.png",
         [&] { return test::wyomingSession(uwyo / "siphon_wyoming_sounding.html"); }, 0},
        {"sondeo-oun-zoom.png",
         [&] { return test::wyomingSession(uwyo / "siphon_wyoming_sounding.html"); }, 1},
        {"sondeo-boi.png",
         [&] {
             return test::wyomingSession(uwyo / "siphon_wyoming_high_alt_sounding.html", "9", "12",
                                         "2010", "12");
         },
         1},
        {"sondeo-segundo-servicio.png", [] { return test::secondServiceSession(); }, 0},
        {"sondeo-prevision.png", [] { return test::forecastSession(); }, 0},
        {"sondeo-prevision-gdas.png",
         [] { return test::forecastSession("ready_gdas_station.txt"); }, 1},
    };
    for (const Case& c : cases) {
        auto session = c.make();
        ASSERT_TRUE(session->view.soundingShown) << c.file;
        session->view.soundingZoom = c.zoom;
        const QImage image = render(*session, folder / c.file);
        ASSERT_FALSE(image.isNull()) << c.file;
        const QRect left = designRect(81, 86, 379, 464);
        EXPECT_GT(pixelsNear(image, kRed, left), 150) << c.file;
        EXPECT_GT(pixelsNear(image, kOrange, left), 100) << c.file;
        EXPECT_GT(pixelsNear(image, kHumidity, left, 0), 500) << c.file;
        EXPECT_EQ(pixelsNear(image, kRed, designRect(466, 86, 764, 464)), 0) << c.file;
        EXPECT_GT(pixelsNear(image, QColor(0, 0, 0), designRect(50, 30, 500, 45), 120), 100)
            << c.file; // title
    }
}

// Purpose: the simulation's lines, and for a cumulus the picture from the
// resources, appear on the picture at the base.
TEST(SoundingRender, DrawsTheSimulationWithTheCloudPicture) {
    test::ScratchPlaces places;
    auto dry = test::soundingSession(test::dryAfternoonRows());
    startCeilingSimulation(*dry, 34, 5);
    const QImage thermal = render(*dry, places.root() / "sondeo-termica.png");
    EXPECT_GT(pixelsNear(thermal, kParcel, designRect(81, 86, 379, 464)), 200);
    EXPECT_EQ(pixelsNear(thermal, kOrange, designRect(340, 86, 379, 464), 60), 0);

    for (const int zoom : {0, 1}) {
        auto moist = test::soundingSession(test::moistMorningRows());
        moist->view.soundingZoom = zoom;
        startCeilingSimulation(*moist, 25, 20);
        const QImage cumulus =
            render(*moist, places.root() / (zoom ? "sondeo-cumulo-zoom.png" : "sondeo-cumulo.png"));
        // The base is found on the full diagram; the zoomed one draws it at
        // the same height on its own scale.
        const int base =
            zoom ? soundingGeometry(moist->sounding.levels[0][kHeight], true)
                       .stepY(moist->ceiling.cloudBaseHeight)
                 : moist->ceiling.cloudBaseY;
        ASSERT_GT(base, 85);
        // The picture's top-left corner at (342, base − 23), 38 × 28 pixels.
        const QRect picture(designRect(342, base - 23, 342, base - 23).topLeft(), QSize(38, 28));
        EXPECT_GT(pixelsNear(cumulus, kOrange, picture, 60), 20) << zoom;
        EXPECT_GT(pixelsNear(cumulus, QColor(110, 125, 150), picture, 60), 20) << zoom;
    }
}

// Purpose: a real evening sounding of the text-list service with a moist
// afternoon typed in: the cumulus base with its picture, quoted in knots
// turned into km/h.
TEST(SoundingRender, RealSoundingWithASimulation) {
    test::ScratchPlaces places;
    auto oun = test::wyomingSession(test::dataPath() / "samples" / "uwyo" /
                                    "siphon_wyoming_sounding.html");
    startCeilingSimulation(*oun, 30, 19);
    const QImage image = render(*oun, places.root() / "sondeo-oun-techo.png");
    const CeilingSimulation& c = oun->ceiling;
    ASSERT_TRUE(c.cloudBaseDrawn);
    EXPECT_GT(c.cloudBaseHeight, 1000.0);
    EXPECT_LT(c.cloudBaseHeight, 2500.0);
    EXPECT_GT(c.ceilingWindSpeed, 60); // about 37 knots up there
    const QRect picture(designRect(342, c.cloudBaseY - 23, 342, c.cloudBaseY - 23).topLeft(),
                        QSize(38, 28));
    EXPECT_GT(pixelsNear(image, kOrange, picture, 60), 20);
    EXPECT_GT(pixelsNear(image, QColor(250, 0, 0), designRect(50, 10, 600, 22), 60),
              100); // the red sentence
}

// Purpose: the printout of the diagram makes a PDF page.
TEST(SoundingRender, PrintsOnAPdfPage) {
    test::ScratchPlaces places;
    auto moist = test::soundingSession(test::moistMorningRows());
    startCeilingSimulation(*moist, 25, 20);
    const fs::path pdf = places.root() / "sondeo.pdf";
    EXPECT_EQ(renderToFile(pdf, screenOptions(), soundingOf(*moist)), "");
    keep(pdf);
    const std::string head = test::readFile(pdf).substr(0, 5);
    EXPECT_EQ(head, "%PDF-");
    EXPECT_GT(fs::file_size(pdf), 5000u);
    EXPECT_TRUE(moist->ceiling.cloudBaseDrawn);
}

} // namespace
} // namespace brisalta
