// Exports that cannot finish: a crash just before the new file takes the old
// one's place, a folder the user may not write in, a file-size limit and a
// full disk. Each must say so and leave the file the user had exactly as it was.
#include "tables/csvexport.h"
#include "tables/xlsxexport.h"

#include "childprocess.h"
#include "tablefixture.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brisalta {
namespace {

namespace fs = std::filesystem;

// Exit codes of the children below.
constexpr int kAsExpected = 0;
constexpr int kWrongStatus = 1;
constexpr int kWrongError = 2;
constexpr int kFileChanged = 3;
constexpr int kCannotSetUp = 77;

using Writer = ExportResult (*)(const SessionState&, const fs::path&, ExportMode,
                                const BeforeReplace&);

struct Format {
    const char* name;
    Writer write;
    const char* file;
};

const Format kFormats[] = {
    {"csv", &writeCsvExport, "datos.csv"},
    {"xlsx", &writeExcelExport, "datos.xlsx"},
};

// Purpose: a process that dies after writing the new content but before the
// rename leaves the old file whole, for a new file over an old one and for an
// appended one alike.
TEST(ExportFailure, CrashBeforeReplacingKeepsTheOldFile) {
    for (const Format& format : kFormats) {
        for (ExportMode mode : {ExportMode::Individual, ExportMode::Combined}) {
            test::ScratchPlaces places;
            const fs::path path = places.root() / format.file;
            ASSERT_TRUE(format.write(*test::airportDay10(), path, ExportMode::Individual, {}).ok());
            const std::string before = test::readFile(path);
            const auto day1 = test::airportDay1();
            const int code = test::runInChild([&] {
                format.write(*day1, path, mode, [] { ::_exit(42); });
                return 0;
            });
            EXPECT_EQ(code, 42) << format.name;
            EXPECT_EQ(test::readFile(path), before) << format.name;
        }
    }
}

// Purpose: a folder without write permission gives a failure with the reason,
// and an appended file in it stays as it was. (Run as root, the child gives
// up its privileges first, since root may write anywhere.)
TEST(ExportFailure, ReadOnlyFolderIsReported) {
    for (const Format& format : kFormats) {
        for (ExportMode mode : {ExportMode::Individual, ExportMode::Combined}) {
            test::ScratchPlaces places;
            const fs::path folder = places.root() / "solo-lectura";
            fs::create_directories(folder);
            const fs::path path = folder / format.file;
            std::string before;
            if (mode == ExportMode::Combined) {
                ASSERT_TRUE(
                    format.write(*test::airportDay10(), path, ExportMode::Individual, {}).ok());
                ::chmod(path.c_str(), 0644);
                before = test::readFile(path);
            }
            ::chmod(places.root().c_str(), 0755);
            ::chmod(folder.c_str(), 0555);
            const auto day1 = test::airportDay1();
            const int code = test::runInChild([&] {
                if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 ||
                                         ::setuid(65534) != 0)) {
                    return kCannotSetUp;
                }
                const ExportResult result = format.write(*day1, path, mode, {});
                if (result.status != ExportStatus::CannotWrite) {
                    return kWrongStatus;
                }
                if (result.error != std::errc::permission_denied) {
                    return kWrongError;
                }
                const std::string message =
                    text::toUtf8(exportMessage(result, ExportFormat::Csv, path, true));
                if (message.find("no hay permiso para escribir en la carpeta") ==
                    std::string::npos) {
                    return kWrongError;
                }
                return test::readFile(path) == before ? kAsExpected : kFileChanged;
            });
            ::chmod(folder.c_str(), 0755);
            if (code == kCannotSetUp) {
                GTEST_SKIP() << "cannot give up root privileges";
            }
            EXPECT_EQ(code, kAsExpected) << format.name;
            EXPECT_EQ(test::readFile(path), before) << format.name;
        }
    }
}

// Purpose: a write cut short by the file-size limit is a failure, not a
// success, and the appended file keeps its earlier days.
TEST(ExportFailure, FileSizeLimitIsReported) {
    for (const Format& format : kFormats) {
        test::ScratchPlaces places;
        const fs::path path = places.root() / format.file;
        ASSERT_TRUE(format.write(*test::airportDay10(), path, ExportMode::Individual, {}).ok());
        const std::string before = test::readFile(path);
        const auto day1 = test::airportDay1();
        const int code = test::runInChild([&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{before.size() + 16, before.size() + 16};
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
                return kCannotSetUp;
            }
            const ExportResult result = format.write(*day1, path, ExportMode::Combined, {});
            if (result.status != ExportStatus::CannotWrite) {
                return kWrongStatus;
            }
            return result.error == std::errc::file_too_large ? kAsExpected : kWrongError;
        });
        EXPECT_EQ(code, kAsExpected) << format.name;
        EXPECT_EQ(test::readFile(path), before) << format.name;
    }
}

// Purpose: a full disk (a small tmpfs, mounted in a private mount namespace
// of the child) gives "no queda espacio en el disco" and the old file whole.
TEST(ExportFailure, FullDiskIsReported) {
    for (const Format& format : kFormats) {
        test::ScratchPlaces places;
        const fs::path disk = places.root() / "disco";
        fs::create_directories(disk);
        const fs::path path = disk / format.file;
        const auto day10 = test::airportDay10();
        const auto day1 = test::airportDay1();
        const int code = test::runInChild([&] {
            if (::unshare(CLONE_NEWNS) != 0 ||
                ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
                ::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0) {
                return kCannotSetUp;
            }
            if (!format.write(*day10, path, ExportMode::Individual, {}).ok()) {
                return kCannotSetUp;
            }
            const std::string before = test::readFile(path);
            // Fill the disk to the last byte, unbuffered.
            const int filler = ::open((disk / "relleno").c_str(), O_WRONLY | O_CREAT, 0644);
            const std::string block(4096, 'x');
            while (::write(filler, block.data(), block.size()) > 0) {
            }
            while (::write(filler, "x", 1) > 0) {
            }
            ::close(filler);
            const ExportResult result = format.write(*day1, path, ExportMode::Combined, {});
            if (result.status != ExportStatus::CannotWrite) {
                return kWrongStatus;
            }
            if (result.error != std::errc::no_space_on_device) {
                return kWrongError;
            }
            return test::readFile(path) == before ? kAsExpected : kFileChanged;
        });
        if (code == kCannotSetUp) {
            GTEST_SKIP() << "cannot mount a small file system here";
        }
        EXPECT_EQ(code, kAsExpected) << format.name;
    }
}

} // namespace
} // namespace brisalta
