// The submenus "Internet" (the user's web links) and "Preferidas" (the
// favourite graphs), built once at start from the link tables, and the opening
// of a link in the desktop's web browser.
#pragma once

#include "session/sessionstate.h"

#include <QString>

#include <string>

class QMenu;
class QWidget;

namespace brisalta::ui {

// "Internet": one item per link, in the order of the file. Item i carries the
// command kFirstLinkCommand + i as its data and is named "enlace<i>". The
// caller connects QMenu::triggered and, for the command's index, calls
// openWebLink with linkAddresses[i].
QMenu* buildInternetMenu(const LinkLists& lists, QWidget* parent);

// "Preferidas": one item per favourite, in the order of the file, with the
// command kFirstFavouriteCommand + i ("preferida<i>"). The caller runs
// pickFavourite(session, i) and then the show-graph command.
QMenu* buildFavouritesMenu(const LinkLists& lists, QWidget* parent);

// A list name as a menu text: without the blanks around it, and with '&'
// shown as itself rather than as a keyboard mnemonic.
QString menuTextOf(const std::string& name);

// Opens a stored link address in the desktop's web browser. Anything that is
// not an http or https address is refused with a message box (refusedLinkMessage)
// and never handed to the desktop. True when the address was handed over.
bool openWebLink(const std::string& storedAddress, QWidget* parent);

} // namespace brisalta::ui
