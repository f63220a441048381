// Manual and about box.
#include "app/helpcommands.h"

#include "text/codepage.h"

#include <system_error>

namespace brisalta {

std::optional<std::filesystem::path> findManual(const Places& places) {
    for (const std::filesystem::path& folder : places.manualFolders()) {
        const std::filesystem::path file = folder / kManualFileName;
        std::error_code ec;
        if (std::filesystem::is_regular_file(file, ec)) {
            return file;
        }
    }
    return std::nullopt;
}

std::string missingManualMessage() {
    return text::cp1252("No se encuentra el manual de Brisalta (Brisalta.pdf). Se instala con "
                        "el programa, en su carpeta de datos; vuelva a instalar Brisalta para "
                        "tenerlo.");
}

void HelpCommands::help() {
    const std::optional<std::filesystem::path> manual = findManual(mContext.places);
    if (!manual) {
        mContext.ui.showMessage(missingManualMessage(), MessageIcon::Exclamation);
        return;
    }
    if (!mContext.ui.openWithDesktop(*manual)) {
        mContext.ui.showMessage(
            text::cp1252("No se ha podido abrir el manual de Brisalta: el escritorio no tiene "
                         "ningún programa para ver documentos PDF."),
            MessageIcon::Exclamation);
    }
}

void HelpCommands::about() {
    mContext.ui.showAbout();
}

} // namespace brisalta
