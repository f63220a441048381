// The command table: one row per user command with its identifier, where it
// sits in the menus, its caption and key, its toolbar place, its prompt
// (status text and tooltip) and its enable and check rules. The window builds
// its menus, accelerators and toolbar from this table alone; a command whose
// work is not available is simply not in the table.
#pragma once

#include <string_view>
#include <vector>

namespace brisalta {

struct SessionState;
class CommandSet;

enum class MenuItemKind {
    Command,        // an ordinary command
    Separator,      // a separator line in the menu
    AirportMenus,   // the country submenus of the airport catalogue
    SoundingMenus,  // the country submenus of the sounding-station catalogue
    RecentFiles,    // the recent-file list
    LinkMenu,       // "Internet": the user's web links, when their file exists
    FavouriteMenu,  // "Preferidas": the user's favourite graphs, when their file exists
};

struct CommandRow {
    int id = 0;                 // command identifier (0 for separators and lists)
    MenuItemKind kind = MenuItemKind::Command;
    std::string_view menu;      // menu path, "/"-separated ("&Archivo", "&Gráficas/&Seleccionar"); empty: no menu entry
    std::string_view caption;   // menu caption, "\t" then the key text ("&Abrir...\tCtrl+A")
    std::string_view shortcut;  // accelerator in portable text ("Ctrl+A", "F1"); empty: none
    std::string_view prompt;    // status text, "\n", tooltip
    std::string_view icon;      // name of the toolbar picture; empty: not on the toolbar
    // Runs the command.
    void (*run)(CommandSet& commands) = nullptr;
    // Enabled when null or when it returns true.
    bool (*enabled)(const SessionState& session) = nullptr;
    // Shows a check mark when not null and it returns true.
    bool (*checked)(const SessionState& session) = nullptr;
};

// Every row, menus in menu-bar order, items in menu order. Texts are UTF-8.
const std::vector<CommandRow>& commandTable();

// The row of a command identifier, or nullptr.
const CommandRow* findCommand(int id);

// The toolbar, left to right: command identifiers, 0 for a separator.
const std::vector<int>& toolbarLayout();

// The menu-bar entries in order (first path element of the rows).
std::vector<std::string_view> menuBarOrder();

} // namespace brisalta
