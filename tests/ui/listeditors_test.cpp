// "Enlaces Web" and "Gráficas preferidas": the grid they open with, what
// "Guardar" writes and says, the rows it skips, and a file that cannot be
// written (the message, and nothing the user typed is lost).
#include "modalhelper.h"

#include "settings/listfile.h"
#include "support/testplaces.h"
#include "text/codepage.h"
#include "ui/ccelledit.h"
#include "ui/ceditflexgrid.h"
#include "ui/dialogoweb.h"
#include "ui/grafpref.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

using namespace brisalta;
using namespace brisalta::ui;

namespace {

struct Box {
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool seen = false;
};

// Reads and closes the next message box.
void answerMessage(Box& box) {
    test::whenModal<QMessageBox>([&box](QMessageBox* shown) {
        box = {shown->text(), shown->icon(), true};
        shown->accept();
    });
}

void typeInto(CEditFlexGrid* grid, int row, int column, const QString& text) {
    const QRect cell = grid->visualRect(grid->model()->index(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    CCellEdit* editor = grid->cellEditor();
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, text);
}

const QString kSavedTail = QStringLiteral(
    "Preferencias guardadas.\n Los cambios tendrán efecto la próxima vez que se abra el programa");

} // namespace

class ListEditorsTest : public QObject {
    Q_OBJECT

private slots:
    void linksEditorOpensWithTheFileAndSavesTheValidRows() {
        test::ScratchPlaces places;
        const auto file = places.settingsFolder() / kLinksFileName;
        test::writeFile(file, "AEMET\nhttps://www.aemet.es\nMeteociel\nhttps://www.meteociel.fr\n");

        Box box;
        answerMessage(box);
        test::whenModal<DialogoWeb>([](DialogoWeb* dialog) {
            const QScopeGuard closeOnFailure([dialog] {
                if (QTest::currentTestFailed()) {
                    dialog->reject();
                }
            });
            CEditFlexGrid* grid = dialog->grid();
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Enlaces Web"));
            QCOMPARE(grid->rowCount(), 10);
            QCOMPARE(grid->horizontalHeaderItem(0)->text(), QStringLiteral("Identificador"));
            QCOMPARE(grid->horizontalHeaderItem(1)->text(), QStringLiteral("Dirección completa"));
            QCOMPARE(grid->columnWidth(0), 1550 * grid->logicalDpiX() / 1440);
            QCOMPARE(grid->columnWidth(1), 6000 * grid->logicalDpiX() / 1440);
            QCOMPARE(dialog->saveButton()->text(), QStringLiteral("Guardar"));
            QCOMPARE(dialog->closeButton()->text(), QStringLiteral("Salir"));
            // Each value read back carries the blank of its line break.
            QCOMPARE(grid->textMatrix(0, 0), QStringLiteral("AEMET "));
            QCOMPARE(grid->textMatrix(1, 1), QStringLiteral("https://www.meteociel.fr "));
            QCOMPARE(grid->textMatrix(2, 0), QString());

            typeInto(grid, 0, 0, QStringLiteral("---"));
            typeInto(grid, 3, 0, QStringLiteral("Sondeos"));
            typeInto(grid, 3, 1, QStringLiteral("http://weather.uwyo.edu"));
            QTest::mouseClick(dialog->saveButton(), Qt::LeftButton);
        });
        QVERIFY(DialogoWeb::editFile(file, nullptr));
        QVERIFY(box.seen);
        QCOMPARE(box.text, QString(23, QLatin1Char(' ')) + kSavedTail);
        QCOMPARE(box.icon, QMessageBox::Information);
        QCOMPARE(test::readFile(file), std::string("Meteociel \nhttps://www.meteociel.fr \n"
                                                   "Sondeos\nhttp://weather.uwyo.edu\n"));
    }

    void salirWritesNothing() {
        test::ScratchPlaces places;
        const auto file = places.settingsFolder() / kLinksFileName;
        test::writeFile(file, "AEMET\nhttps://www.aemet.es\n");
        test::whenModal<DialogoWeb>([](DialogoWeb* dialog) {
            const QScopeGuard closeOnFailure([dialog] {
                if (QTest::currentTestFailed()) {
                    dialog->reject();
                }
            });
            typeInto(dialog->grid(), 0, 0, QStringLiteral("Otro"));
            QTest::mouseClick(dialog->closeButton(), Qt::LeftButton);
        });
        QVERIFY(!DialogoWeb::editFile(file, nullptr));
        QCOMPARE(test::readFile(file), std::string("AEMET\nhttps://www.aemet.es\n"));
    }

    void fileThatCannotBeWrittenKeepsTheDialogAndTheRows() {
        int attempts = 0;
        DialogoWeb dialog({}, [&](const std::vector<ListEntry>&) {
            ++attempts;
            return false;
        });
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        typeInto(dialog.grid(), 0, 0, QStringLiteral("AEMET"));
        typeInto(dialog.grid(), 0, 1, QStringLiteral("https://www.aemet.es"));
        Box box;
        answerMessage(box);
        QTest::mouseClick(dialog.saveButton(), Qt::LeftButton);
        QTRY_VERIFY(box.seen);
        QCOMPARE(box.text, QStringLiteral("No se han podido crear fichero"));
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(attempts, 1);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.rows().front(), (ListEntry{"AEMET", "https://www.aemet.es"}));
    }

    void favouritesEditorShowsTheCurrentGraph() {
        test::ScratchPlaces places;
        const auto file = places.settingsFolder() / kFavouritesFileName;
        test::writeFile(file, text::cp1252("Almería\nLEAM\nMadrid\nLEMD\nsuelta\n"));
        Box box;
        answerMessage(box);
        test::whenModal<GrafPref>([](GrafPref* dialog) {
            const QScopeGuard closeOnFailure([dialog] {
                if (QTest::currentTestFailed()) {
                    dialog->reject();
                }
            });
            CEditFlexGrid* grid = dialog->grid();
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Gráficas preferidas"));
            QCOMPARE(grid->rowCount(), 4);
            QCOMPARE(grid->horizontalHeaderItem(0)->text(), QStringLiteral("Nombre"));
            QCOMPARE(grid->horizontalHeaderItem(1)->text(), QStringLiteral("ICAO"));
            QCOMPARE(grid->columnWidth(0), 3000 * grid->logicalDpiX() / 1440);
            QCOMPARE(grid->textMatrix(0, 0), QStringLiteral("Almería "));
            QCOMPARE(grid->textMatrix(2, 0), QString()); // the odd last line is not a row
            QCOMPARE(dialog->findChild<QGroupBox*>()->title(), QStringLiteral("Gráfica Actual"));
            QCOMPARE(dialog->currentNameEdit()->text(),
                     QStringLiteral("Aeropuerto de Alicante - Elche"));
            QCOMPARE(dialog->currentIcaoEdit()->text(), QStringLiteral("LEAL"));
            QVERIFY(dialog->currentNameEdit()->isReadOnly());
            QVERIFY(dialog->currentIcaoEdit()->isReadOnly());
            QCOMPARE(dialog->closeButton()->text(), QStringLiteral("Cancelar"));
            QVERIFY(dialog->saveButton()->isDefault());

            typeInto(grid, 2, 0, dialog->currentNameEdit()->text());
            typeInto(grid, 2, 1, dialog->currentIcaoEdit()->text());
            // Still in the cell: "Guardar" takes what is being typed.
            QTest::mouseClick(dialog->saveButton(), Qt::LeftButton);
        });
        QVERIFY(GrafPref::editFile(file, text::cp1252("Aeropuerto de Alicante - Elche"), "LEAL",
                                   nullptr));
        QCOMPARE(box.text, QString(22, QLatin1Char(' ')) + kSavedTail);
        QCOMPARE(test::readFile(file),
                 text::cp1252("Almería \nLEAM \nMadrid \nLEMD \nAeropuerto de Alicante - Elche\n"
                              "LEAL\n"));
    }
};

QTEST_MAIN(ListEditorsTest)
#include "listeditors_test.moc"
