// The dialogs of the "Sondeos" menu: what they show on opening, what they
// accept while the user types, and what the window's Ui answers from them.
#include "modalhelper.h"

#include "ui/cdialogosondeos.h"
#include "ui/csondeomanual.h"
#include "ui/qtui.h"
#include "ui/techo.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace brisalta;
using namespace brisalta::ui;

class SoundingDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void dateDialogOpensOnTodayAt00ZWithTheStation() {
        const QDate today(2020, 12, 7);
        CDialogoSondeos dialog(QStringLiteral("Murcia (España)"), today);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Sondeos"));
        QCOMPARE(dialog.date(), today);
        QVERIFY(dialog.datePicker()->calendarPopup());
        QCOMPARE(dialog.hourCombo()->count(), 2);
        QCOMPARE(dialog.hourCombo()->itemText(0), QStringLiteral("00Z"));
        QCOMPARE(dialog.hourCombo()->itemText(1), QStringLiteral("12Z"));
        QCOMPARE(dialog.hourIndex(), 0);
        QCOMPARE(dialog.stationField()->text(), QStringLiteral("Murcia (España)"));
        QVERIFY(dialog.stationField()->isReadOnly());
        QStringList frames;
        for (const QGroupBox* box : dialog.findChildren<QGroupBox*>()) {
            frames << box->title();
        }
        frames.sort();
        QCOMPARE(frames, (QStringList{QStringLiteral("Estación Meteorológica"), QStringLiteral("Fecha"),
                                      QStringLiteral("Hora")}));
        const auto* show = dialog.findChild<QPushButton*>(QStringLiteral("verSondeo"));
        QVERIFY(show != nullptr);
        QCOMPARE(show->text(), QStringLiteral("Ver Sondeo"));
        QVERIFY(show->isDefault());
    }

    void manualStationDialogTakesAtMostFiveCharacters() {
        CSondeoManual dialog;
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Sondeo"));
        QVERIFY(dialog.number().isEmpty());
        QTest::keyClicks(dialog.edit(), QStringLiteral("084301"));
        QCOMPARE(dialog.number(), QStringLiteral("08430"));
    }

    void ceilingInputsMustBeWholeNumbersInRange_data() {
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<QString>("dewPoint");
        QTest::addColumn<QString>("message");
        QTest::newRow("al abrir") << QStringLiteral("0") << QStringLiteral("0") << QString();
        QTest::newRow("tarde de verano") << QStringLiteral("36") << QStringLiteral("12") << QString();
        QTest::newRow("límites altos") << QStringLiteral("60") << QStringLiteral("50") << QString();
        QTest::newRow("límites bajos") << QStringLiteral("-30") << QStringLiteral("-30") << QString();
        QTest::newRow("temperatura alta")
            << QStringLiteral("61") << QStringLiteral("10")
            << QStringLiteral("Introduzca un número entero entre -30 y 60.");
        QTest::newRow("rocío alto") << QStringLiteral("55") << QStringLiteral("51")
                                    << QStringLiteral("Introduzca un número entero entre -30 y 50.");
        QTest::newRow("rocío bajo") << QStringLiteral("20") << QStringLiteral("-31")
                                    << QStringLiteral("Introduzca un número entero entre -30 y 50.");
        QTest::newRow("decimal") << QStringLiteral("25.5") << QStringLiteral("10")
                                 << QStringLiteral("Introduzca un número entero.");
        QTest::newRow("vacío") << QStringLiteral("25") << QString()
                               << QStringLiteral("Introduzca un número entero.");
    }

    void ceilingInputsMustBeWholeNumbersInRange() {
        QFETCH(QString, temperature);
        QFETCH(QString, dewPoint);
        QFETCH(QString, message);
        Techo dialog;
        dialog.temperatureEdit()->setText(temperature);
        dialog.dewPointEdit()->setText(dewPoint);
        QCOMPARE(dialog.validationMessage(), message);
        QCOMPARE(dialog.temperature().has_value() && dialog.dewPoint().has_value(), message.isEmpty());
    }

    void ceilingDialogOpensAtZero() {
        Techo dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Simulación techo"));
        QCOMPARE(dialog.temperature(), std::optional<int>(0));
        QCOMPARE(dialog.dewPoint(), std::optional<int>(0));
    }

    // The window's Ui gives the picked day (read back in local time) and the hour.
    void windowUiAnswersThePickedDayAndHour() {
        QtUi ui;
        const QDate picked(2020, 3, 7);
        test::whenModal<CDialogoSondeos>([picked](CDialogoSondeos* dialog) {
            dialog->datePicker()->setDate(picked);
            dialog->hourCombo()->setCurrentIndex(1);
            dialog->accept();
        });
        const QDateTime now(QDate(2020, 12, 7), QTime(18, 30));
        const std::optional<SoundingDateAnswer> answer =
            ui.askSoundingDate("Lisboa", now.toSecsSinceEpoch());
        QVERIFY(answer.has_value());
        QCOMPARE(answer->hourIndex, 1);
        QCOMPARE(QDateTime::fromSecsSinceEpoch(answer->date).date(), picked);
    }

    void windowUiAnswersNothingWhenTheCeilingIsCancelled() {
        QtUi ui;
        test::whenModal<Techo>([](Techo* dialog) { dialog->reject(); });
        QVERIFY(!ui.askCeilingInputs().has_value());
        test::whenModal<Techo>([](Techo* dialog) {
            dialog->temperatureEdit()->setText(QStringLiteral("34"));
            dialog->dewPointEdit()->setText(QStringLiteral("15"));
            dialog->accept();
        });
        const std::optional<CeilingInputs> inputs = ui.askCeilingInputs();
        QVERIFY(inputs.has_value());
        QCOMPARE(inputs->temperature, 34);
        QCOMPARE(inputs->dewPoint, 15);
    }
};

QTEST_MAIN(SoundingDialogsTest)
#include "soundingdialogs_test.moc"
