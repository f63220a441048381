// The program is Spanish only: Qt's own texts (file choosers, calendars,
// standard buttons, the context menus of edit fields) are loaded in Spanish
// whatever LANG says, and dates are written the Spanish way.
#pragma once

#include <QString>

class QCoreApplication;

namespace brisalta::ui {

// Installs Qt's Spanish translations (the qtbase catalogue of Debian's
// qt6-translations-l10n) on the application and makes Spanish (Spain) the
// default locale of Qt's widgets. False when the catalogue is not installed;
// the program then runs with Qt's English texts.
bool installSpanishTranslations(QCoreApplication& application);

// The folder a "Guardar como" proposes: the desktop's documents folder
// ("~/Documentos" on a Spanish desktop) when it exists, else the home folder.
QString defaultDocumentFolder();

} // namespace brisalta::ui
