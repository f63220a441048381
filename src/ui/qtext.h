// The one crossing between the core's Windows-1252 text and QString.
#pragma once

#include <QString>

#include <string>

namespace brisalta::ui {

// Core text (Windows-1252 bytes) to a QString.
QString toQt(const std::string& cp1252);

// A QString to core text; characters outside the code page become '?'.
std::string fromQt(const QString& text);

// A UTF-8 literal of this source to a QString (the window's own texts).
inline QString tr8(const char* utf8) { return QString::fromUtf8(utf8); }

} // namespace brisalta::ui
