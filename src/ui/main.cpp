// brisalta: the desktop program.
#include "ui/cbrisaltaapp.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brisalta"));
    QApplication::setApplicationVersion(QStringLiteral("3.22"));
    QApplication::setDesktopFileName(QStringLiteral("brisalta"));

    QString error;
    const auto options = brisalta::ui::parseCommandLine(QApplication::arguments().mid(1), error);
    if (!options) {
        std::fprintf(stderr, "brisalta: %s\n", error.toUtf8().constData());
        return 2;
    }
    if (options->help) {
        std::fputs(brisalta::ui::usageText().toUtf8().constData(), stdout);
        return 0;
    }
    brisalta::ui::CBrisaltaApp app(*options);
    app.start();
    return QApplication::exec();
}
