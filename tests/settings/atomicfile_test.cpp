// Replacing a file in one step: the old file survives any failure, nothing is
// left behind, and private files are private.
#include "settings/atomicfile.h"

#include "support/testplaces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>

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

unsigned modeOf(const fs::path& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

TEST(AtomicFile, ReplacesTheWholeFile) {
    test::ScratchPlaces places;
    const fs::path target = places.settingsFolder() / "lista.txt";
    test::writeFile(target, std::string(1000, 'x'));
    EXPECT_FALSE(writeFileAtomically(target, "corto", FileAccess::Shared));
    EXPECT_EQ(test::readFile(target), "corto");
    EXPECT_EQ(folderListing(places.settingsFolder()), std::vector<std::string>{"lista.txt"});
}

// Purpose: a private file is 0600 whatever the umask and whatever mode the
// file it replaces had; a shared one follows the umask.
TEST(AtomicFile, PrivateFilesAreReadableByTheirOwnerOnly) {
    test::ScratchPlaces places;
    const fs::path target = places.settingsFolder() / "meteo.ini";
    test::writeFile(target, "old");
    fs::permissions(target, fs::perms::all);
    const mode_t savedMask = ::umask(0277);
    const std::error_code error = writeFileAtomically(target, "new", FileAccess::Private);
    ::umask(022);
    const std::error_code sharedError =
        writeFileAtomically(places.settingsFolder() / "doc.brl", "d", FileAccess::Shared);
    ::umask(savedMask);
    EXPECT_FALSE(error);
    EXPECT_FALSE(sharedError);
    EXPECT_EQ(modeOf(target), 0600u);
    EXPECT_EQ(modeOf(places.settingsFolder() / "doc.brl"), 0644u);
}

// Purpose: every failing step reports its error, keeps the old file and
// removes the temporary one.
TEST(AtomicFile, FailureKeepsTheOldFileAndLeavesNoTemporary) {
    test::ScratchPlaces places;
    const fs::path folder = places.settingsFolder();
    const fs::path target = folder / "meteo.ini";
    test::writeFile(target, "1 LEMD ESPA\xD1"
                            "A");

    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const std::error_code full = writeFileAtomically(target,
                                                     "1 LEAL ESPA\xD1"
                                                     "A",
                                                     FileAccess::Private);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);

    EXPECT_EQ(full, std::errc::file_too_large);
    EXPECT_EQ(test::readFile(target), "1 LEMD ESPA\xD1"
                                      "A");
    EXPECT_EQ(folderListing(folder), std::vector<std::string>{"meteo.ini"});

    EXPECT_EQ(writeFileAtomically(folder / "falta" / "meteo.ini", "x", FileAccess::Private),
              std::errc::no_such_file_or_directory);
    fs::create_directory(folder / "carpeta");
    EXPECT_EQ(writeFileAtomically(folder / "carpeta", "x", FileAccess::Shared),
              std::errc::is_a_directory);
    EXPECT_EQ(folderListing(folder), (std::vector<std::string>{"carpeta", "meteo.ini"}));
}

// Purpose: a replaced file can keep the permissions the user gave it, and at
// the moment just before the rename the old file is still whole in its place.
TEST(AtomicFile, ReplaceKeepsModeAndRunsTheHookBeforeTheRename) {
    test::ScratchPlaces places;
    const fs::path target = places.settingsFolder() / "datos.csv";
    test::writeFile(target, "viejo");
    ::chmod(target.c_str(), 0640);

    ReplaceOptions options;
    options.keepMode = true;
    std::string seenByHook;
    options.beforeRename = [&] { seenByHook = test::readFile(target); };
    EXPECT_FALSE(replaceFileAtomically(target, "nuevo", options));
    EXPECT_EQ(seenByHook, "viejo");
    EXPECT_EQ(test::readFile(target), "nuevo");
    EXPECT_EQ(modeOf(target), 0640u);

    const mode_t savedMask = ::umask(022);
    EXPECT_FALSE(replaceFileAtomically(target, "otro", ReplaceOptions{}));
    ::umask(savedMask);
    EXPECT_EQ(modeOf(target), 0644u);
}

// Saving onto a symbolic link (a document kept elsewhere and linked from the
// documents folder) replaces the file it points to, in that file's own
// folder, and keeps its permissions: the link stays a link to the new data.
TEST(AtomicFile, ALinkKeepsPointingAtTheReplacedFileAndItsMode) {
    test::ScratchPlaces places;
    const fs::path real = places.root() / "guardados" / "madrid.brl";
    const fs::path link = places.root() / "madrid.brl";
    const fs::path chained = places.root() / "enlace-del-enlace.brl";
    fs::create_directories(real.parent_path());
    test::writeFile(real, "antes");
    ::chmod(real.c_str(), 0600);
    fs::create_symlink("guardados/madrid.brl", link); // relative to the link's folder
    fs::create_symlink(link, chained);

    struct Case {
        const char* name;
        fs::path saveTo;
        const char* bytes;
    };
    for (const Case& c : {Case{"link", link, "despues"}, Case{"link to a link", chained, "otra vez"}}) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(writeFileAtomically(c.saveTo, c.bytes, FileAccess::Shared));
        EXPECT_TRUE(fs::is_symlink(link));
        EXPECT_TRUE(fs::is_symlink(chained));
        EXPECT_EQ(test::readFile(real), c.bytes);
        EXPECT_EQ(modeOf(real), 0600u);
        EXPECT_EQ(folderListing(real.parent_path()), std::vector<std::string>{"madrid.brl"});
    }

    // A link whose file is gone: the file is made where the link points.
    fs::remove(real);
    ASSERT_FALSE(writeFileAtomically(link, "nuevo", FileAccess::Shared));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(test::readFile(real), "nuevo");
}

// What a signal handler removes: the temporary file of a save under way, and
// nothing once the save is over.
TEST(AtomicFile, AnInterruptedSaveLeavesNoTemporaryFile) {
    test::ScratchPlaces places;
    const fs::path folder = places.root() / "documentos";
    const fs::path target = folder / "doc.brl";
    fs::create_directories(folder);
    test::writeFile(target, "antes");
    ReplaceOptions options;
    options.beforeRename = [&] {
        EXPECT_EQ(folderListing(folder).size(), 2u) << "the temporary file is there";
        removeUnfinishedTemporaryFile(); // what SIGINT or SIGTERM would do now
        EXPECT_EQ(folderListing(folder), std::vector<std::string>{"doc.brl"});
    };
    EXPECT_TRUE(replaceFileAtomically(target, "despues", options));
    EXPECT_EQ(test::readFile(target), "antes");

    ASSERT_FALSE(writeFileAtomically(target, "despues", FileAccess::Shared));
    removeUnfinishedTemporaryFile(); // no save under way: nothing to remove
    EXPECT_EQ(test::readFile(target), "despues");
}

} // namespace
} // namespace brisalta
