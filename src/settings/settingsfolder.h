// The user's settings folder. On Linux the program is its own installer: the
// first start creates the folder and puts the default list files installed
// with the program in it, so that the user can edit them there.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace brisalta {

// The list files the program copies into a new settings folder, when the data
// folder holds them.
inline constexpr const char* kDefaultListFiles[] = {"lista.ema", "Brisanet.ini", "GrafPref.ini"};

// Creates the settings folder when it is missing and copies the default list
// files from the data folder into it. Returns the files copied. An existing
// folder is left exactly as it is (the user's files are never replaced).
std::vector<std::string> prepareSettingsFolder(const std::filesystem::path& settingsFolder,
                                               const std::filesystem::path& dataFolder);

} // namespace brisalta
