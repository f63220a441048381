// The editable grid of the list editors as the user meets it: a click or
// Enter opens the editor over a cell, Enter, another cell, scrolling or a
// button writes the text back, Escape leaves the cell alone, and the caret
// keys stay inside the text.
#include "ui/ccelledit.h"
#include "ui/ceditflexgrid.h"

#include <QDialog>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace brisalta::ui;

namespace {

// A dialog like the editors: the grid above a default button.
struct Host {
    Host()
        : grid(new CEditFlexGrid(
              10, {QStringLiteral("Identificador"), QStringLiteral("Dirección completa")},
              &dialog)),
          button(new QPushButton(QStringLiteral("Guardar"), &dialog)),
          pressed(button, &QPushButton::clicked) {
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(grid);
        layout->addWidget(button);
        button->setDefault(true);
        for (int row = 0; row < 10; ++row) {
            grid->setTextMatrix(row, 0, QStringLiteral("n%1").arg(row));
            grid->setTextMatrix(row, 1, QStringLiteral("https://e%1.es").arg(row));
        }
        dialog.resize(500, 200);
        dialog.show();
        dialog.activateWindow();
        active = QTest::qWaitForWindowActive(&dialog);
    }

    void click(int row, int column) {
        const QRect cell = grid->visualRect(grid->model()->index(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }

    QDialog dialog;
    CEditFlexGrid* grid;
    QPushButton* button;
    QSignalSpy pressed;
    bool active = false;
};

} // namespace

class CEditFlexGridTest : public QObject {
    Q_OBJECT

private slots:
    void clickTypeAndEnterWriteTheCell() {
        Host h;
        QVERIFY(h.active);
        h.click(2, 1);
        QVERIFY(h.grid->isEditing());
        CCellEdit* editor = h.grid->cellEditor();
        QVERIFY(editor && editor->isVisible() && editor->hasFocus());
        QCOMPARE(editor->text(), QStringLiteral("https://e2.es"));
        QCOMPARE(editor->cursorPosition(), 13); // the caret at the end, nothing selected
        QVERIFY(!editor->hasSelectedText());
        QVERIFY(h.grid->visualRect(h.grid->currentIndex()).intersects(editor->geometry()));

        QTest::keyClicks(editor, QStringLiteral("/radar"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!h.grid->isEditing());
        QCOMPARE(h.grid->textMatrix(2, 1), QStringLiteral("https://e2.es/radar"));
        QCOMPARE(h.pressed.count(), 0); // Enter never presses the default button
        QVERIFY(h.dialog.isVisible());

        // Enter on the grid opens the editor again over the same cell.
        QTest::keyClick(h.grid, Qt::Key_Return);
        QVERIFY(h.grid->isEditing());
        QCOMPARE(h.grid->cellEditor()->text(), QStringLiteral("https://e2.es/radar"));
        QCOMPARE(h.pressed.count(), 0);
    }

    void clickingAnotherCellWritesTheFirstAndEditsTheSecond() {
        Host h;
        QVERIFY(h.active);
        h.click(0, 0);
        QTest::keyClicks(h.grid->cellEditor(), QStringLiteral("-AEMET"));
        h.click(3, 1);
        QTRY_COMPARE(h.grid->textMatrix(0, 0), QStringLiteral("n0-AEMET"));
        QTRY_VERIFY(h.grid->isEditing());
        QCOMPARE(h.grid->currentRow(), 3);
        QCOMPARE(h.grid->currentColumn(), 1);
        QCOMPARE(h.grid->cellEditor()->text(), QStringLiteral("https://e3.es"));
    }

    void headerCellsAreNeverWritten() {
        Host h;
        QVERIFY(h.active);
        const QHeaderView* header = h.grid->horizontalHeader();
        QTest::mouseClick(h.grid->horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(0) + 10, header->height() / 2));
        QVERIFY(!h.grid->isEditing());
        h.grid->commitEdit(); // nothing being edited: nothing happens
        QCOMPARE(h.grid->horizontalHeaderItem(0)->text(), QStringLiteral("Identificador"));
        QCOMPARE(h.grid->horizontalHeaderItem(1)->text(), QStringLiteral("Dirección completa"));
        QCOMPARE(h.grid->textMatrix(0, 0), QStringLiteral("n0"));
    }

    void focusGoingToAButtonWritesTheCell() {
        Host h;
        QVERIFY(h.active);
        h.click(1, 0);
        QTest::keyClicks(h.grid->cellEditor(), QStringLiteral(" nuevo"));
        QTest::mouseClick(h.button, Qt::LeftButton);
        QCOMPARE(h.pressed.count(), 1);
        QTRY_VERIFY(!h.grid->isEditing());
        QCOMPARE(h.grid->textMatrix(1, 0), QStringLiteral("n1 nuevo"));
    }

    void caretKeysMoveInsideTheText() {
        Host h;
        QVERIFY(h.active);
        h.click(4, 0);
        CCellEdit* editor = h.grid->cellEditor();
        QTest::keyClicks(editor, QStringLiteral("abcd")); // "n4abcd"
        const struct {
            Qt::Key key;
            int caret;
        } steps[] = {{Qt::Key_Home, 0}, {Qt::Key_Up, 0},   {Qt::Key_Right, 1}, {Qt::Key_Down, 2},
                     {Qt::Key_End, 6},  {Qt::Key_Down, 6}, {Qt::Key_Left, 5},  {Qt::Key_Up, 4}};
        for (const auto& step : steps) {
            QTest::keyClick(editor, step.key);
            QCOMPARE(editor->cursorPosition(), step.caret);
            QVERIFY(h.grid->isEditing());
            QCOMPARE(h.grid->currentRow(), 4);
            QCOMPARE(h.grid->currentColumn(), 0);
        }
        QTest::keyClick(editor, Qt::Key_X); // typed where the caret is
        QTest::keyClick(editor, Qt::Key_Enter);
        QTRY_COMPARE(h.grid->textMatrix(4, 0), QStringLiteral("n4abxcd"));
    }

    void escapeLeavesTheCellAsItWas() {
        Host h;
        QVERIFY(h.active);
        QSignalSpy rejected(&h.dialog, &QDialog::rejected);
        h.click(5, 1);
        QTest::keyClicks(h.grid->cellEditor(), QStringLiteral("basura"));
        QTest::keyClick(h.grid->cellEditor(), Qt::Key_Escape);
        QTRY_VERIFY(!h.grid->isEditing());
        QCOMPARE(h.grid->textMatrix(5, 1), QStringLiteral("https://e5.es"));
        QCOMPARE(rejected.count(), 0); // the dialog stays open
        QVERIFY(h.dialog.isVisible());
    }

    void scrollingWritesTheCell() {
        Host h;
        QVERIFY(h.active);
        h.click(0, 1);
        QTest::keyClicks(h.grid->cellEditor(), QStringLiteral("/x"));
        QScrollBar* bar = h.grid->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        bar->setValue(bar->maximum());
        QTRY_VERIFY(!h.grid->isEditing());
        QCOMPARE(h.grid->textMatrix(0, 1), QStringLiteral("https://e0.es/x"));
    }

    void editorTakesTheColumnLimitAndTheCellColours() {
        Host h;
        QVERIFY(h.active);
        h.grid->setMaxTextLength(0, 5);
        h.grid->item(6, 0)->setForeground(QColor(200, 0, 0));
        h.click(6, 0);
        QTest::keyClicks(h.grid->cellEditor(), QStringLiteral("abcdef"));
        QCOMPARE(h.grid->cellEditor()->palette().color(QPalette::Text), QColor(200, 0, 0));
        QCOMPARE(h.grid->cellEditor()->palette().color(QPalette::Base),
                 h.grid->palette().color(QPalette::Base));
        QTest::keyClick(h.grid->cellEditor(), Qt::Key_Return);
        QTRY_COMPARE(h.grid->textMatrix(6, 0), QStringLiteral("n6abc"));
    }

    void columnWidthsAreInTwips() {
        Host h;
        h.grid->setColumnWidthTwips(0, 1440);
        QCOMPARE(h.grid->columnWidth(0), h.grid->logicalDpiX());
    }
};

QTEST_MAIN(CEditFlexGridTest)
#include "ceditflexgrid_test.moc"
