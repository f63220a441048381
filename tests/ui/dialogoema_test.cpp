// The automatic-station dialogs as the user meets them: the key box, the
// station list, and the "Manual" route with its capitals.
#include "modalhelper.h"

#include "ui/dialogoema.h"
#include "ui/emamanual.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace brisalta;
using namespace brisalta::ui;

namespace {

const QStringList kEntries = {QStringLiteral("MADRID, RETIRO   /   MADRID"),
                              QStringLiteral("ALICANTE-ELCHE AEROPUERTO   /   ALICANTE"),
                              QStringLiteral("MÁLAGA AEROPUERTO   /   MÁLAGA")};

QStringList groupTitles(const QWidget& dialog) {
    QStringList titles;
    for (const QGroupBox* box : dialog.findChildren<QGroupBox*>()) {
        titles << box->title();
    }
    return titles;
}

} // namespace

class DialogoEmaTest : public QObject {
    Q_OBJECT

private slots:
    void showsKeyListAndDataSourceInTheirFrames() {
        DialogoEma dialog(QStringLiteral("eyJhbGciOi-clave"), kEntries);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Estaciones Automáticas (EMAs)"));
        QCOMPARE(groupTitles(dialog), (QStringList{QStringLiteral("Fuente de los datos"),
                                                   QStringLiteral("API Key - Aemet Opendata"),
                                                   QStringLiteral("Estaciones Automáticas (EMAs)")}));
        QCOMPARE(dialog.keyBox()->toPlainText(), QStringLiteral("eyJhbGciOi-clave"));
        QVERIFY(dialog.keyBox()->isReadOnly());
        QCOMPARE(dialog.manualButton()->text(), QStringLiteral("Manual"));
        QCOMPARE(dialog.okButton()->text(), QStringLiteral("Aceptar"));
        QCOMPARE(dialog.cancelButton()->text(), QStringLiteral("Cancelar"));
        QVERIFY(dialog.okButton()->isDefault());

        const auto* picture = dialog.findChild<QLabel*>(QStringLiteral("fuente"));
        QVERIFY(picture);
        QCOMPARE(picture->pixmap().size(), QSize(182, 79));

        // Every control, nested ones included, is drawn at weight 500.
        for (const QWidget* control : dialog.findChildren<QWidget*>()) {
            QCOMPARE(control->font().weight(), QFont::Medium);
        }
    }

    void listsEntriesInListOrderWithTheFirstSelected() {
        DialogoEma dialog(QString(), kEntries);
        QComboBox* combo = dialog.stationCombo();
        QVERIFY(combo->isEditable());
        QCOMPARE(combo->count(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(combo->itemText(i), kEntries[i]); // unsorted: entry i is record i
        }
        QCOMPARE(combo->currentIndex(), 0);
        combo->setCurrentIndex(2);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.answer().manual);
        QCOMPARE(dialog.answer().index, 2);
    }

    void okWithAnEmptyListAnswersNoStation() {
        const QString noKey = QStringLiteral(
            "Es necesario introducir una clave API (Aemet Open Data) en el menú Preferencias.");
        DialogoEma dialog(noKey, {});
        QCOMPARE(dialog.keyBox()->toPlainText(), noKey);
        QCOMPARE(dialog.stationCombo()->currentIndex(), -1);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.answer().index, -1);
        QVERIFY(!dialog.answer().manual);
    }

    void manualThenCancelKeepsTheDialogOpenWithItsSelection() {
        DialogoEma dialog(QString(), kEntries);
        dialog.show();
        dialog.stationCombo()->setCurrentIndex(1);
        bool manualShown = false;
        test::whenModal<EMAManual>([&](EMAManual* manual) {
            manualShown = true;
            QTest::keyClicks(manual->edit(), QStringLiteral("3195"));
            manual->findChild<QPushButton*>(QStringLiteral("cancel"))->click();
        });
        QTest::mouseClick(dialog.manualButton(), Qt::LeftButton);
        QVERIFY(manualShown);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.stationCombo()->currentIndex(), 1);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QVERIFY(!dialog.answer().manual);
        QCOMPARE(dialog.answer().index, 1);
    }

    void manualIdentifierArrivesInCapitalsAndEndsTheDialogAtOnce() {
        DialogoEma dialog(QString(), kEntries);
        dialog.show();
        test::whenModal<EMAManual>([](EMAManual* manual) {
            QTest::keyClicks(manual->edit(), QStringLiteral("6155a"));
            manual->findChild<QPushButton*>(QStringLiteral("ok"))->click();
        });
        QTest::mouseClick(dialog.manualButton(), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.answer().manual);
        QCOMPARE(dialog.answer().identifier, std::string("6155A"));
    }

    // The identifier travels inside the query's address: an empty one or one
    // with anything but letters and digits is refused in the dialog.
    void manualDialogCapitalisesAndRefusesAnEmptyOrMalformedIdentifier() {
        EMAManual manual;
        QCOMPARE(manual.windowTitle(), QStringLiteral("Identificador de EMA"));
        QCOMPARE(groupTitles(manual), QStringList{QStringLiteral("Introducir identificativo")});
        QCOMPARE(manual.findChild<QPushButton*>(QStringLiteral("ok"))->text(), QStringLiteral("Aceptar"));
        QCOMPARE(manual.findChild<QPushButton*>(QStringLiteral("cancel"))->text(),
                 QStringLiteral("Cancelar"));
        manual.show();
        QTest::keyClicks(manual.edit(), QStringLiteral("b228"));
        QTest::sendKeyEvent(QTest::Click, manual.edit(), Qt::Key_Ntilde, QStringLiteral("ñ"),
                            Qt::NoModifier);
        QCOMPARE(manual.edit()->text(), QStringLiteral("B228Ñ"));
        for (const QString& bad : {QStringLiteral("B228Ñ"), QString(), QStringLiteral("80 19"),
                                   QStringLiteral("8019/x")}) {
            manual.edit()->setText(bad);
            manual.findChild<QPushButton*>(QStringLiteral("ok"))->click();
            QVERIFY2(manual.isVisible(), qPrintable(bad));
            QVERIFY(manual.refusal()->isVisible());
            QVERIFY(!manual.refusal()->text().isEmpty());
        }
        manual.edit()->setText(QStringLiteral("6155A"));
        manual.findChild<QPushButton*>(QStringLiteral("ok"))->click();
        QCOMPARE(manual.result(), int(QDialog::Accepted));
        QCOMPARE(manual.identifier(), QStringLiteral("6155A"));
    }
};

QTEST_MAIN(DialogoEmaTest)
#include "dialogoema_test.moc"
