// First-start preparation of the settings folder.
#include "settings/settingsfolder.h"

#include <system_error>

namespace brisalta {

std::vector<std::string> prepareSettingsFolder(const std::filesystem::path& settingsFolder,
                                               const std::filesystem::path& dataFolder) {
    std::vector<std::string> copied;
    std::error_code ec;
    if (std::filesystem::exists(settingsFolder, ec) || ec) {
        return copied;
    }
    if (!std::filesystem::create_directories(settingsFolder, ec) || ec) {
        return copied;
    }
    std::filesystem::permissions(settingsFolder, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::replace, ec);
    for (const char* name : kDefaultListFiles) {
        const std::filesystem::path source = dataFolder / name;
        if (!std::filesystem::is_regular_file(source, ec)) {
            continue;
        }
        if (std::filesystem::copy_file(source, settingsFolder / name,
                                       std::filesystem::copy_options::skip_existing, ec) &&
            !ec) {
            std::filesystem::permissions(settingsFolder / name,
                                         std::filesystem::perms::owner_read |
                                             std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::replace, ec);
            copied.emplace_back(name);
        }
    }
    return copied;
}

} // namespace brisalta
