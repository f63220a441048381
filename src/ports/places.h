// The places port: the folders the program reads and writes.
#pragma once

#include <filesystem>
#include <vector>

namespace brisalta {

class Places {
public:
    virtual ~Places() = default;

    // Private folder for downloaded documents ("temp.htm", "sondeo.tmp", ...),
    // created with mode 0700 at start and removed at exit.
    virtual std::filesystem::path tempFolder() const = 0;

    // The user's settings folder ("meteo.ini", "lista.ema", the OpenData answers).
    virtual std::filesystem::path settingsFolder() const = 0;

    // Read-only data installed with the program (default lists, demo answers).
    virtual std::filesystem::path dataFolder() const = 0;

    // The process's current folder.
    virtual std::filesystem::path currentFolder() const = 0;

    // Folders that may hold the user's manual ("Brisalta.pdf"), in the order
    // they are looked in: the data folder first.
    virtual std::vector<std::filesystem::path> manualFolders() const { return {dataFolder()}; }
};

} // namespace brisalta
