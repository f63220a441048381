// brisalta-cli prevision: a forecast sounding saved as text from the NOAA
// READY tool, read and drawn as "Sondeos > Previsión Sondeo" does.
#include "cli/arguments.h"
#include "cli/output.h"
#include "cli/picturerun.h"
#include "cli/soundingoptions.h"
#include "cli/subcommands.h"

#include "app/commandcontext.h"
#include "app/soundingcommands.h"
#include "adapters/systemclock.h"
#include "adapters/xdgplaces.h"
#include "adapters/replaytransport.h"
#include "settings/services.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

namespace brisalta::cli {
namespace {

namespace fs = std::filesystem;

constexpr const char* kHelpStart =
    "Uso: brisalta-cli prevision [OPCIONES] FICHERO\n"
    "\n"
    "Lee un sondeo previsto guardado como texto desde la herramienta READY del Air\n"
    "Resources Laboratory (NOAA), lo dibuja tal como lo dibuja Brisalta y escribe\n"
    "cada aviso que el programa habría mostrado (el de que los datos son una\n"
    "previsión entre ellos), uno por línea tras «aviso:», y una línea con el lugar,\n"
    "la fecha y los niveles. No se descarga nada.\n"
    "\n"
    "Cómo se dibuja y qué se escribe:\n";

constexpr const char* kHelpOutputs =
    "  -o FICHERO             el diagrama en FICHERO, .png, .svg o .pdf según la\n"
    "                         extensión (se puede repetir); el PDF es la página\n"
    "                         impresa\n"
    "  --pantalla AxL@PPP     pantalla para la que se dibuja la imagen; por omisión\n"
    "                         1920x1080@96\n"
    "  --guardar F.brl        guarda el documento del sondeo dibujado\n"
    "  --json                 un objeto JSON en la salida estándar con los mismos\n"
    "                         campos que «brisalta-cli sondeo --json» (velocidades\n"
    "                         en km/h)\n";

constexpr const char* kHelpEnd =
    "  -h, --help             muestra esta ayuda\n"
    "\n"
    "Sale con 0 cuando se ha dibujado el sondeo, con 1 cuando no se ha podido (o no\n"
    "se ha podido escribir un fichero) y con 2 si la orden no es válida.\n"
    "\n"
    "Ejemplo:\n"
    "  brisalta-cli prevision madrid.txt --techo 35 8 -o madrid.png\n";

// A FIFO is never opened: it would wait for a writer.
bool readableFile(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    return in.good();
}

} // namespace

int runPrevision(std::span<const std::string> args) {
    std::vector<OptionSpec> specs = {{"-h", 0}, {"--help", 0}};
    addSoundingOptionSpecs(specs);
    addPictureOptionSpecs(specs);
    const Arguments parsed(args, specs);
    if (const auto done =
            finishIfUsage("prevision", parsed, {kHelpStart, kSoundingOptionsHelp, kHelpOutputs, kDataOutHelp, kHelpEnd})) {
        return *done;
    }
    std::string error;
    SoundingOptions sounding;
    PictureOptions picture;
    const std::vector<std::string>& words = parsed.positional();
    if (words.size() != 1) {
        error = words.empty() ? "falta el FICHERO del sondeo previsto"
                              : "sobra «" + words[1] + "»: se lee un sondeo cada vez";
    } else if (!readableFile(words[0])) {
        error = "no se puede leer el fichero «" + words[0] + "»";
    }
    if (!error.empty() || !readSoundingOptions(parsed, sounding, error) ||
        !readPictureOptions(parsed, picture, error)) {
        writeLine(stderr, "brisalta-cli prevision: " + error);
        return kExitUsage;
    }

    try {
        XdgPlaces places(XdgPlaces::resolveDataFolder());
        SystemClock clock;
        const ServiceTable services;
        // Nothing is downloaded: a replay folder with no answers stands in.
        ReplayTransport transport(places.tempFolder() / "sin-descargas");
        SessionState session;

        PictureRun run("prevision", session, picture);
        AnsweringUi ui(run.ui());
        ui.forecastFile = fs::path(words[0]);
        CommandContext context{session, ui, transport, places, clock, services};
        SoundingCommands(context).forecastSounding();
        applySoundingOptions(context, ui, sounding);
        const int code = run.finish(
            Summary::Header, "no se ha podido dibujar el sondeo previsto de «" + words[0] + "»");
        if (!picture.json) {
            printCeilingResult(stdout, session, sounding);
        }
        return code;
    } catch (const std::system_error& e) {
        writeLine(stderr, std::string("brisalta-cli prevision: ") + e.what());
        return kExitFailure;
    }
}

} // namespace brisalta::cli
