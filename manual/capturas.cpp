// brisalta-capturas: takes the window screenshots of the README and the manual
// (docs/ventana-*.png) from the real program answered with the demo data. It
// plays the user: draws Alicante-Elche's graph, Murcia's sounding with the
// ceiling simulation, and opens "Preferencias", the two list editors and the
// about box, grabbing the screen while each is up. Run it under a display of
// 1920 × 1080 (scripts/capturas uses xvfb-run).
#include "app/commandids.h"
#include "catalogues/soundingcatalogue.h"
#include "session/sessionstate.h"
#include "ui/cbrisaltaapp.h"
#include "ui/cdialogosondeos.h"
#include "ui/cmainframe.h"
#include "ui/techo.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

using brisalta::ui::CMainFrame;

QString gOutput;
bool gFailed = false;

// Lets the window paint whatever changed.
void settle(int ms = 400) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
}

// The whole screen, or one widget (a dialog) alone.
void grabScreen(const QString& name, QWidget* widget = nullptr) {
    settle();
    const QPixmap shot =
        widget ? widget->grab() : QGuiApplication::primaryScreen()->grabWindow(0);
    const QString file = QDir(gOutput).filePath(name);
    if (shot.isNull() || !shot.save(file)) {
        std::fprintf(stderr, "brisalta-capturas: no se ha podido guardar %s\n", qPrintable(file));
        gFailed = true;
    } else {
        std::printf("%s\n", qPrintable(file));
    }
}

// Runs `act` on the next modal widget to appear (within five seconds).
void whenModal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            act(modal);
        } else if (clock->elapsed() > 5000) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            std::fputs("brisalta-capturas: no se ha abierto el diálogo esperado\n", stderr);
            gFailed = true;
        }
    });
    timer->start(20);
}

// Opens a dialog with a command, grabs it and closes it.
void captureDialog(CMainFrame& window, int command, const QString& name) {
    whenModal([name](QWidget* dialog) {
        grabScreen(name, dialog);
        if (auto* box = qobject_cast<QDialog*>(dialog)) {
            box->reject();
        }
    });
    window.action(command)->trigger();
}

int murciaCommand() {
    for (const auto& country : brisalta::soundingStationMenus()) {
        for (const auto& entry : country.entries) {
            if (entry.number == "08430") {
                return entry.command;
            }
        }
    }
    return 0;
}

void play(CMainFrame& window) {
    // The graph of the airport of the preferences (Alicante-Elche), with its
    // sky report on top.
    whenModal([](QWidget* report) {
        grabScreen(QStringLiteral("ventana-grafica.png"));
        qobject_cast<QDialog*>(report)->accept();
    });
    window.action(brisalta::cmd::kShowGraph)->trigger();

    // Murcia's sounding of 17 July 2024 at 12 UTC, then the simulation for a
    // day of 36 ºC with a dew point of 12 ºC.
    whenModal([](QWidget* dialog) {
        auto* date = qobject_cast<brisalta::ui::CDialogoSondeos*>(dialog);
        date->datePicker()->setDate(QDate(2024, 7, 17));
        date->hourCombo()->setCurrentIndex(1);
        date->accept();
    });
    if (QAction* murcia = window.findChild<QAction*>(QStringLiteral("sondeo%1").arg(murciaCommand()))) {
        murcia->trigger();
    }
    whenModal([](QWidget* dialog) {
        auto* ceiling = qobject_cast<brisalta::ui::Techo*>(dialog);
        ceiling->temperatureEdit()->setText(QStringLiteral("36"));
        ceiling->dewPointEdit()->setText(QStringLiteral("12"));
        ceiling->accept();
    });
    window.action(brisalta::cmd::kCeiling)->trigger();
    grabScreen(QStringLiteral("ventana-sondeo.png"));

    captureDialog(window, brisalta::cmd::kPreferences, QStringLiteral("ventana-preferencias.png"));
    captureDialog(window, brisalta::cmd::kLinksEditor, QStringLiteral("ventana-enlaces.png"));
    captureDialog(window, brisalta::cmd::kFavouritesEditor,
                  QStringLiteral("ventana-preferidas.png"));
    captureDialog(window, brisalta::cmd::kAbout, QStringLiteral("ventana-acerca.png"));
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 2) {
        std::fputs("Uso: brisalta-capturas CARPETA_DE_SALIDA\n", stderr);
        return 2;
    }
    gOutput = args[1];
    brisalta::ui::StartOptions options;
    options.demo = true;
    options.splash = false;
    brisalta::ui::CBrisaltaApp app(options);
    app.start();
    settle(800);
    play(app.window());
    return gFailed ? 1 : 0;
}
