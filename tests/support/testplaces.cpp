// Scratch folders, a fixed clock and file helpers for tests.
#include "support/testplaces.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace brisalta::test {

ScratchPlaces::ScratchPlaces() {
    static std::atomic<int> counter{0};
    mRoot = std::filesystem::temp_directory_path() /
            ("brisalta-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(mRoot);
    for (const char* sub : {"tmp", "settings", "data", "cwd"}) {
        std::filesystem::create_directories(mRoot / sub);
    }
}

ScratchPlaces::~ScratchPlaces() {
    std::error_code ignored;
    std::filesystem::remove_all(mRoot, ignored);
}

std::int64_t FixedClock::localTime(const std::tm& fields) const {
    std::tm copy = fields;
    return static_cast<std::int64_t>(::timegm(&copy));
}

std::tm FixedClock::toLocal(std::int64_t seconds) const {
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm out{};
    ::gmtime_r(&t, &out);
    return out;
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    if (path.has_parent_path()) {
        std::filesystem::create_directories(path.parent_path());
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::filesystem::path dataPath() { return BRISALTA_TEST_DATA_DIR; }

std::filesystem::path programDataPath() { return dataPath().parent_path().parent_path() / "data"; }

std::filesystem::path demoPath() { return programDataPath() / "demo"; }

} // namespace brisalta::test
