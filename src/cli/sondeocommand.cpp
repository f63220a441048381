// brisalta-cli sondeo: the observed sounding of a station for a date and an
// hour, fetched from the service the desktop program would ask (or read from a
// saved page), drawn as the program draws it, with the ceiling simulation on
// request.

// Before any Qt header: Qt defines "emit" as a keyword, and the chunker has a
// member of that name.
#include "adapters/linechunker.h"

#include "cli/arguments.h"
#include "cli/datasource.h"
#include "cli/output.h"
#include "cli/picturerun.h"
#include "cli/soundingoptions.h"
#include "cli/subcommands.h"

#include "app/commandcontext.h"
#include "app/soundingcommands.h"
#include "adapters/systemclock.h"
#include "adapters/xdgplaces.h"
#include "catalogues/soundingcatalogue.h"
#include "net/transferlimits.h"
#include "settings/meteoini.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

namespace brisalta::cli {
namespace {

namespace fs = std::filesystem;

constexpr const char* kHelpStart =
    "Uso: brisalta-cli sondeo [OPCIONES] ESTACION FECHA HORA\n"
    "\n"
    "Descarga el sondeo de una estación para un día y una hora, lo dibuja tal como\n"
    "lo dibuja Brisalta y escribe cada aviso que el programa habría mostrado, uno\n"
    "por línea tras «aviso:», y una línea con la estación, la fecha y los niveles.\n"
    "\n"
    "  ESTACION  número de 5 cifras. Los del menú «Elegir sondeo» (08430 Murcia,\n"
    "            08579 Lisboa, 60018 Tenerife...) llevan su región y su nombre; otro\n"
    "            número se pide como «Sondeos > Manual». Con la fuente actual cada\n"
    "            estación se pide primero al nuevo servicio de la Universidad de\n"
    "            Wyoming (CSV) y, si no lo da, como en la clásica: A Coruña (08001),\n"
    "            Madrid (08221), Murcia (08430), Palma de Mallorca (08302), Santander\n"
    "            (08023) y Huelva (08383) al segundo servicio; las demás, al\n"
    "            servicio de listas de texto.\n"
    "  FECHA     AAAA-MM-DD, por ejemplo 2024-07-17\n"
    "  HORA      00 o 12 (UTC)\n"
    "\n"
    "De dónde sale el sondeo (por omisión, de los servicios reales por Internet,\n"
    "con las direcciones de servicios.ini de la carpeta de ajustes):\n"
    "  --archivo F            la página del sondeo guardada en F: la del servicio de\n"
    "                         listas de texto o la del segundo servicio, según la\n"
    "                         estación (cadena clásica)\n";

constexpr const char* kHelpOutputs =
    "  -o FICHERO             el diagrama en FICHERO, .png, .svg o .pdf según la\n"
    "                         extensión (se puede repetir); el PDF es la página\n"
    "                         impresa\n"
    "  --pantalla AxL@PPP     pantalla para la que se dibuja la imagen: ancho y alto\n"
    "                         en píxeles y píxeles por pulgada; por omisión\n"
    "                         1920x1080@96\n"
    "  --guardar F.brl        guarda el documento del sondeo dibujado\n"
    "  --json                 un objeto JSON en la salida estándar: count, levels\n"
    "                         (una fila de siete números por nivel: presión hPa,\n"
    "                         altura m, temperatura ºC, punto de rocío ºC, humedad\n"
    "                         %, dirección del viento en grados y su velocidad,\n"
    "                         en nudos del servicio de listas de texto o en km/h),\n"
    "                         soundingStationName, soundingDay, soundingMonth,\n"
    "                         soundingYear, soundingHour, partialFirstRow,\n"
    "                         isForecast, fromSecondService, forecastTitle,\n"
    "                         title, diagramTitle, de dónde sale (source: name,\n"
    "                         address, reports; solo con la fuente actual),\n"
    "                         la simulación\n"
    "                         (ceiling: thermalTopFound, thermalTopHeight,\n"
    "                         thermalTopText, cloudBaseFound, cloudBaseHeight,\n"
    "                         cloudBaseText, ceilingHeight, ceilingWindSpeed,\n"
    "                         ceilingWindDirection, ceilingWindDirectionName) y los\n"
    "                         avisos (messages); los avisos van además a la salida\n"
    "                         de errores\n";

constexpr const char* kHelpEnd =
    "  -h, --help             muestra esta ayuda\n"
    "\n"
    "Sale con 0 cuando se ha dibujado el sondeo, con 1 cuando no se ha podido (o no\n"
    "se ha podido escribir un fichero) y con 2 si la orden no es válida.\n"
    "\n"
    "Ejemplos:\n"
    "  brisalta-cli sondeo --demo 08430 2024-07-17 12 --techo 36 12 -o murcia.png\n"
    "  brisalta-cli sondeo --demo 08579 2024-07-17 12 --zoom --json\n"
    "  brisalta-cli sondeo --demo 08430 2024-07-17 12 --fuente clasico -o murcia.png\n"
    "  brisalta-cli sondeo 08221 2024-07-17 00 --archivo madrid.html -o madrid.pdf\n";

struct SoundingRequest {
    std::string station;
    int year = 0;
    int month = 0;
    int day = 0;
    int hourIndex = 0; // 0 for 00Z, 1 for 12Z
    fs::path savedPage;
    DataSource source;
    std::optional<SourceChain> chain; // --fuente
    SoundingOptions sounding;
    PictureOptions picture;
};

bool allDigits(const std::string& text, std::size_t from, std::size_t count) {
    for (std::size_t i = from; i < from + count; ++i) {
        if (i >= text.size() || !std::isdigit(static_cast<unsigned char>(text[i]))) {
            return false;
        }
    }
    return true;
}

bool leapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// "AAAA-MM-DD", a day that exists, years 1900 to 2100.
bool readDate(const std::string& text, SoundingRequest& r) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !allDigits(text, 0, 4) ||
        !allDigits(text, 5, 2) || !allDigits(text, 8, 2)) {
        return false;
    }
    r.year = std::stoi(text.substr(0, 4));
    r.month = std::stoi(text.substr(5, 2));
    r.day = std::stoi(text.substr(8, 2));
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (r.year < 1900 || r.year > 2100 || r.month < 1 || r.month > 12 || r.day < 1) {
        return false;
    }
    const int days = kDays[r.month - 1] + (r.month == 2 && leapYear(r.year) ? 1 : 0);
    return r.day <= days;
}

// A FIFO is never opened: it would wait for a writer.
bool readableFile(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    return in.good();
}

bool readRequest(const Arguments& args, SoundingRequest& r, std::string& error) {
    const std::vector<std::string>& words = args.positional();
    if (words.size() != 3) {
        error = words.size() < 3 ? "faltan argumentos: ESTACION FECHA HORA"
                                 : "sobra «" + words[3] + "»: se dibuja un sondeo cada vez";
        return false;
    }
    r.station = words[0];
    if (r.station.size() != 5 || !allDigits(r.station, 0, 5)) {
        error = "«" + r.station +
                "» no es un número de estación: un identificador de estación "
                "válido se compone de 5 números";
        return false;
    }
    if (!readDate(words[1], r)) {
        error = "«" + words[1] + "» no es una fecha válida: use AAAA-MM-DD, por ejemplo 2024-07-17";
        return false;
    }
    if (words[2] != "00" && words[2] != "12") {
        error = "«" + words[2] + "» no es una hora de sondeo: use 00 o 12";
        return false;
    }
    r.hourIndex = words[2] == "12" ? 1 : 0;
    if (args.has("--archivo")) {
        r.savedPage = args.value("--archivo");
        if (!readableFile(r.savedPage)) {
            error = "--archivo: no se puede leer el fichero «" + r.savedPage.string() + "»";
            return false;
        }
    }
    if (!readDataSource(args, r.source, error) || !readSourceChain(args, r.chain, error)) {
        return false;
    }
    if (!r.savedPage.empty() && r.chain == SourceChain::Actual) {
        error = "--archivo es una página de la cadena clásica: no se combina con --fuente actual";
        return false;
    }
    if (!r.savedPage.empty() && (r.source.demo || !r.source.replayFolder.empty())) {
        error = "--archivo no se puede combinar con --datos ni con --demo";
        return false;
    }
    return readSoundingOptions(args, r.sounding, error) &&
           readPictureOptions(args, r.picture, error);
}

// Answers the sounding request, whatever its address, with a saved page,
// handed over in the same reads as a live answer. The command asks nothing else.
class SavedPageTransport : public Transport {
public:
    explicit SavedPageTransport(fs::path page) : mPage(std::move(page)) {}

    TransferResult httpGet(const std::string&, const std::vector<std::string>&,
                           const ReadSink& sink) override {
        if (auto tooLarge = givenFileTooLarge(mPage, "--archivo", limits::kPageBytes)) {
            return *tooLarge;
        }
        std::ifstream in(mPage, std::ios::binary);
        if (!in) {
            return failed("No se puede leer el fichero " + mPage.string());
        }
        LineChunker chunker(sink);
        char piece[4096];
        while (!chunker.stopped() && in) {
            in.read(piece, sizeof piece);
            chunker.feed(std::string_view(piece, static_cast<std::size_t>(in.gcount())));
        }
        chunker.finish();
        TransferResult done;
        done.ok = true;
        done.status = 200;
        return done;
    }
    TransferResult download(const std::string& url, const std::string&) override {
        return failed("No se ha dado el documento de " + url);
    }
    TransferResult ftpRetrieve(const std::string& server, const std::string& directory,
                               const std::string& file, const std::string&) override {
        return failed("No se ha dado el documento ftp://" + server + directory + file);
    }

private:
    static TransferResult failed(const std::string& why) {
        TransferResult result;
        result.failure = TransferFailure::NotFound;
        result.error = why;
        return result;
    }

    fs::path mPage;
};

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

} // namespace

int runSondeo(std::span<const std::string> args) {
    std::vector<OptionSpec> specs = {{"--archivo", 1}, {"-h", 0}, {"--help", 0}};
    addDataSourceOptionSpecs(specs);
    addSourceChainOptionSpec(specs);
    addSoundingOptionSpecs(specs);
    addPictureOptionSpecs(specs);
    const Arguments parsed(args, specs);
    if (const auto done =
            finishIfUsage("sondeo", parsed,
                          {kHelpStart, kDataSourceHelp, kSourceChainHelp,
                           "\nCómo se dibuja y qué se escribe:\n", kSoundingOptionsHelp,
                           kHelpOutputs, kDataOutHelp, kHelpEnd})) {
        return *done;
    }
    SoundingRequest request;
    std::string error;
    if (!readRequest(parsed, request, error)) {
        writeLine(stderr, "brisalta-cli sondeo: " + error);
        return kExitUsage;
    }

    try {
        XdgPlaces places(XdgPlaces::resolveDataFolder());
        SystemClock clock;
        ServiceTable services = loadServices(places, request.source);
        if (request.chain) {
            services.soundingChain = *request.chain;
        }
        // A saved page is the classic chain's document.
        if (!request.savedPage.empty()) {
            services.soundingChain = SourceChain::Classic;
        }
        std::unique_ptr<Transport> transport;
        if (!request.savedPage.empty()) {
            transport = std::make_unique<SavedPageTransport>(request.savedPage);
        } else {
            transport = makeTransport(request.source, places, error);
            if (!transport) {
                writeLine(stderr, "brisalta-cli sondeo: " + error);
                return kExitFailure;
            }
        }
        SessionState session;
        loadSettings(session, places.settingsFolder() / kSettingsFileName);

        PictureRun run("sondeo", session, request.picture);
        AnsweringUi ui(run.ui());
        // The date picker's answer: the day at local noon, as the window gives it.
        std::tm picked{};
        picked.tm_year = request.year - 1900;
        picked.tm_mon = request.month - 1;
        picked.tm_mday = request.day;
        picked.tm_hour = 12;
        picked.tm_isdst = -1;
        ui.dateAnswer = SoundingDateAnswer{clock.localTime(picked), request.hourIndex};

        CommandContext context{session, ui, *transport, places, clock, services};
        SoundingCommands commands(context);
        if (const SoundingStationEntry* entry = catalogueEntry(request.station)) {
            commands.pickStation(entry->command);
        } else {
            ui.stationNumber = request.station;
            commands.manualSounding();
        }
        applySoundingOptions(context, ui, request.sounding);
        const int code =
            run.finish(Summary::Header, "no se ha podido dibujar el sondeo de la estación " +
                                            request.station + " del " + parsed.positional()[1] +
                                            " a las " + parsed.positional()[2] + "Z");
        if (!request.picture.json) {
            printCeilingResult(stdout, session, request.sounding);
        }
        return code;
    } catch (const std::system_error& e) {
        writeLine(stderr, std::string("brisalta-cli sondeo: ") + e.what());
        return kExitFailure;
    }
}

} // namespace brisalta::cli
