// Replacing export files.
#include "tables/exportfile.h"

#include "settings/atomicfile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brisalta {

std::filesystem::path combinedTarget(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_symlink(path, error)) {
        const std::filesystem::path resolved = std::filesystem::canonical(path, error);
        if (!error) {
            return resolved;
        }
    }
    return path;
}

ExportResult replaceExportFile(const std::filesystem::path& path, std::string_view bytes,
                               bool keepMode, const BeforeReplace& beforeReplace) {
    ReplaceOptions options;
    options.access = FileAccess::Shared;
    options.keepMode = keepMode;
    options.beforeRename = beforeReplace;
    const std::error_code error = replaceFileAtomically(path, bytes, options);
    if (error) {
        return {ExportStatus::CannotWrite, error};
    }
    return {ExportStatus::Written, {}};
}

} // namespace brisalta
