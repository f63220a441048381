// Writes the pictures of the window that the README shows, from the demo
// answers, as a user would make them: the start view, the 24-hour graph of
// Alicante-Elche with its sky report, and Murcia's sounding with a simulated
// ceiling. Run under a
// virtual display of the size wanted, for instance
//   xvfb-run -s "-screen 0 1920x1080x24" build/default/tests/ui/window_pictures docs
// It writes ventana-inicio.png, ventana-grafica.png and ventana-sondeo.png
// into the folder given.
#include "modalhelper.h"

#include "app/commandids.h"
#include "session/sessionstate.h"
#include "ui/cbrisaltaapp.h"
#include "ui/cdialogosondeos.h"
#include "ui/cmainframe.h"
#include "ui/spanish.h"
#include "ui/techo.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace brisalta;

namespace {

// The whole screen, message boxes included.
void grabScreen(const QString& file) {
    QApplication::processEvents();
    QTest::qWait(300);
    QGuiApplication::primaryScreen()->grabWindow(0).save(file);
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ui::installSpanishTranslations(application);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    ui::StartOptions options;
    options.demo = true;
    options.splash = false;
    ui::CBrisaltaApp app(options);
    app.start();
    grabScreen(folder + QStringLiteral("/ventana-inicio.png"));

    // The graph, with the sky report in front of it.
    app.session().selection.icao = "LEAL";
    test::whenModal<QMessageBox>([&](QMessageBox* box) {
        grabScreen(folder + QStringLiteral("/ventana-grafica.png"));
        box->accept();
    });
    app.window().action(cmd::kShowGraph)->trigger();

    // Murcia on the 17th of July 2024 at 12 UTC, then a ceiling of 36/18.
    test::whenModal<ui::CDialogoSondeos>([](ui::CDialogoSondeos* dialog) {
        dialog->datePicker()->setDate(QDate(2024, 7, 17));
        dialog->hourCombo()->setCurrentIndex(1);
        dialog->findChild<QPushButton*>(QStringLiteral("verSondeo"))->click();
    });
    app.window().findChild<QAction*>(QStringLiteral("sondeo33051"))->trigger();
    test::whenModal<ui::Techo>([](ui::Techo* dialog) {
        dialog->temperatureEdit()->setText(QStringLiteral("36"));
        dialog->dewPointEdit()->setText(QStringLiteral("18"));
        dialog->accept();
    });
    app.window().action(cmd::kCeiling)->trigger();
    grabScreen(folder + QStringLiteral("/ventana-sondeo.png"));
    return 0;
}
