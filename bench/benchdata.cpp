// Inputs of the benchmarks.
#include "benchdata.h"

#include "text/codepage.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace brisalta::bench {

std::filesystem::path testData() { return BRISALTA_BENCH_SOURCE_DIR "/tests/data"; }
std::filesystem::path demoData() { return BRISALTA_BENCH_SOURCE_DIR "/data/demo"; }

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "brisalta_bench: falta el fichero %s\n", path.c_str());
        std::exit(1);
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const std::vector<std::vector<std::string>>& metarCorpus() {
    static const std::vector<std::vector<std::string>> reports = [] {
        std::vector<std::vector<std::string>> all;
        const std::filesystem::path folder = testData() / "samples" / "metar_corpus";
        for (const char* name : {"pymetar_decoded_ob_2007-10-14.txt", "pymetar_decoded_ob_2010-01-17.txt",
                                 "pymetar_decoded_ob_2010-10-31.txt", "pymetar_decoded_ob_2017-07-29.txt",
                                 "pymetar_subset_spain_canarias_latam.txt"}) {
            std::istringstream lines(readBytes(folder / name));
            std::string line;
            while (std::getline(lines, line)) {
                std::istringstream words(line);
                std::vector<std::string> report;
                for (std::string word; words >> word;) {
                    report.push_back(text::toCp1252(word));
                }
                if (!report.empty()) {
                    all.push_back(std::move(report));
                }
            }
        }
        return all;
    }();
    return reports;
}

} // namespace brisalta::bench
