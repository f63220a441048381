// Scratch folder of the fuzz targets.
#include "fuzzsupport.h"

#include <fstream>
#include <string>
#include <unistd.h>

namespace brisalta::fuzz {

namespace {

// Created on first use, removed with everything in it when the process ends.
struct Scratch {
    Scratch()
        : path(std::filesystem::temp_directory_path() /
               ("brisalta-fuzz-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(path);
    }
    ~Scratch() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::filesystem::path path;
};

} // namespace

const std::filesystem::path& scratchFolder() {
    static const Scratch scratch;
    return scratch.path;
}

std::filesystem::path writeInput(const char* name, const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path path = scratchFolder() / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

} // namespace brisalta::fuzz
