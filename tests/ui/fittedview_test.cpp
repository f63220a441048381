// The window as a desktop user expects it: the picture fits the window at
// any size without scroll bars, a read-out follows the pointer, the status bar
// tells what is on screen, where it came from and what a command does, and
// the dialogs say in their own words what they want.
#include "app/pictures.h"
#include "uifixture.h"

#include "app/commandids.h"
#include "graph/graphgeometry.h"
#include "modalhelper.h"
#include "render/renderfile.h"
#include "ui/altitud.h"
#include "ui/cbrisaltaview.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTest>

using namespace brisalta;

namespace {

void putGraphOnScreen(SessionState& s) {
    s.view.graphShown = true;
    s.view.graphAvailable = true;
    s.graph.title = "Madrid";
    for (int i = 0; i < kSlots; ++i) {
        s.graph.hour[i] = i;
        s.graph.temperature[i] = 10 + i;
        s.graph.dewPoint[i] = 2;
        s.graph.pressure[i] = 1013;
        s.graph.windSpeed[i] = 10;
        s.graph.windDirection[i] = "SW";
    }
}

// Where a design point of the picture lands in the view.
QPointF viewPointOf(const ui::CBrisaltaView& view, double x, double y, double drawScale) {
    const VirtualScreen s = view.screenMetrics();
    const GraphFactors f = screenFactors(s.width, s.height, s.dpi, drawScale);
    const double margin = RenderOptions{}.margin;
    const QPointF inPicture(margin + x * f.sx * f.d * f.s, margin + y * f.sy * f.d * f.s);
    return view.fitOrigin() + inPicture * view.fitScale();
}

} // namespace

class FittedViewTest : public QObject {
    Q_OBJECT

private slots:
    void pictureFitsTheWindowWithoutScrollBars() {
        test::UiFixture f;
        putGraphOnScreen(f.session);
        preparePictures(f.session);
        QVERIFY(f.window.findChild<QScrollArea*>() == nullptr);
        QCOMPARE(f.window.centralWidget(), static_cast<QWidget*>(f.window.view()));
        for (const QSize size : {QSize(1920, 1080), QSize(1280, 720), QSize(700, 450)}) {
            f.window.resize(size);
            QCoreApplication::processEvents();
            ui::CBrisaltaView* view = f.window.view();
            const QSize picture = view->pictureSize();
            const double scale = view->fitScale();
            QVERIFY(picture.width() * scale <= view->width() + 0.5);
            QVERIFY(picture.height() * scale <= view->height() + 0.5);
            // One side fills the view: the picture is as large as it can be.
            QVERIFY(picture.width() * scale >= view->width() - 1.0 ||
                    picture.height() * scale >= view->height() - 1.0);
        }
    }

    void readOutFollowsThePointer() {
        test::UiFixture f;
        putGraphOnScreen(f.session);
        preparePictures(f.session);
        f.window.redrawView();
        ui::CBrisaltaView* view = f.window.view();
        const double scale = f.session.view.drawScale;
        const QString noon = view->readoutAt(viewPointOf(*view, 105 + 10 * 12, 150, scale));
        QVERIFY2(noon.startsWith(QStringLiteral("13 h\nTemperatura: 22 ºC")), qPrintable(noon));
        QVERIFY(noon.contains(QStringLiteral("Viento: 10 km/h del SurOeste")));
        QVERIFY(view->readoutAt(viewPointOf(*view, 20, 20, scale)).isEmpty());
    }

    void statusBarTellsScreenSourceAndCommands() {
        test::UiFixture f;
        putGraphOnScreen(f.session);
        f.session.view.graphSource.name = "Aviation Weather Center";
        preparePictures(f.session);
        f.window.redrawView();
        f.window.showSourceStatus("Datos de Aviation Weather Center");
        QVERIFY(f.window.screenStatus()->text().startsWith(
            QStringLiteral("Gráfica de 24 horas de Madrid")));
        QVERIFY(f.window.screenStatus()->text().contains(QStringLiteral("hora local (UTC+1)")));
        QCOMPARE(f.window.sourceStatus()->text(),
                 QStringLiteral("Datos de Aviation Weather Center"));

        // A sounding whose source nobody told: no borrowed line.
        f.session.view.graphShown = false;
        f.session.view.soundingShown = true;
        f.session.sounding.diagramTitle = "Sondeo de Murcia";
        f.window.redrawView();
        QCOMPARE(f.window.sourceStatus()->text(), QString());
        QCOMPARE(f.window.screenStatus()->text(), QStringLiteral("Sondeo de Murcia."));

        // While the pointer is on a command, its status text.
        QAction* show = f.window.action(cmd::kShowGraph);
        show->showStatusText(&f.window);
        QCOMPARE(f.window.statusBar()->currentMessage(),
                 QStringLiteral("Muestra el gráfico de la estación seleccionada"));
    }

    void altitudeDialogAsksInsideItself() {
        ui::Altitud dialog;
        auto* question = dialog.findChild<QLabel*>(QStringLiteral("pregunta"));
        QVERIFY(question != nullptr);
        QVERIFY(question->text().startsWith(QStringLiteral("Altitud de la estación en metros")));
        QStringList buttons;
        for (QPushButton* b : dialog.findChildren<QPushButton*>()) {
            buttons << b->text();
        }
        buttons.sort();
        QCOMPARE(buttons, (QStringList{QStringLiteral("Aceptar"), QStringLiteral("Cancelar")}));
    }

    void forecastChooserSaysWhatFileItWants() {
        test::UiFixture f;
        QStringList filters;
        QString sentence;
        test::whenModal<QFileDialog>([&](QFileDialog* chooser) {
            filters = chooser->nameFilters();
            if (auto* label = chooser->findChild<QLabel*>(QStringLiteral("queFichero"))) {
                sentence = label->text();
            }
            chooser->reject();
        });
        QVERIFY(!f.ui.ui::QtUi::chooseForecastFile());
        QVERIFY2(!filters.isEmpty() && filters.first().contains(QStringLiteral("*.txt")),
                 qPrintable(filters.join(QLatin1Char('|'))));
        QCOMPARE(sentence, ui::forecastFileSentence());
        QVERIFY(sentence.contains(QStringLiteral("READY")));
    }
};

QTEST_MAIN(FittedViewTest)
#include "fittedview_test.moc"
