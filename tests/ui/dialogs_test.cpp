// The small dialogs of the graph commands: what they accept while the user types.
#include "ui/altitud.h"
#include "ui/cidentdialogo.h"

#include <QLineEdit>
#include <QTest>

using namespace brisalta::ui;

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void manualDialogCapitalisesAndRefusesAFifthCharacter() {
        CIdentDialogo dialog;
        dialog.show();
        QTest::keyClicks(dialog.edit(), QStringLiteral("lemdx"));
        QCOMPARE(dialog.edit()->text(), QStringLiteral("LEMD"));
        QCOMPARE(dialog.code(), QStringLiteral("LEMD"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Elección manual"));
    }

    void altitudeMustBeAWholeNumberInRange_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("valid");
        QTest::newRow("cero") << QStringLiteral("0") << true;
        QTest::newRow("Madrid") << QStringLiteral("582") << true;
        QTest::newRow("mínimo") << QStringLiteral("-3000") << true;
        QTest::newRow("máximo") << QStringLiteral("8000") << true;
        QTest::newRow("demasiado alto") << QStringLiteral("8001") << false;
        QTest::newRow("demasiado bajo") << QStringLiteral("-3001") << false;
        QTest::newRow("decimal") << QStringLiteral("12.5") << false;
        QTest::newRow("texto") << QStringLiteral("abc") << false;
        QTest::newRow("vacío") << QString() << false;
    }

    void altitudeMustBeAWholeNumberInRange() {
        QFETCH(QString, typed);
        QFETCH(bool, valid);
        Altitud dialog;
        dialog.edit()->setText(typed);
        QCOMPARE(dialog.altitude().has_value(), valid);
        QCOMPARE(dialog.validationMessage().isEmpty(), valid);
        if (!valid) {
            QCOMPARE(dialog.validationMessage(),
                     QStringLiteral("Introduzca un número entero entre -3000 y 8000."));
        }
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
