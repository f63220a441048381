// Open and save-as of documents.
#include "app/documentcommands.h"
#include "app/pictures.h"

#include "app/soundingcommands.h"
#include "document/documentfile.h"
#include "document/documentname.h"
#include "text/codepage.h"

namespace brisalta {

bool saveDocumentWithMessage(SessionState& session, Ui& ui, const std::filesystem::path& path) {
    if (const std::optional<std::string> message = saveDocument(session, path)) {
        ui.showMessage(*message, MessageIcon::Exclamation);
        return false;
    }
    return true;
}

bool openDocumentWithMessages(SessionState& session, Ui& ui, const std::filesystem::path& path) {
    const DocumentRead read = openDocument(session, path);
    if (read.error) {
        ui.showMessage(openFailureMessage(path, *read.error), MessageIcon::Exclamation);
        return false;
    }
    // What a document holds came from a file, not from a service.
    if (session.view.soundingShown) {
        session.view.soundingSource = {};
    } else {
        session.view.graphSource = {};
    }
    switch (read.notice) {
    case DocumentNotice::Forecast:
        ui.showMessage(forecastNotice(), MessageIcon::Information);
        break;
    case DocumentNotice::OldVersion:
        ui.showMessage(text::cp1252("Archivo grabado en una versión anterior.\nLa humedad "
                                    "relativa no se ha registrado."),
                       MessageIcon::None);
        break;
    case DocumentNotice::None:
        break;
    }
    return true;
}

void DocumentCommands::open() {
    if (const auto path = mContext.ui.chooseDocumentToOpen()) {
        openPath(*path);
    }
}

bool DocumentCommands::openPath(const std::filesystem::path& path) {
    if (!openDocumentWithMessages(mContext.session, mContext.ui, path)) {
        return false;
    }
    mContext.ui.documentUsed(path);
    redrawPictures(mContext);
    return true;
}

void DocumentCommands::saveAs() {
    const DocumentName name = proposeDocumentName(mContext.session);
    const auto path = mContext.ui.chooseDocumentToSave(name.fileName);
    if (!path) {
        return;
    }
    if (saveDocumentWithMessage(mContext.session, mContext.ui, *path)) {
        mContext.ui.documentUsed(*path);
    }
}

} // namespace brisalta
