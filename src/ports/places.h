// The places port: the folders the program reads and writes.
#pragma once

#include <filesystem>

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
};

} // namespace brisalta
