// The program-wide tables of web links and favourite graphs: filled from the
// two list files once at start, read by the "Internet" and "Preferidas"
// submenus and by their commands.
#pragma once

#include "session/sessionstate.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace brisalta {

// Menu commands: link i is kFirstLinkCommand + i, favourite i is
// kFirstFavouriteCommand + i.
inline constexpr int kFirstLinkCommand = 50000;
inline constexpr int kFirstFavouriteCommand = 50010;

// Which list files were there; a list whose file is missing gets no submenu.
struct LinkFilesFound {
    bool links = false;
    bool favourites = false;
};

// Fills session.links from "Brisanet.ini" and "GrafPref.ini" in the settings
// folder: names and values in file order, with their counts. A missing file
// leaves its list empty. browserPath is not touched.
LinkFilesFound loadLinkLists(LinkLists& lists, const std::filesystem::path& settingsFolder);

// The address a link opens: the stored value without the blanks around it,
// when it is a web address (it starts with "http://" or "https://", in any
// case, names a host and holds no control character). Nothing for any other
// text (a file, a program, "javascript:", an empty line), which must not be
// handed to the desktop.
std::optional<std::string> webAddressOf(std::string_view stored);

// The Spanish message for a link that is not a web address (Windows-1252).
std::string refusedLinkMessage(std::string_view stored);

// Favourite command: copies the first 4 characters of the favourite's code,
// without the blanks that end it, into StationSelection::icao. False (nothing
// changes) when there is no favourite at that index. The caller then runs the
// show-graph command.
bool pickFavourite(SessionState& session, int index);

} // namespace brisalta
