// The naming rule of the replay folders.
#include "adapters/replaynaming.h"

#include "net/urlparts.h"

#include <string>
#include <vector>

namespace brisalta {
namespace {

bool keptAsIs(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '-' || c == '_' || c == '=' || c == '+' || c == ',';
}

std::string replaceAwkward(std::string_view raw) {
    std::string name;
    name.reserve(raw.size());
    for (const char c : raw) {
        name.push_back(keptAsIs(c) ? c : '_');
    }
    return name;
}

// One folder or file name: "", "." and ".." would name the folder itself or
// its parent.
std::string safeName(std::string_view raw) {
    std::string name = replaceAwkward(raw);
    return name.find_first_not_of('.') == std::string::npos ? "_" : name;
}

std::string lowerAscii(std::string s) {
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return s;
}

std::filesystem::path answerPath(const std::filesystem::path& folder, std::string_view server,
                                 std::string_view path, std::string_view query, bool hasQuery) {
    std::vector<std::string> segments;
    for (std::string_view rest = path; !rest.empty();) {
        const std::size_t slash = rest.find('/');
        if (slash != 0) {
            segments.push_back(safeName(rest.substr(0, slash)));
        }
        rest = slash == std::string_view::npos ? std::string_view{} : rest.substr(slash + 1);
    }
    const bool endsInFolder = segments.empty() || path.back() == '/';
    std::string fileName = endsInFolder ? "_index" : segments.back();
    if (!endsInFolder) {
        segments.pop_back();
    }
    std::filesystem::path out = folder / safeName(lowerAscii(std::string(server)));
    for (const std::string& segment : segments) {
        out /= segment;
    }
    if (hasQuery) {
        fileName += "@" + replaceAwkward(query);
    }
    return out / fileName;
}

} // namespace

std::optional<std::filesystem::path> replayPathForUrl(const std::filesystem::path& folder,
                                                      std::string_view url) {
    const auto parts = splitUrl(url);
    if (!parts) {
        return std::nullopt;
    }
    std::string server = parts->host;
    if (parts->explicitPort) {
        server += ":" + std::to_string(parts->port);
    }
    std::string_view object = parts->object;
    const std::size_t question = object.find('?');
    const bool hasQuery = question != std::string_view::npos;
    const std::string_view query = hasQuery ? object.substr(question + 1) : std::string_view{};
    return answerPath(folder, server, object.substr(0, question), query, hasQuery);
}

std::filesystem::path replayPathForFtp(const std::filesystem::path& folder, std::string_view server,
                                       std::string_view directory, std::string_view file) {
    const std::string path = std::string(directory) + "/" + std::string(file);
    return answerPath(folder, server, path, {}, false);
}

} // namespace brisalta
