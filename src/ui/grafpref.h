// "Gráficas preferidas": the editor of the four favourite graphs, a name and
// an ICAO code each, saved to "GrafPref.ini". The frame "Gráfica Actual" shows
// the title and code of the graph last drawn, to copy into a row.
#pragma once

#include "ui/clisteditor.h"

#include <filesystem>
#include <string>

class QLineEdit;

namespace brisalta::ui {

class GrafPref : public CListEditor {
    Q_OBJECT

public:
    static constexpr int kRows = 4;

    // currentTitle and currentIcao (Windows-1252) fill the read-only edits of
    // "Gráfica Actual": the session's headerTitle and icao.
    GrafPref(const std::vector<ListEntry>& entries, const std::string& currentTitle,
             const std::string& currentIcao, Saver saver, QWidget* parent = nullptr);

    static QString savedMessage();

    // The whole editor on a favourites file, as DialogoWeb::editFile.
    static bool editFile(const std::filesystem::path& file, const std::string& currentTitle,
                         const std::string& currentIcao, QWidget* parent);

    QLineEdit* currentNameEdit() const { return mName; }
    QLineEdit* currentIcaoEdit() const { return mIcao; }

private:
    QLineEdit* mName;
    QLineEdit* mIcao;
};

} // namespace brisalta::ui
