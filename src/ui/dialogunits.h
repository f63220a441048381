// Sizes given in dialog units, the measure the program's dialogs are laid out
// in: a quarter of the average character width across, an eighth of the
// character height down, of the dialog's font.
#pragma once

#include <QFontMetrics>
#include <QSize>
#include <QWidget>

namespace brisalta::ui {

inline QSize dialogUnitsToPixels(const QWidget& widget, int width, int height) {
    const QFontMetrics metrics(widget.font());
    return {width * metrics.averageCharWidth() / 4, height * metrics.height() / 8};
}

} // namespace brisalta::ui
