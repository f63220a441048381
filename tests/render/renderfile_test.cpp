// The 24-hour graph written to PNG, SVG and PDF files: the files open and
// show what a person expects to see. Set BRISALTA_KEEP_PICTURES to a folder
// to keep the pictures for a look.
#include "render/renderfile.h"

#include "graph/graphcurves.h"
#include "graph/graphgeometry.h"
#include "graph/graphrenderer.h"
#include "graph/graphfixture.h"
#include "support/testplaces.h"
#include "text/codepage.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace brisalta {
namespace {

namespace fs = std::filesystem;

DrawFunction graphOf(SessionState& session) {
    return [&session](DrawingCanvas& canvas, PageMode mode) {
        paintGraph(canvas, prepareGraph(session),
                   mode == PageMode::Print ? PageMapping::print() : PageMapping::screen());
    };
}

std::unique_ptr<SessionState> screenSession() {
    auto session = test::summerDaySession();
    session->view.drawScale = kScreenScale;
    session->graph.title = text::cp1252("Aeropuerto de Málaga - Costa del Sol");
    return session;
}

void keep(const fs::path& file) {
    if (const char* folder = std::getenv("BRISALTA_KEEP_PICTURES")) {
        fs::create_directories(folder);
        fs::copy_file(file, fs::path(folder) / file.filename(), fs::copy_options::overwrite_existing);
    }
}

TEST(RenderFile, PictureSizeIsTheDesignAtScreenFactorsPlusMargin) {
    RenderOptions options;
    EXPECT_EQ(pictureSize(options), QSize(1843 + 16, 1036 + 16));
    options.screen = VirtualScreen{800, 600, 96};
    options.drawScale = 1.0;
    options.margin = 0;
    EXPECT_EQ(pictureSize(options), QSize(800, 600));
    options.screen = VirtualScreen{0, 0, 0};
    EXPECT_EQ(pictureSize(options), QSize(800, 600));
    options.screen = VirtualScreen{2000000000, 2000000000, 96};
    EXPECT_LE(pictureSize(options).width(), 16384);
}

TEST(RenderFile, KindFollowsTheExtension) {
    EXPECT_EQ(fileKindOf("a/grafica.png"), FileKind::Png);
    EXPECT_EQ(fileKindOf("GRAFICA.PNG"), FileKind::Png);
    EXPECT_EQ(fileKindOf("g.svg"), FileKind::Svg);
    EXPECT_EQ(fileKindOf("g.Pdf"), FileKind::Pdf);
    EXPECT_FALSE(fileKindOf("g.jpg"));
    EXPECT_FALSE(fileKindOf("png"));
}

// Purpose: the PNG has the picture's size and shows the curves, the humidity
// area and a white background where the design says.
TEST(RenderFile, WritesTheGraphAsPng) {
    test::ScratchPlaces places;
    const fs::path file = places.root() / "grafica.png";
    auto session = screenSession();
    const RenderOptions options;
    ASSERT_EQ(renderToFile(file, options, graphOf(*session)), "");
    keep(file);
    const QImage image(QString::fromStdString(file.string()));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), pictureSize(options));

    const GraphFactors f = screenFactors(1920, 1080, 96, kScreenScale);
    const int m = options.margin;
    const auto at = [&](int x, int y) { return image.pixel(m + x, m + y); };
    // Slot 13 of the temperature curve (30 °C) on the scale 7..35 in steps of 4.
    const QRgb temperature = at(slotX(f, 105, 13), seriesY(f, 85, ValueScale{7, 4}, 30));
    EXPECT_GT(qRed(temperature), 200);
    EXPECT_LT(qGreen(temperature), 80);
    EXPECT_LT(qBlue(temperature), 80);
    // Pressure slot 10 (1015 hPa) on 1012..1019.
    const QRgb pressure = at(slotX(f, 460, 10), seriesY(f, 85, ValueScale{1012, 1}, 1015));
    EXPECT_EQ(qRgb(qRed(pressure), qGreen(pressure), qBlue(pressure)), qRgb(50, 0, 164));
    // Inside the humidity area, just above the panel's bottom edge.
    EXPECT_EQ(at(f.x(200), f.y(235)), qRgb(204, 255, 255));
    EXPECT_EQ(image.pixel(2, 2), qRgb(255, 255, 255));
    EXPECT_EQ(at(f.x(380), f.y(380)), qRgb(255, 255, 255)); // between the bottom panels
    // The temperature axis is black.
    EXPECT_EQ(at(f.x(85), f.y(150)), qRgb(0, 0, 0));
}

// Purpose: the SVG keeps the texts as text, so the header can be read and searched.
TEST(RenderFile, WritesTheGraphAsSvgWithTextElements) {
    test::ScratchPlaces places;
    const fs::path file = places.root() / "grafica.svg";
    auto session = screenSession();
    RenderOptions options;
    options.title = text::cp1252("Gráfica de 24 horas");
    ASSERT_EQ(renderToFile(file, options, graphOf(*session)), "");
    keep(file);
    const std::string svg = test::readFile(file);
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("<text"), std::string::npos);
    EXPECT_NE(svg.find("Gráfica de 24 horas"), std::string::npos);
    EXPECT_NE(svg.find("Últimos datos del día 17/07/2026 a las 22.30 horas: Aeropuerto de Málaga"),
              std::string::npos);
    EXPECT_NE(svg.find("Punto de rocío"), std::string::npos);
    EXPECT_NE(svg.find("Liberation Serif"), std::string::npos);
}

// Purpose: the PDF is a real landscape page that a PDF reader turns into a
// picture with the graph on it.
TEST(RenderFile, WritesTheGraphAsPdfThatPopplerRenders) {
    test::ScratchPlaces places;
    const fs::path file = places.root() / "grafica.pdf";
    auto session = screenSession();
    ASSERT_EQ(renderToFile(file, RenderOptions{}, graphOf(*session)), "");
    keep(file);
    EXPECT_DOUBLE_EQ(session->view.drawScale, kScreenScale);
    const std::string pdf = test::readFile(file);
    ASSERT_GE(pdf.size(), 5u);
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");

    if (std::system("command -v pdftoppm > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    }
    const fs::path prefix = places.root() / "pagina";
    const std::string command =
        "pdftoppm -png -r 50 -singlefile '" + file.string() + "' '" + prefix.string() + "' 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const fs::path pagePng = prefix.string() + ".png";
    keep(pagePng);
    const QImage page(QString::fromStdString(pagePng.string()));
    ASSERT_FALSE(page.isNull());
    EXPECT_GT(page.width(), page.height()); // landscape
    int red = 0, dark = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QRgb p = page.pixel(x, y);
            red += qRed(p) > 200 && qGreen(p) < 90 && qBlue(p) < 90 ? 1 : 0;
            dark += qRed(p) < 60 && qGreen(p) < 60 && qBlue(p) < 60 ? 1 : 0;
        }
    }
    EXPECT_GT(red, 20);
    EXPECT_GT(dark, 200);
}

TEST(RenderFile, ReportsFilesItCannotWrite) {
    test::ScratchPlaces places;
    auto session = screenSession();
    const std::string unknown = text::toUtf8(renderToFile(places.root() / "g.gif", RenderOptions{}, graphOf(*session)));
    EXPECT_NE(unknown.find("No se reconoce el formato del fichero"), std::string::npos);
    for (const char* name : {"no/existe/g.png", "no/existe/g.svg", "no/existe/g.pdf"}) {
        const std::string error = text::toUtf8(renderToFile(places.root() / name, RenderOptions{}, graphOf(*session)));
        EXPECT_NE(error.find("No se pudo escribir el fichero"), std::string::npos) << name;
    }
}

} // namespace
} // namespace brisalta
