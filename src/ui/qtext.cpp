// QString <-> Windows-1252.
#include "ui/qtext.h"

#include "text/codepage.h"

namespace brisalta::ui {

QString toQt(const std::string& cp1252) {
    const std::string utf8 = text::toUtf8(cp1252);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string fromQt(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return text::toCp1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

} // namespace brisalta::ui
