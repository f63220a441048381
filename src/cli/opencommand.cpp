// brisalta-cli abrir: opens a ".brl" document, a graph or a sounding, as the
// desktop program does, and writes its picture, its data or a copy of it.
#include "cli/arguments.h"
#include "cli/output.h"
#include "cli/picturerun.h"
#include "cli/subcommands.h"

#include "app/commandcontext.h"
#include "app/documentcommands.h"
#include "adapters/systemclock.h"
#include "adapters/xdgplaces.h"
#include "adapters/replaytransport.h"
#include "settings/meteoini.h"
#include "settings/services.h"

#include <cstdio>
#include <string>
#include <system_error>
#include <vector>

namespace brisalta::cli {
namespace {

namespace fs = std::filesystem;

constexpr const char* kHelpStart =
    "Uso: brisalta-cli abrir [OPCIONES] DOCUMENTO.brl\n"
    "\n"
    "Abre un documento de Brisalta (una gráfica de 24 horas o un sondeo) como lo\n"
    "abre el programa y escribe cada aviso que este habría mostrado, uno por línea\n"
    "tras «aviso:». De una gráfica escribe además sus dos líneas de cabecera; de un\n"
    "sondeo, la estación, la fecha y el número de niveles.\n"
    "\n"
    "Opciones:\n"
    "  -o FICHERO             la gráfica o el diagrama del sondeo en FICHERO, .png,\n"
    "                         .svg o .pdf según la extensión (se puede repetir); el\n"
    "                         PDF es la página impresa\n"
    "  --pantalla AxL@PPP     pantalla para la que se dibuja la imagen: ancho y alto\n"
    "                         en píxeles y píxeles por pulgada; por omisión\n"
    "                         1920x1080@96\n"
    "  --guardar F.brl        guarda de nuevo el documento abierto (una gráfica se\n"
    "                         guarda en la versión 30)\n"
    "  --json                 un objeto JSON en la salida estándar: de una gráfica,\n"
    "                         los mismos campos que «brisalta-cli grafica --json»;\n"
    "                         de un sondeo, count, levels (filas de siete números:\n"
    "                         presión, altura, temperatura, punto de rocío, humedad,\n"
    "                         dirección y velocidad del viento), soundingStationName,\n"
    "                         soundingHour, soundingDay, soundingMonth, soundingYear,\n"
    "                         isForecast, title, partialFirstRow, fromSecondService,\n"
    "                         forecastTitle, diagramTitle y la simulación (ceiling,\n"
    "                         como en «brisalta-cli sondeo --json»); y los avisos\n"
    "                         (messages), que van además a la salida de errores\n";

constexpr const char* kHelpEnd =
    "  -h, --help             muestra esta ayuda\n"
    "\n"
    "Sale con 0 cuando el documento se ha abierto y dibujado, con 1 cuando no (o no\n"
    "se ha podido escribir un fichero) y con 2 si las opciones no son válidas.\n"
    "\n"
    "Ejemplos:\n"
    "  brisalta-cli abrir madrid.brl -o madrid.png -o madrid.pdf\n"
    "  brisalta-cli abrir sondeo.brl --json\n";

} // namespace

int runAbrir(std::span<const std::string> args) {
    std::vector<OptionSpec> specs = {{"-h", 0}, {"--help", 0}};
    addPictureOptionSpecs(specs);
    const Arguments parsed(args, specs);
    if (const auto done = finishIfUsage("abrir", parsed, {kHelpStart, kDataOutHelp, kHelpEnd})) {
        return *done;
    }
    if (parsed.positional().size() != 1) {
        writeLine(stderr, parsed.positional().empty()
                              ? "brisalta-cli abrir: falta el documento que se abre"
                              : "brisalta-cli abrir: se abre un documento cada vez");
        return kExitUsage;
    }
    PictureOptions picture;
    std::string error;
    if (!readPictureOptions(parsed, picture, error)) {
        writeLine(stderr, "brisalta-cli abrir: " + error);
        return kExitUsage;
    }
    const fs::path document = parsed.positional().front();

    try {
        XdgPlaces places(XdgPlaces::resolveDataFolder());
        SystemClock clock;
        const ServiceTable services;
        // Opening a document downloads nothing: an empty replay folder stands
        // in for the network.
        ReplayTransport transport(places.tempFolder() / "sin-red");
        SessionState session;
        loadSettings(session, places.settingsFolder() / kSettingsFileName);

        PictureRun run("abrir", session, picture);
        CommandContext context{session, run.ui(), transport, places, clock, services};
        DocumentCommands(context).openPath(document);
        // The messages already say why nothing could be shown.
        return run.finish(Summary::Header, {});
    } catch (const std::system_error& e) {
        writeLine(stderr, std::string("brisalta-cli abrir: ") + e.what());
        return kExitFailure;
    }
}

} // namespace brisalta::cli
