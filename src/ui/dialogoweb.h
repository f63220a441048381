// "Enlaces Web": the editor of the user's web links, ten rows of a name and
// its full address, saved to "Brisanet.ini".
#pragma once

#include "ui/clisteditor.h"

#include <filesystem>

namespace brisalta::ui {

class DialogoWeb : public CListEditor {
    Q_OBJECT

public:
    static constexpr int kRows = 10;

    // `entries` fill the rows from the top; "Guardar" passes every row to `saver`.
    DialogoWeb(const std::vector<ListEntry>& entries, Saver saver, QWidget* parent = nullptr);

    // The message "Guardar" shows after writing the file.
    static QString savedMessage();

    // The whole editor on a links file: reads it (a missing file gives empty
    // rows), runs the dialog, and writes the kept rows to it on "Guardar".
    // True when the file was written.
    static bool editFile(const std::filesystem::path& file, QWidget* parent);
};

} // namespace brisalta::ui
