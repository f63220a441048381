// brisalta: the desktop program.
#include "adapters/runtimefolder.h"
#include "ui/cbrisaltaapp.h"
#include "ui/spanish.h"
#include "ui/startmeasure.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace {

// A window needs a display; without one Qt would abort with a message in English.
bool displayAvailable() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char** argv) {
    const auto mainStarted = std::chrono::steady_clock::now();
    // The command line is read before Qt starts, so that "--help" works anywhere.
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    QString error;
    const auto options = brisalta::ui::parseCommandLine(arguments, error);
    if (!options) {
        std::fprintf(stderr, "brisalta: %s\nUse «brisalta --help».\n", error.toUtf8().constData());
        return 2;
    }
    if (options->help) {
        std::fputs(brisalta::ui::usageText().toUtf8().constData(), stdout);
        return 0;
    }
    if (!displayAvailable()) {
        std::fputs("brisalta: no hay pantalla en la que abrir la ventana (ni DISPLAY ni "
                   "WAYLAND_DISPLAY).\nSin ventana, «brisalta-cli» dibuja las gráficas y los "
                   "sondeos en ficheros.\n",
                   stderr);
        return 1;
    }

    // Under ssh or a bare X server there is no runtime folder, and Qt would warn.
    brisalta::ensureRuntimeFolder();
    QApplication application(argc, argv);
    brisalta::ui::installSpanishTranslations(application);
    QApplication::setApplicationName(QStringLiteral("Brisalta"));
    QApplication::setApplicationVersion(QStringLiteral("3.22"));
    QApplication::setDesktopFileName(QStringLiteral("brisalta"));

    try {
        brisalta::ui::CBrisaltaApp app(*options);
        const auto measure = brisalta::ui::StartMeasure::fromEnvironment(mainStarted);
        if (measure) {
            measure->watch(app.window());
        }
        app.start();
        return QApplication::exec();
    } catch (const std::exception& e) {
        // The private folder for downloads could not be made, for instance.
        std::fprintf(stderr, "brisalta: no se puede empezar: %s\n", e.what());
        return 1;
    }
}
