// "Estaciones Automáticas (EMAs)": the automatic station whose graph is drawn,
// picked from the station list or typed by hand with "Manual", beside the
// user's AEMET OpenData key.
#pragma once

#include "ports/ui.h"

#include <QDialog>
#include <QPixmap>
#include <QStringList>

class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace brisalta::ui {

class DialogoEma : public QDialog {
    Q_OBJECT

public:
    // keyText fills the read-only key box; entries are the station list's
    // "name   /   PROVINCE" texts in list order (entry i is record i).
    DialogoEma(const QString& keyText, const QStringList& entries, QWidget* parent = nullptr);

    // After the dialog ended with OK: the selected entry (-1 with an empty
    // list), or the identifier typed in "Identificador de EMA".
    AutomaticStationAnswer answer() const { return mAnswer; }

    // The data-source picture of the dialog, 182 x 79 pixels.
    static QPixmap dataSourcePicture();

    QComboBox* stationCombo() const { return mStations; }
    QPlainTextEdit* keyBox() const { return mKey; }
    QPushButton* manualButton() const { return mManual; }
    QPushButton* okButton() const { return mOk; }
    QPushButton* cancelButton() const { return mCancel; }

private:
    void acceptSelection();
    void typeIdentifier();

    QPlainTextEdit* mKey;
    QComboBox* mStations;
    QPushButton* mManual;
    QPushButton* mOk;
    QPushButton* mCancel;
    AutomaticStationAnswer mAnswer;
};

} // namespace brisalta::ui
