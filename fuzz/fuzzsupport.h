// Shared pieces of the fuzz targets: a Ui that ignores everything and a
// private folder where each input is written under the name its reader expects.
#pragma once

#include "ports/ui.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace brisalta::fuzz {

class SilentUi : public Ui {
public:
    void showMessage(const std::string&, MessageIcon, const std::string&) override {}
    void setBusy(bool) override {}
    void showDownloadPicture(int) override {}
    void redraw() override {}
};

// A folder of its own for the life of the fuzzing process.
const std::filesystem::path& scratchFolder();

// Writes the input to scratchFolder()/name and returns the path.
std::filesystem::path writeInput(const char* name, const std::uint8_t* data, std::size_t size);

} // namespace brisalta::fuzz
