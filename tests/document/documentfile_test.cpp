// Documents on disk: opening shows a clear message and changes nothing when it
// fails; saving replaces the file in one step and reports what went wrong.
#include "document/documentfile.h"

#include "document/documentsamples.h"
#include "support/testplaces.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <vector>

#include <sys/resource.h>

namespace brisalta {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> folderListing(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Makes every write beyond `bytes` fail with EFBIG for the life of the object,
// standing in for a disk that fills up during a save.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &mSaved);
        mHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = mSaved;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &mSaved);
        std::signal(SIGXFSZ, mHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit mSaved{};
    void (*mHandler)(int) = nullptr;
};

TEST(DocumentFile, OpensTheReferenceGraph) {
    SessionState s;
    const DocumentRead read = openDocument(s, test::dataPath() / "document" / "graph_v30.brl");
    EXPECT_FALSE(read.error);
    EXPECT_EQ(read.notice, DocumentNotice::None);
    EXPECT_EQ(s.graph.humidity, 63);
    EXPECT_TRUE(s.view.graphShown);
}

// Purpose: each way an open can fail names the file (by its name only, never
// its folder), says why in Spanish, and
// leaves the session untouched.
TEST(DocumentFile, FailedOpenShowsWhyAndChangesNothing) {
    test::ScratchPlaces places;
    const fs::path folder = places.root();
    const std::string graph = test::readFile(test::dataPath() / "document" / "graph_v30.brl");
    test::writeFile(folder / "cortado.brl", graph.substr(0, graph.size() - 3));
    test::writeFile(folder / "niveles.brl", test::soundingHead("sondeo", 251, "A").data);
    { std::ofstream grow(folder / "enorme.brl"); }
    fs::resize_file(folder / "enorme.brl", kMaxDocumentBytes + 1);

    struct Case {
        fs::path path;
        std::string message; // UTF-8
    };
    const Case cases[] = {
        {folder / "falta.brl", "No se ha podido abrir el documento «" +
                                   std::string("falta.brl") +
                                   "»: el fichero no existe o no se puede leer."},
        {folder / "tmp", "No se ha podido abrir el documento «tmp»: no es un fichero normal (es una "
                         "carpeta, un dispositivo o una tubería)."},
        {folder / "cortado.brl", "No se ha podido abrir el documento «" +
                                     std::string("cortado.brl") +
                                     "»: el fichero está incompleto o dañado."},
        {folder / "niveles.brl",
         "No se ha podido abrir el documento «" + std::string("niveles.brl") +
             "»: el sondeo dice tener 251 niveles y el programa solo admite de 0 a 250."},
        {folder / "enorme.brl", "No se ha podido abrir el documento «" +
                                    std::string("enorme.brl") +
                                    "»: el fichero es demasiado grande para ser un documento de "
                                    "Brisalta."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.string());
        SessionState s;
        test::fillGoldenSounding(s);
        const std::string before = test::fingerprint(s);
        const DocumentRead read = openDocument(s, c.path);
        ASSERT_TRUE(read.error);
        EXPECT_EQ(text::toUtf8(openFailureMessage(c.path, *read.error)), c.message);
        EXPECT_EQ(test::fingerprint(s), before);
    }
}

TEST(DocumentFile, SavesTheReferenceBytesOverAnOlderFile) {
    test::ScratchPlaces places;
    const fs::path target = places.root() / "cwd" / "Gráfica.brl";
    test::writeFile(target, "an older, longer document that must disappear entirely");
    SessionState s;
    test::fillGoldenGraph(s);
    EXPECT_FALSE(saveDocument(s, target));
    EXPECT_EQ(test::readFile(target),
              test::readFile(test::dataPath() / "document" / "graph_v30.brl"));
    EXPECT_EQ(folderListing(target.parent_path()), std::vector<std::string>{"Gráfica.brl"});
    EXPECT_EQ(s.graph.fileVersion, 30);
}

// Purpose: a save that fails says why and never damages the file it was
// meant to replace, nor leaves a temporary file behind.
TEST(DocumentFile, FailedSaveKeepsThePreviousDocument) {
    test::ScratchPlaces places;
    const fs::path folder = places.root() / "cwd";
    const fs::path target = folder / "sondeo.brl";
    test::writeFile(target, "previous");
    SessionState s;
    test::fillGoldenSounding(s);

    std::optional<std::string> message;
    {
        FileSizeLimit diskFull(16);
        message = saveDocument(s, target);
    }
    ASSERT_TRUE(message);
    EXPECT_EQ(text::toUtf8(*message), "No se ha podido guardar el documento «" + target.filename().string() +
                                          "»: no queda espacio en el disco.");
    EXPECT_EQ(test::readFile(target), "previous");
    EXPECT_EQ(folderListing(folder), std::vector<std::string>{"sondeo.brl"});

    const fs::path noFolder = places.root() / "no-existe" / "x.brl";
    EXPECT_EQ(text::toUtf8(saveDocument(s, noFolder).value_or("")),
              "No se ha podido guardar el documento «" + noFolder.filename().string() +
                  "»: la carpeta no existe.");
    EXPECT_FALSE(fs::exists(noFolder.parent_path()));

    EXPECT_EQ(text::toUtf8(saveDocument(s, folder).value_or("")),
              "No se ha podido guardar el documento «" + folder.filename().string() +
                  "»: ya existe una carpeta con ese nombre.");
}

TEST(DocumentFile, SaveThenOpenGivesTheSameSounding) {
    test::ScratchPlaces places;
    const fs::path target = places.root() / "cwd" / "s.brl";
    SessionState s;
    test::fillGoldenSounding(s);
    ASSERT_FALSE(saveDocument(s, target));
    EXPECT_EQ(test::readFile(target),
              test::readFile(test::dataPath() / "document" / "sounding.brl"));

    SessionState back;
    ASSERT_FALSE(openDocument(back, target).error);
    s.sounding.title =
        s.selection.soundingStationName; // loading names the sounding after its station
    EXPECT_EQ(test::fingerprint(back), test::fingerprint(s));
}

} // namespace
} // namespace brisalta
