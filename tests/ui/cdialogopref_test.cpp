// "Preferencias" as the user meets it: the frames in their order, the lists it
// opens with, what picking and typing change, the time-offset check of
// "&Guardar", the key as typed, and the two editor buttons.
#include "modalhelper.h"

#include "text/codepage.h"
#include "ui/cdialogopref.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace brisalta;
using namespace brisalta::ui;

namespace {

StationSelection selection(const char* country, const char* icao, const char* stationId,
                           const char* stationName) {
    StationSelection s;
    s.country = text::cp1252(country);
    s.icao = icao;
    s.soundingStationId = stationId;
    s.soundingStationName = text::cp1252(stationName);
    s.timeOffsetHours = 2;
    s.apiKey = "eyJhbGciOi clave\tcon blancos";
    return s;
}

// Picks an entry the way the keyboard does, so that the dialog sees a choice
// of the user and not a change made by the program.
void choose(QComboBox* combo, int index) {
    combo->setFocus();
    if (index == 0) {
        combo->setCurrentIndex(1);
        QTest::keyClick(combo, Qt::Key_Up);
    } else {
        combo->setCurrentIndex(index - 1);
        QTest::keyClick(combo, Qt::Key_Down);
    }
}

void retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

QString utf8(const std::string& cp1252) {
    return QString::fromStdString(text::toUtf8(cp1252));
}

} // namespace

class CDialogoPrefTest : public QObject {
    Q_OBJECT

private slots:
    void showsItsControlsInOrder() {
        CDialogoPref dialog(selection("ESPAÑA", "LEAL", "", ""));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Preferencias"));
        QStringList titles;
        for (const QGroupBox* box : dialog.findChildren<QGroupBox*>()) {
            titles << box->title();
        }
        QCOMPARE(titles,
                 (QStringList{QStringLiteral("País"), QStringLiteral("Estación Meteorológica"),
                              QStringLiteral("Sondeo"), QStringLiteral("API Key - Aemet Opendata"),
                              QStringLiteral("Diferencia Horaria")}));
        QCOMPARE(dialog.favouritesButton()->text(), QStringLiteral("Graficas Preferidas"));
        QCOMPARE(dialog.linksButton()->text(), QStringLiteral("Enlaces Web"));
        QCOMPARE(dialog.cancelButton()->text(), QStringLiteral("&Cancelar"));
        QCOMPARE(dialog.saveButton()->text(), QStringLiteral("&Guardar"));
        QVERIFY(dialog.saveButton()->isDefault());
        QVERIFY(dialog.findChild<QWidget*>(QStringLiteral("icono")));

        // First start: Spain with Alicante - Elche selected.
        QCOMPARE(dialog.countryCombo()->count(), 13);
        QCOMPARE(dialog.countryCombo()->currentText(), QStringLiteral("ESPAÑA"));
        QCOMPARE(dialog.airportCombo()->count(), 62);
        QCOMPARE(dialog.airportCombo()->currentText(), QStringLiteral("Alicante - Elche"));
        QVERIFY(dialog.airportCombo()->isEditable());
        QVERIFY(dialog.soundingCombo()->isEditable());
        QCOMPARE(dialog.offsetEdit()->text(), QStringLiteral("2"));
        // The key is the user's own: shown exactly as it was typed.
        QCOMPARE(dialog.keyBox()->toPlainText(), QStringLiteral("eyJhbGciOi clave\tcon blancos"));
    }

    void choicesChangeTheSelectionAtOnce() {
        CDialogoPref dialog(selection("ESPAÑA", "LEAL", "08221", "Madrid - España"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.soundingCombo()->count(), 9);
        QCOMPARE(dialog.soundingCombo()->currentText(), QStringLiteral("Madrid - España"));

        // Almería brings the Murcia sounding, and the sounding box shows it.
        choose(dialog.airportCombo(), 2);
        QCOMPARE(dialog.chosenSelection().icao, "LEAM");
        QCOMPARE(dialog.chosenSelection().soundingStationId, "08430");
        QCOMPARE(dialog.soundingCombo()->currentText(), QStringLiteral("Murcia - España"));

        choose(dialog.soundingCombo(), 6);
        QCOMPARE(utf8(dialog.chosenSelection().soundingStationName),
                 QStringLiteral("Huelva - España"));

        // ARGENTINA from an airport it does not list: first airport, first station.
        choose(dialog.countryCombo(), 1);
        QCOMPARE(dialog.chosenSelection().icao, "SACO");
        QCOMPARE(dialog.chosenSelection().soundingStationId, "87344");
        QCOMPARE(dialog.airportCombo()->count(), 37);
        QCOMPARE(dialog.airportCombo()->currentIndex(), 0);
        QCOMPARE(dialog.soundingCombo()->currentText(), QStringLiteral("Córdoba - Argentina"));

        // BOLIVIA lists no soundings and keeps the station.
        choose(dialog.countryCombo(), 2);
        QCOMPARE(dialog.chosenSelection().icao, "SLCA");
        QCOMPARE(dialog.soundingCombo()->count(), 0);
        QCOMPARE(dialog.chosenSelection().soundingStationId, "87344");
        QCOMPARE(dialog.soundingCombo()->currentText(), QStringLiteral("87344"));

        // Typing in the boxes: up to four characters reach the ICAO code.
        retype(dialog.airportCombo()->lineEdit(), QStringLiteral("SLVR"));
        QCOMPARE(dialog.chosenSelection().icao, "SLVR");
        QTest::keyClicks(dialog.airportCombo()->lineEdit(), QStringLiteral("X"));
        QCOMPARE(dialog.chosenSelection().icao, "SLVR");
        retype(dialog.soundingCombo()->lineEdit(), QStringLiteral("85201"));
        QCOMPARE(dialog.chosenSelection().soundingStationId, "85201");
        QCOMPARE(dialog.chosenSelection().soundingStationName, "85201");
    }

    void stationTypedByHandIsListedAfterLisboa() {
        CDialogoPref dialog(selection("ESPAÑA", "LEAL", "12345", "12345"));
        QCOMPARE(dialog.soundingCombo()->count(), 10);
        QCOMPARE(dialog.soundingCombo()->itemText(8), QStringLiteral("Lisboa - Portugal"));
        QCOMPARE(dialog.soundingCombo()->currentIndex(), 9);
        QCOMPARE(dialog.soundingCombo()->currentText(), QStringLiteral("12345"));
    }

    void guardarChecksTheTimeOffset_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<int>("hours");
        QTest::newRow("-3") << QStringLiteral("-3") << true << -3;
        QTest::newRow("12") << QStringLiteral("12") << true << 12;
        QTest::newRow("-12") << QStringLiteral("-12") << true << -12;
        QTest::newRow("13") << QStringLiteral("13") << false << 0;
        QTest::newRow("-13") << QStringLiteral("-13") << false << 0;
        QTest::newRow("decimal") << QStringLiteral("1.5") << false << 0;
        QTest::newRow("texto") << QStringLiteral("una") << false << 0;
        QTest::newRow("vacío") << QString() << false << 0;
    }

    void guardarChecksTheTimeOffset() {
        QFETCH(QString, typed);
        QFETCH(bool, closes);
        QFETCH(int, hours);
        CDialogoPref dialog(selection("ESPAÑA", "LEAL", "08221", "Madrid - España"));
        dialog.offsetEdit()->setText(typed);
        QString shown;
        if (!closes) {
            test::whenModal<QMessageBox>([&](QMessageBox* box) {
                shown = box->text();
                box->accept();
            });
        }
        dialog.show();
        QTest::mouseClick(dialog.saveButton(), Qt::LeftButton);
        if (closes) {
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QVERIFY(!dialog.isVisible());
            QCOMPARE(dialog.entry().timeOffsetHours, hours);
            QCOMPARE(dialog.entry().apiKey, std::string("eyJhbGciOi clave\tcon blancos"));
        } else {
            QCOMPARE(shown, QStringLiteral("Introduzca un número entero entre -12 y 12."));
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.validationMessage(), shown);
        }
    }

    void cancelKeepsTheListChoices() {
        CDialogoPref dialog(selection("ESPAÑA", "LEAL", "08221", "Madrid - España"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        choose(dialog.countryCombo(), 10);
        dialog.offsetEdit()->setText(QStringLiteral("5"));
        QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.chosenSelection().country, "REP. DOMINICANA");
        QCOMPARE(dialog.chosenSelection().icao, "MDAB");
        QCOMPARE(dialog.chosenSelection().soundingStationId, "78486");
        QCOMPARE(dialog.chosenSelection().timeOffsetHours, 2); // only the lists act at once
    }

    void editorButtonsAskForTheirEditors() {
        CDialogoPref dialog(selection("ESPAÑA", "LEAL", "08221", "Madrid - España"));
        QSignalSpy favourites(&dialog, &CDialogoPref::favouritesRequested);
        QSignalSpy links(&dialog, &CDialogoPref::linksRequested);
        dialog.show();
        QTest::mouseClick(dialog.favouritesButton(), Qt::LeftButton);
        QTest::mouseClick(dialog.linksButton(), Qt::LeftButton);
        QCOMPARE(favourites.count(), 1);
        QCOMPARE(links.count(), 1);
        QVERIFY(dialog.isVisible());
    }
};

QTEST_MAIN(CDialogoPrefTest)
#include "cdialogopref_test.moc"
