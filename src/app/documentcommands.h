// Commands of the ".brl" documents: open and save as.
#pragma once

#include "app/commandcontext.h"

#include <filesystem>

namespace brisalta {

class DocumentCommands {
public:
    explicit DocumentCommands(CommandContext& context) : mContext(context) {}

    // "Abrir": asks for a file, then opens it.
    void open();

    // Opens a document at a known path (command line, dropped file, recent list).
    // True when it was read.
    bool openPath(const std::filesystem::path& path);

    // "Guardar como": proposes the default name, asks where, writes the
    // document of the picture on screen.
    void saveAs();

private:
    CommandContext& mContext;
};

// Writes the document of the picture on screen to `path` and tells the user
// through `ui` when it could not be written. True when it was.
bool saveDocumentWithMessage(SessionState& session, Ui& ui, const std::filesystem::path& path);

// Reads the document at `path` and tells the user why when it cannot be read,
// and the notice of a forecast sounding or of an old graph document. True when
// it was read.
bool openDocumentWithMessages(SessionState& session, Ui& ui, const std::filesystem::path& path);

} // namespace brisalta
