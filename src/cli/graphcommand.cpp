// brisalta-cli grafica: the 24-hour graph of an airport, downloaded from the
// services (or answered from recorded or saved documents), drawn as the
// desktop program draws it.
#include "cli/arguments.h"
#include "cli/datasource.h"
#include "cli/output.h"
#include "cli/picturerun.h"
#include "cli/savedtransport.h"
#include "cli/subcommands.h"

#include "app/commandcontext.h"
#include "app/graphcommands.h"
#include "adapters/systemclock.h"
#include "adapters/xdgplaces.h"
#include "settings/services.h"
#include "text/codepage.h"

#include <cctype>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace brisalta::cli {
namespace {

namespace fs = std::filesystem;

constexpr const char* kHelpStart =
    "Uso: brisalta-cli grafica [OPCIONES] [ICAO]\n"
    "\n"
    "Descarga las observaciones de las últimas 24 horas de un aeropuerto y su\n"
    "último parte METAR, dibuja la gráfica de 24 horas tal como la dibuja Brisalta\n"
    "y escribe el informe del cielo y cada aviso que el programa habría mostrado,\n"
    "uno por línea tras «aviso:». ICAO es el indicativo de 4 letras (BANY: la\n"
    "estación escolar de Banyeres de Mariola); sin él, el aeropuerto de meteo.ini\n"
    "(LEAL si no existe).\n"
    "\n"
    "De dónde salen los datos (por omisión, de los servicios reales por Internet,\n"
    "con las direcciones de servicios.ini de la carpeta de ajustes):\n"
    "  --datos CARPETA        contesta cada descarga con las respuestas grabadas en\n"
    "                         CARPETA (véase «Respuestas grabadas» en el README)\n"
    "  --demo                 contesta con los datos de demostración instalados\n"
    "  --pagina F             página de condiciones actuales (NOAA) guardada en F\n"
    "  --consulta F           página de consulta METAR guardada en F\n"
    "  --fichero-metar F      fichero METAR de la estación (NOAA) guardado en F\n"
    "  --banyeres F           tabla de datos de Banyeres guardada en F\n"
    "                         Con estas cuatro opciones (cadena clásica) solo se\n"
    "                         leen los ficheros dados; las demás descargas fallan\n"
    "                         como sin conexión.\n"
    "  --servicio CLAVE=VALOR cambia una dirección de servicios.ini para esta orden\n"
    "                         (se puede repetir); claves: noaa, aviacion,\n"
    "                         banyeres_servidor, banyeres_fichero, sondeos_lista,\n"
    "                         sondeos_segundo, aemet, awc, iem, wyoming\n"
    "  --fuente actual|clasico  actual (por omisión): los partes de las últimas 24\n"
    "                         horas de la API de aviationweather.gov y, si no da\n"
    "                         nada, del Iowa Environmental Mesonet; clasico: la\n"
    "                         página de NOAA, la página de consulta METAR y el\n"
    "                         fichero METAR de la estación\n"
    "  --desfase H            diferencia horaria en horas enteras, de -12 a 12, que\n"
    "                         se suma a la hora UTC; por omisión la de meteo.ini, o 1\n"
    "\n"
    "Qué se escribe:\n"
    "  -o FICHERO             la gráfica en FICHERO, .png, .svg o .pdf según la\n"
    "                         extensión (se puede repetir); el PDF es la página\n"
    "                         impresa\n"
    "  --pantalla AxL@PPP     pantalla para la que se dibuja la imagen: ancho y alto\n"
    "                         en píxeles y píxeles por pulgada; por omisión\n"
    "                         1920x1080@96\n"
    "  --guardar F.brl        guarda el documento de la gráfica dibujada\n"
    "  --json                 un objeto JSON en la salida estándar con la serie\n"
    "                         (day, month, year, lastTime, humidity, title, hour,\n"
    "                         temperature, dewPoint, pressure, windSpeed,\n"
    "                         windDirection, pressureIsStation, altitudeKnown,\n"
    "                         altitudeMetres, skyReport, hasTrend, hasGust,\n"
    "                         gustSpeed), los extremos del día (extremes), las\n"
    "                         líneas de cabecera (headerLine1, headerLine2,\n"
    "                         headerTitle), axisStartHour, de dónde salen los\n"
    "                         datos (source: name, address, reports; solo con\n"
    "                         --fuente actual) y los avisos (messages);\n"
    "                         los avisos van además a la salida de errores\n";

constexpr const char* kHelpEnd =
    "  -h, --help             muestra esta ayuda\n"
    "\n"
    "Sale con 0 cuando se ha dibujado la gráfica, con 1 cuando no se ha podido (o\n"
    "no se ha podido escribir un fichero) y con 2 si las opciones no son válidas.\n"
    "El valor 6666 marca en --json una hora sin dato.\n"
    "\n"
    "Ejemplos:\n"
    "  brisalta-cli grafica --demo LEMD -o lemd.png\n"
    "  brisalta-cli grafica --demo SAEZ --desfase -3 -o saez.svg --json\n"
    "  brisalta-cli grafica --demo LEMD --fuente clasico -o lemd-clasico.png\n"
    "  brisalta-cli grafica LEMD --pagina LEMD.html --consulta metar.html -o lemd.pdf\n"
    "  brisalta-cli grafica LEBL --servicio noaa=espejo.example --guardar lebl.brl\n";

struct GraphRequest {
    std::string icao; // empty: the airport of meteo.ini
    std::optional<SourceChain> chain; // --fuente
    std::optional<int> offset;
    DataSource source;
    SavedDocuments saved;
    bool anySaved = false;
    PictureOptions picture;
};

// 4 letters or digits, in capitals.
bool readIcao(const std::string& word, std::string& icao) {
    if (word.size() != 4) {
        return false;
    }
    icao.clear();
    for (char c : word) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            return false;
        }
        icao += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return true;
}

// Reads the command line into a request; an error text (UTF-8) when it is bad.
bool readRequest(const Arguments& args, GraphRequest& r, std::string& error) {
    if (args.positional().size() > 1) {
        error = "sobra «" + args.positional()[1] + "»: se dibuja un aeropuerto cada vez";
        return false;
    }
    if (!args.positional().empty() && !readIcao(args.positional()[0], r.icao)) {
        error = "«" + args.positional()[0] +
                "» no es un indicativo ICAO: un identificador ICAO "
                "válido se compone de 4 letras";
        return false;
    }
    if (!readTimeOffset(args, r.offset, error) || !readDataSource(args, r.source, error) ||
        !readSourceChain(args, r.chain, error)) {
        return false;
    }
    const struct {
        const char* option;
        fs::path SavedDocuments::*field;
    } savedOptions[] = {{"--pagina", &SavedDocuments::currentConditionsPage},
                        {"--consulta", &SavedDocuments::queryPage},
                        {"--fichero-metar", &SavedDocuments::stationFile},
                        {"--banyeres", &SavedDocuments::banyeresFile}};
    for (const auto& saved : savedOptions) {
        if (!args.has(saved.option)) {
            continue;
        }
        const fs::path file = args.value(saved.option);
        if (!readableFile(file)) {
            error =
                std::string(saved.option) + ": no se puede leer el fichero «" + file.string() + "»";
            return false;
        }
        r.saved.*saved.field = file;
        r.anySaved = true;
    }
    if (r.anySaved && r.chain == SourceChain::Actual) {
        error = "los ficheros guardados (--pagina, --consulta, --fichero-metar, --banyeres) son "
                "de la cadena clásica: no se combinan con --fuente actual";
        return false;
    }
    if (r.anySaved && (r.source.demo || !r.source.replayFolder.empty())) {
        error = "--demo, --datos y los ficheros guardados (--pagina, --consulta, "
                "--fichero-metar, --banyeres) no se pueden combinar";
        return false;
    }
    return readPictureOptions(args, r.picture, error);
}

} // namespace

int runGrafica(std::span<const std::string> args) {
    std::vector<OptionSpec> specs = {{"--pagina", 1},        {"--consulta", 1},
                                     {"--fichero-metar", 1}, {"--banyeres", 1},
                                     {"--desfase", 1},       {"-h", 0},
                                     {"--help", 0}};
    addDataSourceOptionSpecs(specs);
    addSourceChainOptionSpec(specs);
    addPictureOptionSpecs(specs);
    const Arguments parsed(args, specs);
    if (const auto done = finishIfUsage("grafica", parsed, {kHelpStart, kDataOutHelp, kHelpEnd})) {
        return *done;
    }
    GraphRequest request;
    std::string error;
    if (!readRequest(parsed, request, error)) {
        writeLine(stderr, "brisalta-cli grafica: " + error);
        return kExitUsage;
    }

    try {
        XdgPlaces places(XdgPlaces::resolveDataFolder());
        SystemClock clock;
        ServiceTable services = loadServices(places, request.source);
        if (request.chain) {
            services.metarChain = *request.chain;
        }
        // Saved pages are the classic chain's documents.
        if (request.anySaved) {
            services.metarChain = SourceChain::Classic;
        }
        SessionState session;
        loadPreferences(session, places, request.offset);
        if (!request.icao.empty()) {
            session.selection.icao = request.icao;
        }

        std::unique_ptr<Transport> transport;
        if (request.anySaved) {
            transport = std::make_unique<SavedTransport>(services, session.selection.icao.str(),
                                                         request.saved);
        } else {
            std::string failure;
            transport = makeTransport(request.source, places, failure);
            if (!transport) {
                writeLine(stderr, "brisalta-cli grafica: " + failure);
                return kExitFailure;
            }
        }

        PictureRun run("grafica", session, request.picture);
        CommandContext context{session, run.ui(), *transport, places, clock, services};
        GraphCommands(context).showGraph();
        return run.finish(Summary::SkyReport, "no se ha podido dibujar la gráfica de " +
                                                  text::toUtf8(session.selection.icao.str()));
    } catch (const std::system_error& e) {
        writeLine(stderr, std::string("brisalta-cli grafica: ") + e.what());
        return kExitFailure;
    }
}

} // namespace brisalta::cli
