// Favourite-graphs editor.
#include "ui/grafpref.h"

#include "ui/qtext.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace brisalta::ui {

GrafPref::GrafPref(const std::vector<ListEntry>& entries, const std::string& currentTitle,
                   const std::string& currentIcao, Saver saver, QWidget* parent)
    : CListEditor({tr8("Gráficas preferidas"),
                   kRows,
                   {tr8("Nombre"), tr8("ICAO")},
                   {3000, 1000},
                   static_cast<int>(kFavouritesFormat.lineLimit) - 1,
                   savedMessage(),
                   tr8("Cancelar")},
                  entries, std::move(saver), parent),
      mName(new QLineEdit(toQt(currentTitle))), mIcao(new QLineEdit(toQt(currentIcao))) {
    setObjectName(QStringLiteral("GrafPref"));
    auto* frame = new QGroupBox(tr8("Gráfica Actual"), this);
    auto* form = new QFormLayout(frame);
    for (QLineEdit* edit : {mName, mIcao}) {
        edit->setReadOnly(true);
        edit->setCursorPosition(0);
    }
    mName->setObjectName(QStringLiteral("nombreActual"));
    mIcao->setObjectName(QStringLiteral("icaoActual"));
    form->addRow(tr8("Nombre"), mName);
    form->addRow(tr8("ICAO"), mIcao);
    saveButton()->setDefault(true);
    arrange(frame, {263, 126});
}

QString GrafPref::savedMessage() {
    return QString(22, QLatin1Char(' ')) +
           tr8("Preferencias guardadas.\n Los cambios tendrán efecto la próxima vez que se abra "
               "el programa");
}

bool GrafPref::editFile(const std::filesystem::path& file, const std::string& currentTitle,
                        const std::string& currentIcao, QWidget* parent) {
    bool written = false;
    GrafPref dialog(
        readListFile(file, kFavouritesFormat).value_or(std::vector<ListEntry>{}), currentTitle,
        currentIcao,
        [&](const std::vector<ListEntry>& rows) {
            written = !writeListFile(file, rows);
            return written;
        },
        parent);
    dialog.exec();
    return written;
}

} // namespace brisalta::ui
