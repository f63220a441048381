// The in-place editor of an editable grid cell: a one-line edit laid over the
// cell while the user types. The caret keys stay inside it, so that they move
// through the text instead of to another cell, and Enter ends the edit without
// reaching the dialog's default button.
#pragma once

#include <QLineEdit>

namespace brisalta::ui {

class CCellEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit CCellEdit(QWidget* parent = nullptr);

    // Colours of the typed text and of the background.
    void setColours(const QColor& text, const QColor& background);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace brisalta::ui
