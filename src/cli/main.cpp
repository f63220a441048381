// brisalta-cli: the program's work without a window, for batch use and checks.
#include "adapters/runtimefolder.h"
#include "cli/interrupt.h"
#include "cli/output.h"
#include "cli/subcommands.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using brisalta::cli::Subcommand;

constexpr std::array kSubcommands = {
    Subcommand{"metar", "descodifica partes METAR y escribe el informe en español",
               &brisalta::cli::runMetar},
    Subcommand{"grafica", "la gráfica de 24 horas de un aeropuerto (PNG, SVG, PDF, JSON)",
               &brisalta::cli::runGrafica},
    Subcommand{"abrir", "abre un documento .brl (gráfica o sondeo): imagen y datos",
               &brisalta::cli::runAbrir},
    Subcommand{"sondeo", "el sondeo de una estación en un día y hora; simula el techo",
               &brisalta::cli::runSondeo},
    Subcommand{"prevision", "un sondeo previsto guardado de la herramienta READY (NOAA)",
               &brisalta::cli::runPrevision},
    Subcommand{"ema", "la gráfica de 24 horas de una estación automática de AEMET",
               &brisalta::cli::runEma},
    Subcommand{"preferencias", "muestra o cambia las preferencias (meteo.ini)",
               &brisalta::cli::runPreferencias},
    Subcommand{"enlaces", "los enlaces web y las gráficas preferidas de los menús",
               &brisalta::cli::runEnlaces},
    Subcommand{"techo", "techo de las térmicas hora a hora: una gráfica y un sondeo",
               &brisalta::cli::runTecho},
};

void printHelp() {
    std::string text =
        "Uso: brisalta-cli ORDEN [OPCIONES] [ARGUMENTOS]\n"
        "\n"
        "Brisalta sin ventana: gráficas de 24 horas, sondeos y descodificación de\n"
        "partes METAR para usar en guiones y comprobaciones.\n"
        "\n"
        "Órdenes:\n";
    for (const Subcommand& sub : kSubcommands) {
        text += "  ";
        text += sub.name;
        text += std::string(std::max<std::size_t>(14 - std::string(sub.name).size(), 2), ' ');
        text += sub.summary;
        text += '\n';
    }
    text +=
        "\n"
        "Opciones generales:\n"
        "  -h, --help  muestra esta ayuda\n"
        "\n"
        "«brisalta-cli ORDEN --help» explica las opciones de cada orden.\n";
    std::fputs(text.c_str(), stdout);
}

} // namespace

int main(int argc, char** argv) {
    // Under cron or ssh there is no runtime folder, and Qt would warn on every run.
    brisalta::ensureRuntimeFolder();
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "-h" || args[0] == "--help" || args[0] == "ayuda") {
        printHelp();
        return brisalta::cli::finalExitCode(args.empty() ? brisalta::cli::kExitUsage
                                                         : brisalta::cli::kExitOk);
    }
    for (const Subcommand& sub : kSubcommands) {
        if (args[0] == sub.name) {
            brisalta::cli::stopOnInterrupt();
            const int code = sub.run(std::span<const std::string>(args).subspan(1));
            return brisalta::cli::finalExitCode(code);
        }
    }
    brisalta::cli::writeLine(stderr, "brisalta-cli: orden desconocida «" + args[0] +
                                         "». Use «brisalta-cli --help».");
    return brisalta::cli::kExitUsage;
}
