// Shared part of the list editors.
#include "ui/clisteditor.h"

#include "ui/ceditflexgrid.h"
#include "ui/dialogunits.h"
#include "ui/messagebox.h"
#include "ui/qtext.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace brisalta::ui {

CListEditor::CListEditor(const Layout& layout, const std::vector<ListEntry>& entries, Saver saver,
                         QWidget* parent)
    : QDialog(parent), mGrid(new CEditFlexGrid(layout.rows, layout.headers, this)),
      mSave(new QPushButton(tr8("Guardar"), this)),
      mClose(new QPushButton(layout.closeCaption, this)), mSaver(std::move(saver)),
      mSavedMessage(layout.savedMessage) {
    setWindowTitle(layout.title);
    for (int column = 0; column < 2; ++column) {
        mGrid->setColumnWidthTwips(column, layout.widthTwips[column]);
        mGrid->setMaxTextLength(column, layout.maxLength);
    }
    const int shown = std::min(static_cast<int>(entries.size()), layout.rows);
    for (int row = 0; row < shown; ++row) {
        mGrid->setTextMatrix(row, 0, toQt(entries[static_cast<std::size_t>(row)].name));
        mGrid->setTextMatrix(row, 1, toQt(entries[static_cast<std::size_t>(row)].value));
    }
    mSave->setObjectName(QStringLiteral("guardar"));
    mClose->setObjectName(QStringLiteral("cerrar"));
    connect(mSave, &QPushButton::clicked, this, &CListEditor::save);
    connect(mClose, &QPushButton::clicked, this, &QDialog::reject);
}

void CListEditor::arrange(QWidget* extra, QSize dialogUnits) {
    // Every row in sight: four favourites or ten links need no scrolling.
    mGrid->setMinimumHeight(mGrid->horizontalHeader()->sizeHint().height() +
                            mGrid->verticalHeader()->length() + 2 * mGrid->frameWidth());
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(mSave);
    buttons->addWidget(mClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mGrid, 1);
    if (extra != nullptr) {
        layout->addWidget(extra);
    }
    layout->addLayout(buttons);
    resize(dialogUnitsToPixels(*this, dialogUnits.width(), dialogUnits.height())
               .expandedTo(minimumSizeHint()));
}

std::vector<ListEntry> CListEditor::rows() const {
    std::vector<ListEntry> rows;
    for (int row = 0; row < mGrid->rowCount(); ++row) {
        rows.push_back({fromQt(mGrid->textMatrix(row, 0)), fromQt(mGrid->textMatrix(row, 1))});
    }
    return rows;
}

QString CListEditor::cannotCreateMessage() {
    return tr8("No se han podido crear fichero");
}

void CListEditor::save() {
    // A cell still being typed into belongs to what is saved.
    mGrid->commitEdit();
    if (!mSaver || !mSaver(rows())) {
        // The dialog stays open with everything typed, so the user can try again.
        showMessageBox(this, cannotCreateMessage());
        return;
    }
    showMessageBox(this, mSavedMessage, QMessageBox::Information);
    accept();
}

} // namespace brisalta::ui
