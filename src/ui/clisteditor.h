// What the two list editors ("Enlaces Web" and "Gráficas preferidas") share: a
// grid of name and value rows filled from the list file, and "Guardar", which
// hands the rows to the caller's save function and says how it went.
#pragma once

#include "settings/listfile.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <vector>

class QPushButton;

namespace brisalta::ui {

class CEditFlexGrid;

class CListEditor : public QDialog {
    Q_OBJECT

public:
    // Writes the rows (every grid row, in order; the writer keeps the valid
    // ones) and tells whether the file could be created.
    using Saver = std::function<bool(const std::vector<ListEntry>& rows)>;

    // Every row of the grid, in order, as typed (Windows-1252).
    std::vector<ListEntry> rows() const;

    CEditFlexGrid* grid() const { return mGrid; }
    QPushButton* saveButton() const { return mSave; }
    QPushButton* closeButton() const { return mClose; }

    // "No se han podido crear fichero"
    static QString cannotCreateMessage();

protected:
    struct Layout {
        QString title;
        int rows;
        QStringList headers;
        int widthTwips[2];
        int maxLength; // characters a cell takes, so that a saved line reads back whole
        QString savedMessage;
        QString closeCaption;
    };

    CListEditor(const Layout& layout, const std::vector<ListEntry>& entries, Saver saver,
                QWidget* parent);

    // Lays the grid and the buttons out, with `extra` between them (or nothing).
    void arrange(QWidget* extra, QSize dialogUnits);

private:
    void save();

    CEditFlexGrid* mGrid;
    QPushButton* mSave;
    QPushButton* mClose;
    Saver mSaver;
    QString mSavedMessage;
};

} // namespace brisalta::ui
