// Sounding date dialog.
#include "ui/cdialogosondeos.h"

#include "app/inputchecks.h"
#include "ui/qtext.h"
#include "ui/refusal.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace brisalta::ui {
namespace {

QGroupBox* framed(const QString& title, QWidget* inside, QWidget* parent) {
    auto* frame = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(inside);
    return frame;
}

} // namespace

CDialogoSondeos::CDialogoSondeos(const QString& stationText, const QDate& today, QWidget* parent)
    : QDialog(parent), mDate(new QDateEdit(today, this)), mHour(new QComboBox(this)),
      mStation(new QLineEdit(stationText, this)), mRefusal(makeRefusalLine(this)), mToday(today) {
    setWindowTitle(tr8("Sondeos"));

    mDate->setObjectName(QStringLiteral("fecha"));
    mDate->setCalendarPopup(true);
    mDate->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    mDate->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    mHour->setObjectName(QStringLiteral("hora"));
    mHour->addItem(tr8("00Z"));
    mHour->addItem(tr8("12Z"));
    mHour->setCurrentIndex(0);

    mStation->setObjectName(QStringLiteral("estacion"));
    mStation->setReadOnly(true);
    mStation->setMinimumWidth(240);

    auto* dateAndHour = new QHBoxLayout;
    dateAndHour->addWidget(framed(tr8("Fecha"), mDate, this));
    dateAndHour->addWidget(framed(tr8("Hora"), mHour, this));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* show = buttons->addButton(tr8("Ver Sondeo"), QDialogButtonBox::AcceptRole);
    show->setDefault(true);
    show->setObjectName(QStringLiteral("verSondeo"));
    buttons->addButton(tr8("Cancelar"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDialogoSondeos::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(dateAndHour);
    layout->addWidget(framed(tr8("Estación Meteorológica"), mStation, this));
    layout->addWidget(mRefusal);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    mRefusal->setMaximumWidth(360);
}

void CDialogoSondeos::accept() {
    const QDate epoch(1970, 1, 1);
    if (refuse(mRefusal, soundingDateProblem(epoch.daysTo(date()), epoch.daysTo(mToday)))) {
        mDate->setFocus();
        return;
    }
    QDialog::accept();
}

QDate CDialogoSondeos::date() const { return mDate->date(); }

int CDialogoSondeos::hourIndex() const { return mHour->currentIndex() == 1 ? 1 : 0; }

} // namespace brisalta::ui
