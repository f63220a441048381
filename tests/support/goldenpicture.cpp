// Golden picture files.
#include "support/goldenpicture.h"

#include "support/testplaces.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace brisalta::test {

std::string compareWithGoldenPicture(const std::string& name, const std::string& dump) {
    const std::filesystem::path golden = dataPath() / "golden" / "pictures" / (name + ".txt");
    if (const char* record = std::getenv("BRISALTA_RECORD_PICTURES"); record && *record == '1') {
        writeFile(golden, dump);
        return {};
    }
    const std::string expected = readFile(golden);
    if (expected == dump) {
        return {};
    }
    const std::filesystem::path actual =
        std::filesystem::temp_directory_path() / ("brisalta-" + name + ".txt");
    writeFile(actual, dump);
    std::istringstream a(expected), b(dump);
    std::string lineA, lineB;
    for (int n = 1;; ++n) {
        const bool moreA = static_cast<bool>(std::getline(a, lineA));
        const bool moreB = static_cast<bool>(std::getline(b, lineB));
        if (!moreA && !moreB) {
            break;
        }
        if (!moreA || !moreB || lineA != lineB) {
            return "line " + std::to_string(n) + "\n  golden: " + (moreA ? lineA : "(end)") +
                   "\n  now:    " + (moreB ? lineB : "(end)") + "\n  (the new dump is in " +
                   actual.string() + ")";
        }
    }
    return "the files differ";
}

} // namespace brisalta::test
