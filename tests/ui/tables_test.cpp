// The table dialogs and the data commands as the user meets them: Ctrl+H with
// nothing on screen, the hourly and sounding tables with their highlights,
// their "Exportar", "Imprimir" and "Salir" buttons, copying cells, the export
// choice dialog and the file menu's export and print entries.
//
// With BRISALTA_UI_SHOTS=<folder> the dialogs are also saved there as PNG
// pictures, to be looked at.
#include "app/pictures.h"
#include "modalhelper.h"
#include "uifixture.h"

#include "app/commandids.h"
#include "app/printcommands.h"
#include "tables/datatable.h"
#include "tables/hourlytable.h"
#include "tables/soundingtable.h"
#include "tables/tablefixture.h"
#include "ui/datagrid.h"
#include "ui/datatablemodel.h"
#include "ui/dialogotabla.h"
#include "ui/dialogotablasondeo.h"
#include "ui/dialogoxls.h"
#include "ui/pageprinter.h"
#include "ui/qtext.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>

using namespace brisalta;

namespace {

void shoot(QWidget* widget, const char* name) {
    const QByteArray folder = qgetenv("BRISALTA_UI_SHOTS");
    if (!folder.isEmpty()) {
        widget->grab().save(QString::fromUtf8(folder) + QLatin1Char('/') +
                            QString::fromLatin1(name) + QStringLiteral(".png"));
    }
}

// Copies a core session (a fixture's) into the window's and prepares it.
void show(test::UiFixture& f, const SessionState& from) {
    f.session.graph = from.graph;
    f.session.sounding = from.sounding;
    f.session.selection = from.selection;
    f.session.view.graphShown = from.view.graphShown;
    f.session.view.emaGraphShown = from.view.emaGraphShown;
    f.session.view.soundingShown = from.view.soundingShown;
    f.session.view.graphAvailable = from.view.graphShown;
    f.session.view.soundingAvailable = from.view.soundingShown;
    preparePictures(f.session);
    f.window.redrawView();
}

QMenu* menuNamed(QWidget* bar, const QString& title) {
    for (QMenu* menu : bar->findChildren<QMenu*>()) {
        if (menu->title() == title) {
            return menu;
        }
    }
    return nullptr;
}

QStringList actionTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* a : menu->actions()) {
        texts << a->text();
    }
    return texts;
}

QColor background(const ui::DataGrid* grid, int row, int column) {
    return grid->model()->index(row, column).data(Qt::BackgroundRole).value<QBrush>().color();
}

} // namespace

class TablesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The program's Windows face names resolve as the program sets them up.
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    }

    void tableCommandSitsInBothMenusWithOneKey() {
        test::UiFixture f;
        QMenu* graphs = menuNamed(f.window.menuBar(), QStringLiteral("&Gráficas"));
        QMenu* soundings = menuNamed(f.window.menuBar(), QStringLiteral("&Sondeos"));
        QVERIFY(graphs && soundings);
        QVERIFY(actionTexts(graphs).contains(QStringLiteral("Datos horarios")));
        QVERIFY(actionTexts(soundings).contains(QStringLiteral("Datos detallados\tCtrl+H")));
        QCOMPARE(f.window.action(cmd::kTable)->shortcut(), QKeySequence(QStringLiteral("Ctrl+H")));
        QCOMPARE(f.window.action(cmd::kPrint)->shortcut(), QKeySequence(QStringLiteral("Ctrl+I")));
        QVERIFY(f.window.action(cmd::kPrintPreview) != nullptr);

        QMenu* csv = menuNamed(f.window.menuBar(), QStringLiteral("Formato delimitado CSV"));
        QMenu* excel = menuNamed(f.window.menuBar(), QStringLiteral("Formato normal Excel"));
        QVERIFY(csv && excel);
        QCOMPARE(actionTexts(csv), (QStringList{QStringLiteral("Individual"), QStringLiteral("Combinado")}));
        QCOMPARE(f.window.action(cmd::kExportCsvCombined)->statusTip(),
                 QStringLiteral("Combina con un fichero delimitado CSV existente los datos de la "
                                "gráfica o sondeo, para crear una base de datos."));
        QCOMPARE(f.window.action(cmd::kExportExcelSingle)->statusTip(),
                 QStringLiteral("Crear un fichero para Excel con los datos de la gráfica o sondeo."));

        // Both table entries follow the one enable flag.
        QAction* alias = nullptr;
        for (QAction* a : soundings->actions()) {
            if (a->data().toInt() == cmd::kTable) {
                alias = a;
            }
        }
        QVERIFY(alias);
        QVERIFY(!alias->isEnabled());
        QVERIFY(!f.window.action(cmd::kTable)->isEnabled());
        f.session.view.commands.tableEnabled = true;
        f.window.updateActions();
        QVERIFY(alias->isEnabled());
    }

    void ctrlHWithNothingShownAsksForAPictureFirst() {
        test::UiFixture f;
        QVERIFY(f.exposed);
        // A failed download leaves the table command enabled and nothing on screen.
        f.session.view.commands.tableEnabled = true;
        f.window.updateActions();
        // No table may open; should one open, it is closed so the test fails, not hangs.
        test::whenModal<ui::TableDialog>([](ui::TableDialog* d) { d->reject(); }, 300);
        QTest::keyClick(&f.window, Qt::Key_H, Qt::ControlModifier);
        QTest::qWait(400); // the guard above has run out before the next test
        QCOMPARE(f.ui.messages,
                 std::vector<std::string>{"Es necesario disponer de una gráfica o un sondeo previamente."});
    }

    void hourlyTableShowsTheGraphAndItsButtonsWork() {
        test::UiFixture f;
        show(f, *test::airportDay10());
        const auto csv = f.places.root() / "dia.csv";
        f.ui.exportAnswers.push_back(csv);
        bool checked = false;
        test::whenModal<ui::DialogoTabla>([&](ui::DialogoTabla* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Datos Horarios Gráfica"));
            QCOMPARE(dialog->headerLine1()->text(), ui::toQt(f.session.view.headerLine1));
            QVERIFY(dialog->headerLine1()->isReadOnly());
            QCOMPARE(dialog->headerLine1()->alignment(), Qt::AlignCenter);
            ui::DataGrid* grid = dialog->grid();
            QCOMPARE(grid->model()->rowCount(), 24);
            QCOMPARE(grid->model()->headerData(1, Qt::Horizontal).toString(),
                     QStringLiteral("Temperatura ºC"));
            // The latest hour on top, shifted by the offset; slot 1 and 2 at the day's maximum.
            QCOMPARE(grid->model()->index(0, 0).data().toString(), QStringLiteral("13"));
            QCOMPARE(background(grid, 21, 1), QColor(255, 102, 102));
            QCOMPARE(background(grid, 22, 1), QColor(255, 102, 102));
            QCOMPARE(grid->model()->index(12, 2).data().toString(), QStringLiteral("-"));
            QCOMPARE(grid->model()->index(0, 3).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
                     Qt::Alignment(Qt::AlignCenter));
            const int dpi = qRound(QApplication::primaryScreen()->logicalDotsPerInch());
            QCOMPARE(grid->columnWidth(1), twipsToPixels(1450, dpi));
            QCOMPARE(dialog->exportButton()->toolTip(), QStringLiteral("Exportar"));
            QCOMPARE(dialog->printButton()->toolTip(), QStringLiteral("Imprimir"));
            QCOMPARE(dialog->exitButton()->toolTip(), QStringLiteral("Salir"));
            QVERIFY(!dialog->exportButton()->icon().isNull());
            shoot(dialog, "datos-horarios");

            // "Imprimir": the table's page, the dialog stays open.
            dialog->printButton()->click();
            QVERIFY(dialog->isVisible());

            // "Exportar": the choice opens on Excel and Individual; CSV is picked.
            test::whenModal<ui::DialogoXls>([](ui::DialogoXls* choice) {
                QVERIFY(choice->excelButton()->isChecked());
                QVERIFY(choice->individualButton()->isChecked());
                shoot(choice, "exportar-datos");
                choice->csvButton()->click();
                choice->accept();
            });
            dialog->exportButton()->click();
            QVERIFY(dialog->isVisible());
            checked = true;
            dialog->exitButton()->click();
        });
        f.trigger(cmd::kTable);
        QVERIFY2(checked, f.ui.messages.empty() ? "no message" : f.ui.messages[0].c_str());
        QVERIFY(!f.session.view.tablePrint);

        QCOMPARE(f.ui.printedPages.size(), std::size_t{1});
        QVERIFY(!f.ui.printedPages[0].portrait);
        QVERIFY(f.ui.printedPages[0].page.findText("Hora"));

        QCOMPARE(f.ui.exportRequests.size(), std::size_t{1});
        QVERIFY(!f.ui.exportRequests[0].excel);
        // The graph's title (the catalogue's name of the airport), the time and the date.
        const QString proposed = QString::fromStdString(f.ui.exportRequests[0].proposed);
        QVERIFY2(proposed.startsWith(QStringLiteral("Gráfica ")) &&
                     proposed.endsWith(QStringLiteral(" 13.30h 10-3-2024.csv")),
                 qPrintable(proposed));
        QCOMPARE(f.ui.messages, std::vector<std::string>{
                                    "Fichero delimitado CSV grabado con el nombre:\n" +
                                    csv.filename().string()});
        QVERIFY(test::readFile(csv).starts_with("Fecha,Hora,Temperatura"));
    }

    void soundingTableIsPrintedUpright() {
        test::UiFixture f;
        show(f, *test::textListSounding());
        bool checked = false;
        test::whenModal<ui::DialogoTablaSondeo>([&](ui::DialogoTablaSondeo* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Datos Detallados Sondeo"));
            QCOMPARE(dialog->title()->text(),
                     QStringLiteral("Sondeo de la estación A Coruña (España) a las 12 horas UTC "
                                    "del día 5 de Marzo de 2024"));
            ui::DataGrid* grid = dialog->grid();
            QCOMPARE(grid->model()->rowCount(), 6);
            QCOMPARE(grid->model()->index(0, 5).data().toString(), QStringLiteral("19")); // 10 kt
            QCOMPARE(background(grid, 4, 2), QColor(153, 255, 255)); // -0.4 °C
            QVERIFY(f.session.view.tablePortrait);
            shoot(dialog, "datos-detallados");
            dialog->printButton()->click();
            checked = true;
            dialog->reject();
        });
        f.trigger(cmd::kTable);
        QVERIFY(checked);
        QVERIFY(!f.session.view.tablePortrait);
        QCOMPARE(f.ui.printedPages.size(), std::size_t{1});
        QVERIFY(f.ui.printedPages[0].portrait);
        QVERIFY(f.ui.printedPages[0].page.findText("Altura(mts)"));
    }

    void selectedCellsAreCopiedAsTabSeparatedText() {
        auto s = test::airportDay10();
        ui::DialogoTabla dialog(hourlyTable(*s), {});
        dialog.show();
        ui::DataGrid* grid = dialog.grid();
        const QItemSelection range(grid->model()->index(0, 0), grid->model()->index(1, 2));
        grid->selectionModel()->select(range, QItemSelectionModel::ClearAndSelect);
        QApplication::clipboard()->clear();
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("13\t20\t9\n12\t19\t9\n"));
    }

    void soundingOfMoreLevelsThanTheOldGridShowsThemAll() {
        auto s = test::textListSounding();
        s->sounding.levels.assign(300, SoundingRow{900, 1000, 5, 1, 70, 180, 10});
        s->sounding.count = 300;
        ui::DialogoTablaSondeo dialog(soundingTable(*s), {});
        QCOMPARE(dialog.grid()->model()->rowCount(), 300);
    }

    void exportChoiceStartsOnExcelAndIndividual() {
        ui::DialogoXls dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Exportar datos"));
        QVERIFY(dialog.excelButton()->isChecked() && !dialog.csvButton()->isChecked());
        QVERIFY(dialog.individualButton()->isChecked() && !dialog.combinedButton()->isChecked());
        QCOMPARE(dialog.choice().excel, true);
        QCOMPARE(dialog.choice().combined, false);
        dialog.csvButton()->click();
        dialog.combinedButton()->click();
        QVERIFY(!dialog.excelButton()->isChecked());
        QCOMPARE(dialog.choice().excel, false);
        QCOMPARE(dialog.choice().combined, true);
    }

    void previewShowsOnePageTheWayItIsLaidOut() {
        test::UiFixture f;
        show(f, *test::airportDay10());
        const PrintJob job = printJob(f.session);
        int pages = 0;
        QPageLayout::Orientation orientation = QPageLayout::Portrait;
        test::whenModal<QPrintPreviewDialog>([&](QPrintPreviewDialog* preview) {
            auto* widget = preview->findChild<QPrintPreviewWidget*>();
            QVERIFY(widget);
            widget->updatePreview();
            pages = widget->pageCount();
            orientation = widget->orientation() == QPageLayout::Landscape ? QPageLayout::Landscape
                                                                          : QPageLayout::Portrait;
            preview->resize(1000, 750);
            shoot(preview, "vista-preliminar");
            preview->reject();
        });
        QCOMPARE(ui::previewWithDialog(&f.window, job), PrintOutcome::Cancelled);
        QCOMPARE(pages, 1);
        QCOMPARE(orientation, QPageLayout::Landscape);

        // The print dialog, cancelled, prints nothing.
        test::whenModal<QPrintDialog>([](QPrintDialog* dialog) { dialog->reject(); });
        QCOMPARE(ui::printWithDialog(&f.window, job), PrintOutcome::Cancelled);
    }

    void fileMenuExportsAndPrintsWhatIsShown() {
        test::UiFixture f;
        // Nothing on screen: the export says so and asks for no file.
        f.trigger(cmd::kExportCsvSingle);
        QCOMPARE(f.ui.messages, std::vector<std::string>{"Es necesario disponer de una gráfica o "
                                                         "un sondeo para exportar los datos"});
        QVERIFY(f.ui.exportRequests.empty());

        show(f, *test::airportDay10());
        f.ui.exportAnswers.push_back(std::nullopt); // the save dialog cancelled
        f.trigger(cmd::kExportExcelCombined);
        QCOMPARE(f.ui.exportRequests.size(), std::size_t{1});
        QVERIFY(f.ui.exportRequests[0].excel && f.ui.exportRequests[0].combined);
        QCOMPARE(f.ui.messages.size(), std::size_t{1});

        QVERIFY(f.window.action(cmd::kPrint)->isEnabled());
        f.trigger(cmd::kPrint);
        f.trigger(cmd::kPrintPreview);
        QCOMPARE(f.ui.printedPages.size(), std::size_t{1});
        QCOMPARE(f.ui.previewedPages.size(), std::size_t{1});
        // The graph itself, not its table, beside the statistics.
        QVERIFY(!f.ui.printedPages[0].page.findText("Hora"));
        QVERIFY(f.ui.printedPages[0].page.findText(text::cp1252("ESTADÍSTICAS:")));
    }
};

QTEST_MAIN(TablesTest)
#include "tables_test.moc"
