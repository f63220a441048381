// The frame of the table dialogs.
#include "ui/tabledialog.h"

#include "ui/datagrid.h"
#include "ui/dialogunits.h"
#include "ui/icons.h"
#include "ui/qtext.h"

#include <QHBoxLayout>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace brisalta::ui {

TableDialog::TableDialog(const DataTable& table, TableDialogActions actions, int widthDu,
                         int heightDu, QWidget* parent)
    : QDialog(parent), mActions(std::move(actions)), mGrid(new DataGrid(table, this)),
      mTop(new QVBoxLayout) {
    setWindowTitle(toQt(table.caption));

    mExport = pictureButton(QStringLiteral("export"), tr8("Exportar"), "exportar");
    mPrint = pictureButton(QStringLiteral("print"), tr8("Imprimir"), "imprimir");
    mExit = pictureButton(QStringLiteral("exit"), tr8("Salir"), "salir");
    connect(mExport, &QToolButton::clicked, this, [this] {
        if (mActions.exportData) {
            mActions.exportData();
        }
    });
    connect(mPrint, &QToolButton::clicked, this, [this] {
        if (mActions.print) {
            mActions.print();
        }
    });
    connect(mExit, &QToolButton::clicked, this, &QDialog::reject);

    auto* buttons = new QVBoxLayout;
    buttons->addSpacing(dialogUnitsToPixels(*this, 0, 4).height());
    for (QToolButton* button : {mExport, mPrint, mExit}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);

    auto* middle = new QHBoxLayout;
    middle->addWidget(mGrid, 1);
    middle->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(mTop);
    layout->addLayout(middle, 1);

    // At least as wide as the dialog was drawn, and wide enough for every
    // column of the grid without a horizontal scroll bar.
    const QSize drawn = dialogUnitsToPixels(*this, widthDu, heightDu);
    const int gridWidth = mGrid->columnsWidth() + 2 * mGrid->frameWidth() +
                          mGrid->verticalScrollBar()->sizeHint().width();
    mGrid->setMinimumWidth(gridWidth);
    resize(std::max(drawn.width(), gridWidth + mExport->sizeHint().width() + 40), drawn.height());
}

QToolButton* TableDialog::pictureButton(const QString& icon, const QString& tip, const char* name) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(programIcon(icon));
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    const QSize size = dialogUnitsToPixels(*this, 32, 28);
    button->setFixedSize(size);
    button->setIconSize(size - QSize(10, 10));
    button->setAutoRaise(false);
    return button;
}

} // namespace brisalta::ui
