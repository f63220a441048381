// Where the benchmarks find their inputs: the tests' real samples and the
// demo answers of the source tree, read once into memory.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace brisalta::bench {

// tests/data and data/demo of the source tree.
std::filesystem::path testData();
std::filesystem::path demoData();

// The whole file; the benchmark stops with a message when it is missing.
std::string readBytes(const std::filesystem::path& path);

// Every report of the real METAR corpus, split into its words, Windows-1252.
const std::vector<std::vector<std::string>>& metarCorpus();

} // namespace brisalta::bench
