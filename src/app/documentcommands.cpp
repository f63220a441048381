// Open and save-as of documents.
#include "app/documentcommands.h"

#include "document/documentfile.h"
#include "document/documentname.h"

namespace brisalta {

void DocumentCommands::open() {
    if (const auto path = mContext.ui.chooseDocumentToOpen()) {
        openPath(*path);
    }
}

bool DocumentCommands::openPath(const std::filesystem::path& path) {
    if (!openDocument(mContext.session, mContext.ui, path)) {
        return false;
    }
    mContext.ui.documentUsed(path);
    mContext.ui.redraw();
    return true;
}

void DocumentCommands::saveAs() {
    const DocumentName name = proposeDocumentName(mContext.session);
    const auto path = mContext.ui.chooseDocumentToSave(name.fileName);
    if (!path) {
        return;
    }
    if (saveWithName(mContext.session, mContext.ui, *path)) {
        mContext.ui.documentUsed(*path);
    }
}

} // namespace brisalta
