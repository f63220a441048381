// brisalta-cli techo: "Techo por horas" — the 24-hour graph of an airport
// and the sounding of a station, each fetched as the desktop program fetches
// it, and the thermal ceiling of every hour of the graph on that sounding,
// drawn and written as JSON or as a table.
#include "cli/arguments.h"
#include "cli/ceilinghoursoutput.h"
#include "cli/cliui.h"
#include "cli/datasource.h"
#include "cli/output.h"
#include "cli/picturerun.h"
#include "cli/soundingoptions.h"
#include "cli/subcommands.h"

#include "adapters/systemclock.h"
#include "adapters/xdgplaces.h"
#include "app/ceilinghourscommands.h"
#include "app/commandcontext.h"
#include "app/graphcommands.h"
#include "app/soundingcommands.h"
#include "catalogues/soundingcatalogue.h"
#include "ceilinghours/ceilinghourspicture.h"
#include "render/renderfile.h"
#include "text/codepage.h"

#include <cctype>
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace brisalta::cli {
namespace {

constexpr const char* kHelpStart =
    "Uso: brisalta-cli techo --grafica-de ICAO --sondeo-de ESTACION FECHA HORA\n"
    "                        [OPCIONES]\n"
    "\n"
    "Techo por horas: descarga la gráfica de 24 horas de un aeropuerto y el sondeo\n"
    "de una estación, y simula el techo de las térmicas en cada hora de la gráfica\n"
    "que tiene temperatura y punto de rocío, con la simulación de «Simulación\n"
    "techo» sobre el diagrama completo (sin zoom), y también con 1 ºC menos y 1 ºC\n"
    "más. Se supone que la masa de aire del sondeo no cambia en todo el día.\n"
    "Escribe una tabla con cada hora (o el JSON de --json) y cada aviso que el\n"
    "programa habría mostrado, uno por línea tras «aviso:».\n"
    "\n"
    "  --grafica-de ICAO      aeropuerto de la gráfica, 4 letras (como «grafica»)\n"
    "  --sondeo-de ESTACION FECHA HORA\n"
    "                         estación de sondeo de 5 cifras, día AAAA-MM-DD y hora\n"
    "                         00 o 12 UTC (como «sondeo»)\n"
    "\n"
    "De dónde salen los datos (por omisión, de los servicios reales por Internet,\n"
    "con las direcciones de servicios.ini de la carpeta de ajustes):\n";

constexpr const char* kHelpEnd =
    "\n"
    "Qué se escribe:\n"
    "  -o FICHERO             el dibujo en FICHERO, .png, .svg o .pdf según la\n"
    "                         extensión (se puede repetir); el PDF es la página\n"
    "                         impresa, apaisada\n"
    "  --pantalla AxL@PPP     pantalla para la que se dibuja la imagen: ancho y alto\n"
    "                         en píxeles y píxeles por pulgada; por omisión\n"
    "                         1920x1080@96\n"
    "  --json                 una lista JSON en la salida estándar, un objeto por\n"
    "                         hora de la gráfica, de la más antigua a la última:\n"
    "                         hour (la hora del eje de la gráfica), temperature y\n"
    "                         dewPoint (ºC), thermalTop (m sobre el mar: la cima de\n"
    "                         la térmica azul o, si se forman cúmulos, su base; el\n"
    "                         primer nivel del sondeo si no hay térmica),\n"
    "                         cloudBase (m, solo con cúmulos), topWindSpeed (km/h)\n"
    "                         y topWindDirection (grados) en el techo, lowerBand y\n"
    "                         upperBand (el techo con 1 ºC menos y con 1 ºC más);\n"
    "                         null donde no hay valor. Los avisos van a la salida\n"
    "                         de errores\n"
    "  -h, --help             muestra esta ayuda\n"
    "\n"
    "Sale con 0 cuando se ha dibujado el techo por horas, con 1 cuando no se ha\n"
    "podido (falta la gráfica o el sondeo, o no se ha podido escribir un fichero)\n"
    "y con 2 si la orden no es válida.\n"
    "\n"
    "Ejemplos:\n"
    "  brisalta-cli techo --demo --grafica-de LEAL --sondeo-de 60018 2024-07-17 12\n"
    "  brisalta-cli techo --demo --grafica-de LEMD --sondeo-de 08430 2024-07-17 12 \\\n"
    "                     -o techo.png -o techo.pdf\n"
    "  brisalta-cli techo --grafica-de LEMD --sondeo-de 08221 2024-07-17 00 --json\n";

struct TechoRequest {
    std::string icao;
    std::string station;
    int year = 0;
    int month = 0;
    int day = 0;
    int hourIndex = 0; // 0 for 00Z, 1 for 12Z
    std::optional<int> offset;
    DataSource source;
    PictureOptions picture;
};

bool readIcao(const std::string& word, std::string& icao) {
    if (word.size() != 4) {
        return false;
    }
    icao.clear();
    for (const char c : word) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            return false;
        }
        icao += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return true;
}

bool digits(const std::string& text) {
    for (const char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return !text.empty();
}

// "AAAA-MM-DD", a day that exists, years 1900 to 2100.
bool readDate(const std::string& text, TechoRequest& r) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !digits(text.substr(0, 4)) ||
        !digits(text.substr(5, 2)) || !digits(text.substr(8, 2))) {
        return false;
    }
    r.year = std::stoi(text.substr(0, 4));
    r.month = std::stoi(text.substr(5, 2));
    r.day = std::stoi(text.substr(8, 2));
    const std::chrono::year_month_day date{std::chrono::year(r.year),
                                           std::chrono::month(static_cast<unsigned>(r.month)),
                                           std::chrono::day(static_cast<unsigned>(r.day))};
    return date.ok() && r.year >= 1900 && r.year <= 2100;
}

bool readRequest(const Arguments& args, TechoRequest& r, std::string& error) {
    if (!args.positional().empty()) {
        error = "sobra «" + args.positional()[0] +
                "»: el aeropuerto va tras --grafica-de y el sondeo tras --sondeo-de";
        return false;
    }
    if (!args.has("--grafica-de") || !args.has("--sondeo-de")) {
        error = "faltan --grafica-de ICAO y --sondeo-de ESTACION FECHA HORA";
        return false;
    }
    if (!readIcao(args.value("--grafica-de"), r.icao)) {
        error = "«" + args.value("--grafica-de") +
                "» no es un indicativo ICAO: un identificador ICAO válido se compone de 4 letras";
        return false;
    }
    const std::vector<std::string>& sounding = args.values("--sondeo-de");
    r.station = sounding[0];
    if (r.station.size() != 5 || !digits(r.station)) {
        error = "«" + r.station +
                "» no es un número de estación: un identificador de estación válido se compone "
                "de 5 números";
        return false;
    }
    if (!readDate(sounding[1], r)) {
        error =
            "«" + sounding[1] + "» no es una fecha válida: use AAAA-MM-DD, por ejemplo 2024-07-17";
        return false;
    }
    if (sounding[2] != "00" && sounding[2] != "12") {
        error = "«" + sounding[2] + "» no es una hora de sondeo: use 00 o 12";
        return false;
    }
    r.hourIndex = sounding[2] == "12" ? 1 : 0;
    return readTimeOffset(args, r.offset, error) && readDataSource(args, r.source, error) &&
           readPictureOptions(args, r.picture, error);
}

const SoundingStationEntry* catalogueEntry(const std::string& number) {
    for (const SoundingCountryMenu& country : soundingStationMenus()) {
        for (const SoundingStationEntry& entry : country.entries) {
            if (entry.number == number) {
                return &entry;
            }
        }
    }
    return nullptr;
}

bool writePictures(const TechoRequest& request, const SessionState& session) {
    if (request.picture.outputs.empty()) {
        return true;
    }
    const auto app = guiApplication();
    RenderOptions options;
    options.screen = request.picture.screen;
    options.drawScale = session.view.drawScale;
    options.title = session.view.pictures.ceilingHours.title;
    bool ok = true;
    for (const auto& output : request.picture.outputs) {
        const std::string failure =
            renderToFile(output, options, [&](DrawingCanvas& canvas, PageMode mode) {
                paintCeilingHours(canvas, session.view.pictures.ceilingHours,
                                  mode == PageMode::Print
                                      ? PageMapping::print()
                                      : PageMapping::screen(session.view.drawScale));
            });
        if (!failure.empty()) {
            writeLine(stderr, "brisalta-cli techo: " + text::toUtf8(failure));
            ok = false;
        }
    }
    return ok;
}

} // namespace

int runTecho(std::span<const std::string> args) {
    std::vector<OptionSpec> specs = {{"--grafica-de", 1}, {"--sondeo-de", 3}, {"--desfase", 1},
                                     {"-o", 1, true},     {"--pantalla", 1},  {"--json", 0},
                                     {"-h", 0},           {"--help", 0}};
    addDataSourceOptionSpecs(specs);
    const Arguments parsed(args, specs);
    if (const auto done = finishIfUsage("techo", parsed,
                                        {kHelpStart, kDataSourceHelp, kTimeOffsetHelp, kHelpEnd})) {
        return *done;
    }
    TechoRequest request;
    std::string error;
    if (!readRequest(parsed, request, error)) {
        writeLine(stderr, "brisalta-cli techo: " + error);
        return kExitUsage;
    }
    try {
        XdgPlaces places(XdgPlaces::resolveDataFolder());
        SystemClock clock;
        const ServiceTable services = loadServices(places, request.source);
        const std::unique_ptr<Transport> transport = makeTransport(request.source, places, error);
        if (!transport) {
            writeLine(stderr, "brisalta-cli techo: " + error);
            return kExitFailure;
        }
        SessionState session;
        loadPreferences(session, places, request.offset);
        session.selection.icao = request.icao;

        CliUi ui(nullptr);
        AnsweringUi answers(ui);
        std::tm picked{};
        picked.tm_year = request.year - 1900;
        picked.tm_mon = request.month - 1;
        picked.tm_mday = request.day;
        picked.tm_hour = 12; // the date picker's answer: the day at local noon
        picked.tm_isdst = -1;
        answers.dateAnswer = SoundingDateAnswer{clock.localTime(picked), request.hourIndex};

        CommandContext context{session, answers, *transport, places, clock, services};
        GraphCommands(context).showGraph();
        // The sky report the graph command shows belongs to the graph, not to
        // this command's notices.
        std::optional<std::size_t> skyReport;
        for (std::size_t i = ui.messages().size(); i-- > 0;) {
            if (ui.icons()[i] == MessageIcon::Information &&
                ui.messages()[i] == session.graph.skyReport) {
                skyReport = i;
                break;
            }
        }
        SoundingCommands sounding(context);
        if (const SoundingStationEntry* entry = catalogueEntry(request.station)) {
            sounding.pickStation(entry->command);
        } else {
            answers.stationNumber = request.station;
            sounding.manualSounding();
        }
        CeilingHoursCommands(context).show();

        const bool drawn =
            session.view.ceilingHoursShown && session.view.pictures.ceilingHours.drawable;
        const bool ok = !drawn || writePictures(request, session);
        std::FILE* notices = request.picture.json ? stderr : stdout;
        for (std::size_t i = 0; i < ui.messages().size(); ++i) {
            if (i != skyReport) {
                printNotice(notices, ui.messages()[i]);
            }
        }
        if (request.picture.json) {
            if (drawn) {
                writeLine(stdout, ceilingHoursJson(session.view.pictures.ceilingHours.ceilings));
            }
        } else if (drawn) {
            printCeilingHours(stdout, session.view.pictures.ceilingHours);
        }
        std::fflush(stdout);
        if (!drawn) {
            writeLine(stderr, "brisalta-cli techo: no se ha podido dibujar el techo por horas de " +
                                  request.icao + " con el sondeo " + request.station);
            return kExitFailure;
        }
        return ok ? kExitOk : kExitFailure;
    } catch (const std::system_error& e) {
        writeLine(stderr, std::string("brisalta-cli techo: ") + e.what());
        return kExitFailure;
    }
}

} // namespace brisalta::cli
