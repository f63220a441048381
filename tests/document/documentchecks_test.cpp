// Documents that are what they claim: a file whose values no reading of the
// program could give (any file at all "reads" as a graph once it is long
// enough) is refused as damaged, says which value gave it away, and loads
// nothing; the values the program's own flow does produce still open.
#include "document/brisaltadocument.h"
#include "document/documentchecks.h"
#include "document/documentfile.h"

#include "document/documentsamples.h"
#include "support/testplaces.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <limits>

#include <sys/stat.h>

namespace brisalta {
namespace {

namespace fs = std::filesystem;

std::string written(SessionState& s) {
    ArchiveWriter archive;
    serialize(archive, s);
    return archive.bytes();
}

// Reads `bytes` into a session that already shows something; returns the
// refusal's detail (UTF-8), or "" when the document opened.
std::string refusalOf(const std::string& bytes, SessionState& into) {
    ArchiveReader archive(bytes);
    const DocumentRead read = serialize(archive, into);
    if (!read.error) {
        return "";
    }
    EXPECT_EQ(read.error->kind, DocumentError::Kind::Implausible);
    return text::toUtf8(read.error->detail);
}

SessionState showing() {
    SessionState s;
    test::fillGoldenSounding(s);
    s.view.soundingShown = true;
    return s;
}

TEST(DocumentChecks, GraphValuesNoReadingGivesAreRefused) {
    struct Case {
        const char* name;
        std::function<void(GraphSeries&)> change;
        const char* refusal; // "" when the document opens
    };
    const Case cases[] = {
        {"as saved", [](GraphSeries&) {}, ""},
        {"day 40", [](GraphSeries& g) { g.day = 40; }, "el día 40 no existe"},
        {"day from a text file", [](GraphSeries& g) { g.day = 1699618851; },
         "el día 1699618851 no existe"},
        {"month 13", [](GraphSeries& g) { g.month = 13; }, "el mes 13 no existe"},
        {"time 2460", [](GraphSeries& g) { g.lastTime = 2460; }, "la hora 2460 no existe"},
        {"slot hour 99", [](GraphSeries& g) { g.hour[5] = 99; }, "la hora 99 no existe"},
        {"300 degrees", [](GraphSeries& g) { g.temperature[7] = 300; },
         "una temperatura de 300 ºC no es posible"},
        {"dew point -150", [](GraphSeries& g) { g.dewPoint[0] = -150; },
         "un punto de rocío de -150 ºC no es posible"},
        {"pressure 50", [](GraphSeries& g) { g.pressure[23] = 50; },
         "una presión de 50 hPa no es posible"},
        {"wind 999", [](GraphSeries& g) { g.windSpeed[1] = 999; },
         "un viento de 999 km/h no es posible"},
        {"humidity 150", [](GraphSeries& g) { g.humidity = 150; },
         "una humedad del 150 % no es posible"},
        // What the program's own flow produces opens again.
        {"day 0 and month 0 (time offset, no month name)",
         [](GraphSeries& g) {
             g.day = 0;
             g.month = 0;
         },
         ""},
        {"day 32 (time offset)", [](GraphSeries& g) { g.day = 32; }, ""},
        {"hours counted back past midnight (automatic station)",
         [](GraphSeries& g) {
             g.hour[0] = -2;
             g.hour[1] = -1;
         },
         ""},
        {"missing values",
         [](GraphSeries& g) {
             g.temperature.fill(kMissing);
             g.pressure.fill(kMissing);
             g.windSpeed.fill(kMissing);
             g.humidity = kMissing;
         },
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SessionState s;
        test::fillGoldenGraph(s);
        c.change(s.graph);
        const std::string bytes = written(s);
        SessionState into = showing();
        const std::string before = test::fingerprint(into);
        EXPECT_EQ(refusalOf(bytes, into), c.refusal);
        if (*c.refusal != '\0') {
            EXPECT_EQ(test::fingerprint(into), before) << "a refused document loads nothing";
        }
    }
}

TEST(DocumentChecks, SoundingLevelsMustBeFiniteAndWithinTheReadersLimits) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        const char* name;
        std::size_t level;
        std::size_t column;
        float value;
        const char* refusal;
    };
    const Case cases[] = {
        {"as saved", 0, 0, 1000.0f, ""},
        {"NaN pressure", 0, 0, nan, "el nivel 1 tiene un valor de presión imposible"},
        {"infinite height", 0, 1, inf, "el nivel 1 tiene un valor de altura imposible"},
        {"150 degrees", 2, 2, 150.0f, "el nivel 3 tiene un valor de temperatura imposible"},
        {"pressure 2000", 1, 0, 2000.0f, "el nivel 2 tiene un valor de presión imposible"},
        {"humidity 120", 1, 4, 120.0f, "el nivel 2 tiene un valor de humedad imposible"},
        {"very dry forecast level", 1, 3, -130.0f, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SessionState s;
        test::fillGoldenSounding(s);
        s.sounding.mirror[c.level][c.column] = c.value;
        SessionState into;
        test::fillGoldenGraph(into);
        EXPECT_EQ(refusalOf(written(s), into), c.refusal);
    }

    // The text-list reader does not check its last level beyond pressure and
    // temperature, so neither does the document.
    SessionState s;
    test::fillGoldenSounding(s);
    const std::size_t last = static_cast<std::size_t>(s.sounding.count - 1);
    s.sounding.mirror[last][5] = 400.0f;
    SessionState into;
    EXPECT_EQ(refusalOf(written(s), into), "");
    s.sounding.mirror[last][2] = 150.0f;
    EXPECT_NE(refusalOf(written(s), into), "");
}

// Files that are not documents at all, and a FIFO that nobody writes to.
TEST(DocumentChecks, FilesThatAreNoDocumentsOpenNothingAndNeverWait) {
    test::ScratchPlaces places;
    const fs::path services = places.root() / "services";
    std::string text;
    while (text.size() < 4000) {
        text += "ftp\t\t21/tcp\nssh\t\t22/tcp\t\t\t\t# SSH Remote Login Protocol\n";
    }
    test::writeFile(services, text);
    const fs::path picture = places.root() / "imagen.png";
    std::string png = "\x89PNG\r\n\x1a\n";
    png.resize(5000, '\x7f');
    test::writeFile(picture, png);
    const fs::path fifo = places.root() / "tuberia.brl";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

    for (const fs::path& path : {services, picture, fifo}) {
        SCOPED_TRACE(path.string());
        SessionState s = showing();
        const std::string before = test::fingerprint(s);
        const auto start = std::chrono::steady_clock::now();
        const DocumentRead read = openDocument(s, path);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        ASSERT_TRUE(read.error);
        EXPECT_NE(read.error->kind, DocumentError::Kind::Unreadable);
        EXPECT_EQ(test::fingerprint(s), before);
        const std::string message = text::toUtf8(openFailureMessage(path, *read.error));
        EXPECT_EQ(message.find("número"), std::string::npos) << message;
    }
}

} // namespace
} // namespace brisalta
