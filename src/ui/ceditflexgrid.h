// The editable grid of the list editors: a table whose cells the user types
// into. A click or Enter opens the in-place editor (CCellEdit) over the current
// cell; Enter, another cell, scrolling or the focus going to another control
// writes the text back; Escape leaves the cell as it was. The header row is
// never written.
#pragma once

#include <QStringList>
#include <QTableWidget>
#include <QVector>

namespace brisalta::ui {

class CCellEdit;

class CEditFlexGrid : public QTableWidget {
    Q_OBJECT

public:
    // A grid of `rows` data rows under one header row with the given texts.
    CEditFlexGrid(int rows, const QStringList& headers, QWidget* parent = nullptr);
    ~CEditFlexGrid() override;

    // Column width in twips (1440 to the inch of the screen).
    void setColumnWidthTwips(int column, int twips);

    // Longest text the editor takes in a column, in characters (0: no limit).
    void setMaxTextLength(int column, int length);
    int maxTextLength(int column) const;

    // Text of a data cell (row 0 is the first row under the header).
    QString textMatrix(int row, int column) const;
    void setTextMatrix(int row, int column, const QString& text);

    // Opens the editor over the current cell with its text, the caret at the end.
    void startEdit();
    // Writes the editor's text into the cell being edited and hides the editor.
    // Nothing happens when no cell is being edited.
    void commitEdit();

    bool isEditing() const;
    // The open editor, or nullptr.
    CCellEdit* cellEditor() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    friend class CellEditDelegate;

    QVector<int> mMaxLengths;
    CCellEdit* mEditor = nullptr; // set by the delegate while an editor exists
    bool mOpening = false;
};

} // namespace brisalta::ui
