// "Techo por horas" through the Qt canvas: the PNG shows the blue step and
// the band inside the panel, the PDF is one landscape page. Set
// BRISALTA_KEEP_PICTURES to a folder to keep the pictures for a look.
#include "render/renderfile.h"

#include "../diagram/diagramfixture.h"
#include "ceilinghours/ceilinghoursgeometry.h"
#include "ceilinghours/ceilinghourspicture.h"
#include "ceilinghoursfixture.h"
#include "support/testplaces.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>

namespace brisalta {
namespace {

namespace fs = std::filesystem;

void keep(const fs::path& file) {
    if (const char* folder = std::getenv("BRISALTA_KEEP_PICTURES")) {
        fs::create_directories(folder);
        fs::copy_file(file, fs::path(folder) / file.filename(),
                      fs::copy_options::overwrite_existing);
    }
}

int pixelsNear(const QImage& image, QColor colour, QRect area, int tolerance = 30) {
    int count = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                                 std::abs(c.blue() - colour.blue()) <=
                             tolerance
                         ? 1
                         : 0;
        }
    }
    return count;
}

TEST(CeilingHoursRender, WritesAPictureAndALandscapePage) {
    auto session = test::soundingSession(test::moistMorningRows());
    test::addGraph(*session, {{24, 18},
                              {27, 16},
                              {29, 15},
                              {31, 16},
                              {31, 19},
                              {30, 20},
                              {28, 21},
                              {26, 21},
                              {24, 20},
                              {22, 19},
                              {21, 18},
                              {23, 18}});
    const CeilingHoursModel model = prepareCeilingHours(*session);
    ASSERT_TRUE(model.drawable);
    const DrawFunction draw = [&](DrawingCanvas& canvas, PageMode mode) {
        paintCeilingHours(canvas, model,
                          mode == PageMode::Print ? PageMapping::print() : PageMapping::screen());
    };
    test::ScratchPlaces places;
    const fs::path png = places.root() / "techo-por-horas.png";
    const fs::path pdf = places.root() / "techo-por-horas.pdf";
    ASSERT_EQ(renderToFile(png, RenderOptions{}, draw), "");
    ASSERT_EQ(renderToFile(pdf, RenderOptions{}, draw), "");
    keep(png);
    keep(pdf);

    const QImage image(QString::fromStdString(png.string()));
    ASSERT_FALSE(image.isNull());
    // The panel on the default 1920 × 1080 screen at 0.96, 8 pixels of margin.
    const auto px = [](int d) { return static_cast<int>(d * 2.4 * 0.96) + 8; };
    const auto py = [](int d) { return static_cast<int>(d * 1.8 * 0.96) + 8; };
    const QRect panel(QPoint(px(kHoursLeft + 1), py(kHoursTop + 1)),
                      QPoint(px(kHoursRight - 1), py(kHoursBottom - 1)));
    EXPECT_GT(pixelsNear(image, QColor(0, 90, 200), panel), 500);       // the thermal tops
    EXPECT_GT(pixelsNear(image, QColor(205, 224, 255), panel, 6), 500); // the band
    // The hours without data (slots 12 to 23) leave the panel above the ground blank.
    const QRect empty(QPoint(px(slotLeft(13)), py(kHoursTop + 1)),
                      QPoint(px(slotLeft(23)), py(kHoursBottom - 20)));
    EXPECT_EQ(pixelsNear(image, QColor(0, 90, 200), empty), 0);

    const std::string bytes = test::readFile(pdf);
    EXPECT_EQ(bytes.rfind("%PDF", 0), 0u);
    EXPECT_NE(bytes.find("/MediaBox [0 0 842.000000 595.000000]"), std::string::npos)
        << "one A4 page, landscape";
}

} // namespace
} // namespace brisalta
