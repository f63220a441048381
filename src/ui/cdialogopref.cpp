// Preferences dialog.
#include "ui/cdialogopref.h"

#include "ui/dialogunits.h"
#include "ui/icons.h"
#include "ui/messagebox.h"
#include "ui/qtext.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace brisalta::ui {
namespace {

QGroupBox* framed(const QString& title, QWidget* inside, QWidget* parent) {
    auto* frame = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(inside);
    return frame;
}

QComboBox* editableCombo(const QString& name, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    // The box only takes what is typed: no entry is added on Enter and no
    // completion rewrites the text under the user's fingers.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    return combo;
}

void fill(QComboBox* combo, const ChoiceList& list) {
    const QSignalBlocker quiet(combo);
    combo->clear();
    for (const std::string& text : list.texts) {
        combo->addItem(toQt(text));
    }
    combo->setCurrentIndex(list.selected);
}

} // namespace

CDialogoPref::CDialogoPref(const StationSelection& selection, QWidget* parent)
    : QDialog(parent), mChoices(selection), mCountry(new QComboBox(this)),
      mAirport(editableCombo(QStringLiteral("estacion"), this)),
      mSounding(editableCombo(QStringLiteral("sondeo"), this)), mKey(new QPlainTextEdit(this)),
      mOffset(new QLineEdit(this)), mFavourites(new QPushButton(tr8("Graficas Preferidas"), this)),
      mLinks(new QPushButton(tr8("Enlaces Web"), this)),
      mCancel(new QPushButton(tr8("&Cancelar"), this)),
      mSave(new QPushButton(tr8("&Guardar"), this)) {
    setWindowTitle(tr8("Preferencias"));
    mCountry->setObjectName(QStringLiteral("pais"));
    for (const std::string& name : mChoices.countries()) {
        mCountry->addItem(toQt(name));
    }
    mKey->setObjectName(QStringLiteral("clave"));
    mKey->setPlainText(toQt(selection.apiKey));
    mKey->setTabChangesFocus(true);
    mOffset->setObjectName(QStringLiteral("diferencia"));
    mOffset->setText(QString::number(selection.timeOffsetHours));
    mSave->setDefault(true);
    showLists();

    connect(mCountry, &QComboBox::activated, this, [this](int position) {
        mChoices.chooseCountry(position);
        showLists();
    });
    connect(mAirport, &QComboBox::activated, this, [this](int position) {
        mChoices.chooseAirport(position);
        showSoundingSelection();
    });
    connect(mSounding, &QComboBox::activated, this,
            [this](int position) { mChoices.chooseSoundingStation(position); });
    connect(mAirport->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { mChoices.typeAirport(fromQt(text)); });
    connect(mSounding->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { mChoices.typeSoundingStation(fromQt(text)); });
    connect(mFavourites, &QPushButton::clicked, this, &CDialogoPref::favouritesRequested);
    connect(mLinks, &QPushButton::clicked, this, &CDialogoPref::linksRequested);
    connect(mCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(mSave, &QPushButton::clicked, this, &CDialogoPref::accept);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icono"));
    icon->setPixmap(programIcon(QStringLiteral("brisalta")).pixmap(32, 32));
    auto* top = new QHBoxLayout;
    top->addWidget(framed(tr8("País"), mCountry, this), 1);
    top->addWidget(icon);

    auto* editors = new QHBoxLayout;
    editors->addWidget(mFavourites);
    editors->addWidget(mLinks);
    auto* closing = new QHBoxLayout;
    closing->addStretch(1);
    closing->addWidget(mCancel);
    closing->addWidget(mSave);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(framed(tr8("Estación Meteorológica"), mAirport, this));
    layout->addWidget(framed(tr8("Sondeo"), mSounding, this));
    layout->addWidget(framed(tr8("API Key - Aemet Opendata"), mKey, this), 1);
    layout->addWidget(framed(tr8("Diferencia Horaria"), mOffset, this));
    layout->addLayout(editors);
    layout->addLayout(closing);
    resize(dialogUnitsToPixels(*this, 189, 312).expandedTo(minimumSizeHint()));
}

void CDialogoPref::showLists() {
    {
        const QSignalBlocker quiet(mCountry);
        mCountry->setCurrentIndex(mChoices.countryPosition());
    }
    fill(mAirport, mChoices.airports());
    fill(mSounding, mChoices.soundings());
    if (mChoices.soundings().texts.empty()) {
        // A country without soundings lists none, yet the station chosen before
        // is still the one the program keeps: the box says which.
        mSounding->setEditText(toQt(mChoices.selection().soundingStationId));
    }
}

void CDialogoPref::showSoundingSelection() {
    const QSignalBlocker quiet(mSounding);
    mSounding->setCurrentIndex(mChoices.soundings().selected);
}

PreferencesEntry CDialogoPref::entry() const {
    PreferencesEntry entry;
    entry.timeOffsetHours = parseTimeOffset(fromQt(mOffset->text())).value_or(0);
    entry.apiKey = fromQt(mKey->toPlainText());
    return entry;
}

QString CDialogoPref::validationMessage() const {
    if (parseTimeOffset(fromQt(mOffset->text()))) {
        return {};
    }
    return toQt(timeOffsetMessage());
}

void CDialogoPref::accept() {
    const QString message = validationMessage();
    if (!message.isEmpty()) {
        showMessageBox(this, message, QMessageBox::Warning);
        mOffset->setFocus();
        mOffset->selectAll();
        return;
    }
    QDialog::accept();
}

} // namespace brisalta::ui
