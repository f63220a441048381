// The Places port on a Linux desktop: settings under $XDG_CONFIG_HOME, a
// private temporary folder for the downloads, the installed data folder.
#pragma once

#include "ports/places.h"

#include <filesystem>

namespace brisalta {

class XdgPlaces : public Places {
public:
    // Creates the private temporary folder (mode 0700, under $XDG_RUNTIME_DIR
    // or else /tmp, named "brisalta-<pid>-XXXXXX"), after removing the folders
    // there that processes now gone left behind, and has it removed should a
    // signal end the process. Throws std::system_error when no such folder can
    // be made.
    explicit XdgPlaces(std::filesystem::path dataFolder = installedDataFolder());
    // Removes the temporary folder with everything in it.
    ~XdgPlaces() override;
    XdgPlaces(const XdgPlaces&) = delete;
    XdgPlaces& operator=(const XdgPlaces&) = delete;

    std::filesystem::path tempFolder() const override { return mTempFolder; }
    // $XDG_CONFIG_HOME/Brisalta, ~/.config/Brisalta when unset; not created here.
    std::filesystem::path settingsFolder() const override { return mSettingsFolder; }
    std::filesystem::path dataFolder() const override { return mDataFolder; }
    std::filesystem::path currentFolder() const override;
    // The data folder, the installed one, then the build folder's manual (a
    // program run from its build folder).
    std::vector<std::filesystem::path> manualFolders() const override;

    // Where the installation put the program's data (lists, demo answers).
    static std::filesystem::path installedDataFolder();

    // The data folder a program runs with: `chosen` when given, else
    // $BRISALTA_DATOS, else the installed folder when it exists, else the
    // source tree's data/ (a program run from its build folder).
    static std::filesystem::path resolveDataFolder(const std::filesystem::path& chosen = {});

    // Removes the private folders in `parent` whose process no longer runs
    // (named as above and owned by this user; others are left alone).
    static void sweepStaleFolders(const std::filesystem::path& parent);

private:
    std::filesystem::path mTempFolder;
    std::filesystem::path mSettingsFolder;
    std::filesystem::path mDataFolder;
};

} // namespace brisalta
