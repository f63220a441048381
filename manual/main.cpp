// brisalta-manual: builds "Brisalta.pdf" from the manual's Markdown source at
// build time. Usage: brisalta-manual FUENTE.md SALIDA.pdf [CARPETA_DE_IMÁGENES...]
// (the source's own folder is always searched first).
#include "manualwriter.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    const QStringList args = QGuiApplication::arguments().mid(1);
    if (args.size() < 2) {
        std::fputs("Uso: brisalta-manual FUENTE.md SALIDA.pdf [CARPETA_DE_IMÁGENES...]\n", stderr);
        return 2;
    }
    QFile input(args[0]);
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "brisalta-manual: no se puede leer %s\n", qPrintable(args[0]));
        return 1;
    }
    brisalta::manual::ManualSource source;
    source.markdown = QString::fromUtf8(input.readAll());
    source.imageFolders << QFileInfo(args[0]).absolutePath() << args.mid(2);
    source.title = QStringLiteral("Manual de Brisalta 3.22");
    QString error;
    if (!brisalta::manual::writeManualPdf(source, args[1], error)) {
        std::fprintf(stderr, "brisalta-manual: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
