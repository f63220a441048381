// The program's pictures, drawn as vector shapes so that they stay sharp at the
// toolbar's 26 pixels and on high-density screens: toolbar buttons, the
// application icon and the download picture.
#pragma once

#include <QIcon>
#include <QString>

class QPainter;
class QRectF;

namespace brisalta::ui {

// A toolbar or application picture by name ("open", "save", "graph", "clouds",
// "qnh", "zoom", "swap", "print", "table", "sounding", "ceiling", "about",
// "favourites", "brisalta", and "export" and "exit" of the table dialogs).
// Unknown names give an empty icon.
QIcon programIcon(const QString& name);

// Paints a picture into a rectangle; grey when disabled.
void paintProgramIcon(QPainter& painter, const QRectF& rect, const QString& name, bool disabled);

} // namespace brisalta::ui
