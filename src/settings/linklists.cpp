// Loading the link tables and the rules of their two commands.
#include "settings/linklists.h"

#include "settings/listfile.h"
#include "text/codepage.h"
#include "text/streamreader.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace brisalta {
namespace {

template <std::size_t N>
int fill(const std::vector<ListEntry>& entries, std::array<std::string, N>& names,
         std::array<std::string, N>& values) {
    const std::size_t count = std::min(entries.size(), N);
    for (std::size_t i = 0; i < N; ++i) {
        names[i] = i < count ? entries[i].name : std::string();
        values[i] = i < count ? entries[i].value : std::string();
    }
    return static_cast<int>(count);
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text::isScanBlank(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && text::isScanBlank(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    return text;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

LinkFilesFound loadLinkLists(LinkLists& lists, const std::filesystem::path& settingsFolder) {
    LinkFilesFound found;
    const auto links = readListFile(settingsFolder / kLinksFileName, kLinksFormat);
    found.links = links.has_value();
    lists.linkCount =
        fill(links.value_or(std::vector<ListEntry>{}), lists.linkNames, lists.linkAddresses);
    const auto favourites = readListFile(settingsFolder / kFavouritesFileName, kFavouritesFormat);
    found.favourites = favourites.has_value();
    lists.favouriteCount = fill(favourites.value_or(std::vector<ListEntry>{}), lists.favouriteNames,
                                lists.favouriteCodes);
    return found;
}

std::optional<std::string> webAddressOf(std::string_view stored) {
    const std::string_view address = trimmed(stored);
    std::size_t hostStart = 0;
    if (startsWithNoCase(address, "http://")) {
        hostStart = 7;
    } else if (startsWithNoCase(address, "https://")) {
        hostStart = 8;
    } else {
        return std::nullopt;
    }
    if (address.size() <= hostStart || address[hostStart] == '/' ||
        text::isScanBlank(static_cast<unsigned char>(address[hostStart]))) {
        return std::nullopt;
    }
    for (const char c : address) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            return std::nullopt;
        }
    }
    return std::string(address);
}

std::string refusedLinkMessage(std::string_view stored) {
    std::string shown(trimmed(stored));
    for (char& c : shown) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            c = '?';
        }
    }
    return text::cp1252("La dirección «") + shown +
           text::cp1252("» no es una dirección web (http:// o https://) y no se abre.");
}

bool pickFavourite(SessionState& session, int index) {
    const LinkLists& lists = session.links;
    if (index < 0 || index >= lists.favouriteCount ||
        index >= static_cast<int>(lists.favouriteCodes.size())) {
        return false;
    }
    std::string_view code = lists.favouriteCodes[static_cast<std::size_t>(index)];
    code = code.substr(0, 4);
    while (!code.empty() && text::isScanBlank(static_cast<unsigned char>(code.back()))) {
        code.remove_suffix(1);
    }
    session.selection.icao = code;
    return true;
}

} // namespace brisalta
