// In-place cell editor.
#include "ui/ccelledit.h"

#include <QKeyEvent>

namespace brisalta::ui {

CCellEdit::CCellEdit(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("editorCelda"));
    setFrame(false);
}

void CCellEdit::setColours(const QColor& text, const QColor& background) {
    QPalette colours = palette();
    colours.setColor(QPalette::Text, text);
    colours.setColor(QPalette::Base, background);
    setPalette(colours);
    setAutoFillBackground(true);
}

void CCellEdit::keyPressEvent(QKeyEvent* event) {
    const bool select = event->modifiers().testFlag(Qt::ShiftModifier);
    switch (event->key()) {
    // A one-line edit has no lines to move between: Up and Down move the caret
    // like Left and Right, as the system's own edit boxes do.
    case Qt::Key_Up:
        cursorBackward(select);
        event->accept();
        return;
    case Qt::Key_Down:
        cursorForward(select);
        event->accept();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        QLineEdit::keyPressEvent(event);
        event->accept(); // even at either end of the text: never to the grid
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The grid's delegate has already queued the commit.
        QLineEdit::keyPressEvent(event);
        event->accept();
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

} // namespace brisalta::ui
