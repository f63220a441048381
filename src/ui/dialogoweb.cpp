// Web-links editor.
#include "ui/dialogoweb.h"

#include "ui/qtext.h"

namespace brisalta::ui {

DialogoWeb::DialogoWeb(const std::vector<ListEntry>& entries, Saver saver, QWidget* parent)
    : CListEditor({tr8("Enlaces Web"),
                   kRows,
                   {tr8("Identificador"), tr8("Dirección completa")},
                   {1550, 6000},
                   static_cast<int>(kLinksFormat.lineLimit) - 1,
                   savedMessage(),
                   tr8("Salir")},
                  entries, std::move(saver), parent) {
    setObjectName(QStringLiteral("DialogoWeb"));
    arrange(nullptr, {418, 142});
}

QString DialogoWeb::savedMessage() {
    return QString(23, QLatin1Char(' ')) +
           tr8("Preferencias guardadas.\n Los cambios tendrán efecto la próxima vez que se abra "
               "el programa");
}

bool DialogoWeb::editFile(const std::filesystem::path& file, QWidget* parent) {
    bool written = false;
    DialogoWeb dialog(
        readListFile(file, kLinksFormat).value_or(std::vector<ListEntry>{}),
        [&](const std::vector<ListEntry>& rows) {
            written = !writeListFile(file, rows);
            return written;
        },
        parent);
    dialog.exec();
    return written;
}

} // namespace brisalta::ui
