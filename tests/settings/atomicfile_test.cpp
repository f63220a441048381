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

} // namespace
} // namespace brisalta
