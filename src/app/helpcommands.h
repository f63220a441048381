// The "Ayuda" menu: the user's manual, opened with the desktop's PDF viewer,
// and the about box.
#pragma once

#include "app/commandcontext.h"

#include <filesystem>
#include <optional>
#include <string>

namespace brisalta {

// The manual's file name, installed in the data folder.
inline constexpr const char* kManualFileName = "Brisalta.pdf";

// The first of the places' manual folders that holds the manual as a regular
// file; nothing when none does.
std::optional<std::filesystem::path> findManual(const Places& places);

// "No se encuentra el manual..." (Windows-1252).
std::string missingManualMessage();

class HelpCommands {
public:
    explicit HelpCommands(CommandContext& context) : mContext(context) {}

    // "Ayuda" and F1: opens the manual with the desktop's viewer, or says in
    // Spanish why it cannot.
    void help();

    // "Acerca de Brisalta...".
    void about();

private:
    CommandContext& mContext;
};

} // namespace brisalta
