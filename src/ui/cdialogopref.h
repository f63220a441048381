// "Preferencias": the country, the airport of the surface graph, the sounding
// station, the AEMET OpenData key and the time offset the program remembers.
// The three lists change the selection as the user picks (those changes stay
// for the run even after "&Cancelar"); "&Guardar" checks the time offset and
// hands back what the caller stores.
#pragma once

#include "settings/preferencechoices.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace brisalta::ui {

class CDialogoPref : public QDialog {
    Q_OBJECT

public:
    explicit CDialogoPref(const StationSelection& selection, QWidget* parent = nullptr);

    // The selection as the lists left it, whether the dialog was confirmed or
    // cancelled; the caller keeps it with adoptListChoices().
    const StationSelection& chosenSelection() const { return mChoices.selection(); }

    // The time offset and the key of the boxes. Valid after "&Guardar", which
    // only closes with a whole number from -12 to 12; the caller then runs
    // confirmPreferences() and shows invalidIcaoMessage() when it says so.
    PreferencesEntry entry() const;

    // "Introduzca un número entero entre -12 y 12." for a time offset out of
    // range or not a whole number; an empty text when it is valid.
    QString validationMessage() const;

    void accept() override;

    QComboBox* countryCombo() const { return mCountry; }
    QComboBox* airportCombo() const { return mAirport; }
    QComboBox* soundingCombo() const { return mSounding; }
    QPlainTextEdit* keyBox() const { return mKey; }
    QLineEdit* offsetEdit() const { return mOffset; }
    QPushButton* favouritesButton() const { return mFavourites; }
    QPushButton* linksButton() const { return mLinks; }
    QPushButton* cancelButton() const { return mCancel; }
    QPushButton* saveButton() const { return mSave; }

signals:
    // "Graficas Preferidas" and "Enlaces Web": the caller opens the editor,
    // with this dialog as its parent.
    void favouritesRequested();
    void linksRequested();

private:
    void showLists();
    void showSoundingSelection();

    PreferenceChoices mChoices;
    QComboBox* mCountry;
    QComboBox* mAirport;
    QComboBox* mSounding;
    QPlainTextEdit* mKey;
    QLineEdit* mOffset;
    QPushButton* mFavourites;
    QPushButton* mLinks;
    QPushButton* mCancel;
    QPushButton* mSave;
};

} // namespace brisalta::ui
