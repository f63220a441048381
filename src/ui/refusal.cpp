// The refusal line of the dialogs.
#include "ui/refusal.h"

#include "ui/qtext.h"

namespace brisalta::ui {

QLabel* makeRefusalLine(QWidget* parent) {
    auto* line = new QLabel(parent);
    line->setObjectName(QStringLiteral("rechazo"));
    line->setWordWrap(true);
    line->setStyleSheet(QStringLiteral("color: #b00000;"));
    line->hide();
    return line;
}

bool refuse(QLabel* line, const std::optional<std::string>& problem) {
    if (!problem) {
        line->hide();
        return false;
    }
    line->setText(toQt(*problem));
    line->show();
    return true;
}

} // namespace brisalta::ui
