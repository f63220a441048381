// Whole-file reads with a limit: only regular files (a FIFO is refused at once,
// never waited on), never more than the limit, and the head of a settings file
// filled past any real size.
#include "text/boundedfile.h"
#include "text/codepage.h"
#include "text/diskerror.h"

#include "support/testplaces.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>

#include <sys/stat.h>

namespace brisalta::text {
namespace {

namespace fs = std::filesystem;
using Problem = BoundedFile::Problem;

TEST(BoundedFile, ReadsOnlyRegularFilesWithinTheLimit) {
    test::ScratchPlaces places;
    const fs::path small = places.root() / "pequeno";
    const fs::path big = places.root() / "grande";
    const fs::path fifo = places.root() / "tuberia";
    test::writeFile(small, "doce bytes!\n");
    test::writeFile(big, std::string(1000, 'x'));
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

    struct Case {
        const char* name;
        fs::path path;
        std::size_t limit;
        Problem problem;
        std::string bytes;
    };
    const Case cases[] = {
        {"within the limit", small, 12, Problem::None, "doce bytes!\n"},
        {"one byte past it", small, 11, Problem::TooLarge, ""},
        {"far past it", big, 100, Problem::TooLarge, ""},
        {"missing", places.root() / "no-existe", 100, Problem::Unreadable, ""},
        {"a folder", places.root(), 100, Problem::NotAFile, ""},
        {"a FIFO nobody writes to", fifo, 100, Problem::NotAFile, ""},
        {"a device", "/dev/zero", 100, Problem::NotAFile, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto start = std::chrono::steady_clock::now();
        const BoundedFile read = readBoundedFile(c.path, c.limit);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        EXPECT_EQ(read.problem, c.problem);
        EXPECT_EQ(read.bytes, c.bytes);
    }
}

TEST(BoundedFile, TheHeadOfALongFileIsItsFirstBytes) {
    test::ScratchPlaces places;
    const fs::path big = places.root() / "meteo.ini";
    test::writeFile(big, "1 LEMD ESPAÑA " + std::string(100000, 'Z'));
    const BoundedFile head = readFileHead(big, 6);
    EXPECT_TRUE(head.ok());
    EXPECT_EQ(head.bytes, "1 LEMD");
    EXPECT_EQ(readFileHead("/dev/zero", 6).problem, Problem::NotAFile);

    std::uintmax_t size = 0;
    EXPECT_TRUE(regularFileSize(big, size));
    EXPECT_GT(size, 100000u);
    EXPECT_FALSE(regularFileSize(places.root(), size));
}

// The user reads a reason in words; no error number ever shows.
TEST(DiskError, EveryReasonIsInWords) {
    const std::pair<int, const char*> cases[] = {
        {ENOSPC, "no queda espacio en el disco"},
        {EFBIG, "no queda espacio en el disco"},
        {EACCES, "no hay permiso para escribir en la carpeta"},
        {EROFS, "el disco es de solo lectura"},
        {EIO, "el disco ha dado un error de lectura o escritura"},
        {ENOENT, "la carpeta no existe"},
        {EOWNERDEAD, "el sistema no ha permitido escribir el fichero"},
    };
    for (const auto& [code, words] : cases) {
        SCOPED_TRACE(code);
        const std::string reason = toUtf8(diskErrorReason({code, std::generic_category()}));
        EXPECT_EQ(reason, words);
        EXPECT_EQ(reason.find_first_of("0123456789"), std::string::npos);
    }
}

} // namespace
} // namespace brisalta::text
