// The export choice dialog.
#include "ui/dialogoxls.h"

#include "ui/dialogunits.h"
#include "ui/qtext.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace brisalta::ui {
namespace {

// Two exclusive buttons in a frame of their own, the first one checked.
QGroupBox* pair(QRadioButton* first, QRadioButton* second, QWidget* parent) {
    auto* box = new QGroupBox(parent);
    auto* group = new QButtonGroup(box);
    group->addButton(first);
    group->addButton(second);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(first);
    layout->addWidget(second);
    first->setChecked(true);
    return box;
}

} // namespace

DialogoXls::DialogoXls(QWidget* parent)
    : QDialog(parent), mExcel(new QRadioButton(tr8("Fichero Excel"), this)),
      mCsv(new QRadioButton(tr8("Fichero Csv"), this)),
      mIndividual(new QRadioButton(tr8("Individual"), this)),
      mCombined(new QRadioButton(tr8("Combinado"), this)) {
    setWindowTitle(tr8("Exportar datos"));
    mExcel->setObjectName(QStringLiteral("ficheroExcel"));
    mCsv->setObjectName(QStringLiteral("ficheroCsv"));
    mIndividual->setObjectName(QStringLiteral("individual"));
    mCombined->setObjectName(QStringLiteral("combinado"));

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr8("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr8("Cancelar"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pair(mExcel, mCsv, this));
    layout->addWidget(pair(mIndividual, mCombined, this));
    layout->addStretch(1);
    layout->addWidget(buttons);
    resize(dialogUnitsToPixels(*this, 142, 122));
}

ExportChoice DialogoXls::choice() const {
    return ExportChoice{mExcel->isChecked(), mCombined->isChecked()};
}

} // namespace brisalta::ui
