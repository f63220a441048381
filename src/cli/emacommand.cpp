// brisalta-cli ema: the 24-hour graph of an AEMET automatic station, asked of
// AEMET OpenData with the user's key (or read from saved answers), drawn as
// the desktop program draws it.
#include "cli/arguments.h"
#include "cli/datasource.h"
#include "cli/output.h"
#include "cli/picturerun.h"
#include "cli/subcommands.h"

#include "app/commandcontext.h"
#include "app/emacommands.h"
#include "adapters/systemclock.h"
#include "adapters/xdgplaces.h"
#include "ema/opendataquery.h"
#include "net/transferlimits.h"
#include "text/codepage.h"

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
    "Uso: brisalta-cli ema [OPCIONES] IDEMA\n"
    "\n"
    "Pide a AEMET OpenData las observaciones de las últimas 24 horas de una\n"
    "estación automática (EMA), dibuja su gráfica de 24 horas tal como la dibuja\n"
    "Brisalta y escribe cada aviso que el programa habría mostrado, uno por línea\n"
    "tras «aviso:», y las dos líneas de cabecera de la gráfica.\n"
    "\n"
    "  IDEMA     identificativo de la estación en AEMET (8019, 3195, 6155A...). Se\n"
    "            envía entero y en mayúsculas, como el que se escribe con el botón\n"
    "            «Manual» del diálogo «Estaciones Automáticas (EMAs)»: no se le\n"
    "            quita el último carácter como a los ID de lista.ema. El título de\n"
    "            la gráfica es el nombre de la estación, sin la provincia.\n"
    "\n"
    "  --clave CLAVE          clave API de AEMET OpenData; por omisión la de\n"
    "                         meteo.ini de la carpeta de ajustes. La clave viaja en\n"
    "                         la dirección de la consulta y nunca se escribe en la\n"
    "                         salida\n"
    "  --desfase H            diferencia horaria en horas enteras, de -12 a 12, que\n"
    "                         se suma a la hora UTC; por omisión la de meteo.ini, o 1\n"
    "\n"
    "De dónde salen los datos (por omisión, de AEMET OpenData por Internet, con la\n"
    "dirección de servicios.ini de la carpeta de ajustes):\n"
    "  --indice F             la respuesta de la consulta guardada en F, en lugar\n"
    "                         de pedirla (la que dice \"exito\" y dónde están los\n"
    "                         datos)\n"
    "  --datos-ema F          la respuesta con los registros horarios guardada en F,\n"
    "                         en lugar de pedirla a la dirección de la consulta\n";

constexpr const char* kHelpOutputs =
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
    "                         altitudeMetres...), los extremos del día (extremes),\n"
    "                         las líneas de cabecera (headerLine1, headerLine2,\n"
    "                         headerTitle), axisStartHour y los avisos (messages);\n"
    "                         los avisos van además a la salida de errores\n";

constexpr const char* kHelpEnd =
    "  -h, --help             muestra esta ayuda\n"
    "\n"
    "Sale con 0 cuando se ha dibujado la gráfica, con 1 cuando no se ha podido (una\n"
    "clave caducada o no válida, una estación sin datos, un fichero que no se ha\n"
    "podido escribir) y con 2 si la orden no es válida. El valor 6666 marca en\n"
    "--json una hora sin dato.\n"
    "\n"
    "Ejemplos:\n"
    "  brisalta-cli ema 8019 --demo -o alicante.png\n"
    "  brisalta-cli ema 3195 --demo --desfase 2 --json\n"
    "  brisalta-cli ema 3195 --demo --clave caducada\n"
    "  brisalta-cli ema 6155A --indice indice.json --datos-ema datos.json -o m.svg\n";

struct EmaRequest {
    std::string identifier; // Windows-1252, used whole
    std::optional<std::string> key;
    std::optional<int> offset;
    fs::path savedIndex;
    fs::path savedData;
    DataSource source;
    PictureOptions picture;
};

bool readRequest(const Arguments& args, EmaRequest& r, std::string& error) {
    const std::vector<std::string>& words = args.positional();
    if (words.size() != 1 || words[0].empty()) {
        error = words.size() > 1 ? "sobra «" + words[1] + "»: se dibuja una estación cada vez"
                                 : "falta el identificativo de la estación (IDEMA)";
        return false;
    }
    // In capitals, as the dialog's "Manual" field turns them while typing.
    r.identifier = text::cp1252(words[0]);
    text::toUpper1252(r.identifier);
    if (args.has("--clave")) {
        r.key = text::cp1252(args.value("--clave"));
    }
    if (!readTimeOffset(args, r.offset, error)) {
        return false;
    }
    const struct {
        const char* option;
        fs::path EmaRequest::*field;
    } savedOptions[] = {{"--indice", &EmaRequest::savedIndex},
                        {"--datos-ema", &EmaRequest::savedData}};
    for (const auto& saved : savedOptions) {
        if (args.has(saved.option)) {
            r.*saved.field = args.value(saved.option);
            if (!readableFile(r.*saved.field)) {
                error = std::string(saved.option) + ": no se puede leer el fichero «" +
                        (r.*saved.field).string() + "»";
                return false;
            }
        }
    }
    return readDataSource(args, r.source, error) && readPictureOptions(args, r.picture, error);
}

// Answers the index request (the query address) and the data request (any
// other address) from saved files when they were given, and hands the rest to
// the transport of the data-source options.
class SavedAnswersTransport : public Transport {
public:
    SavedAnswersTransport(std::unique_ptr<Transport> inner, std::string queryUrl, fs::path index,
                          fs::path data)
        : mInner(std::move(inner)), mQueryUrl(std::move(queryUrl)), mIndex(std::move(index)),
          mData(std::move(data)) {}

    TransferResult httpGet(const std::string& url, const std::vector<std::string>& headers,
                           const ReadSink& sink) override {
        return mInner->httpGet(url, headers, sink);
    }
    TransferResult download(const std::string& url, const std::string& filePath) override {
        const bool index = url == mQueryUrl;
        const fs::path& saved = index ? mIndex : mData;
        if (saved.empty()) {
            return mInner->download(url, filePath);
        }
        if (auto tooLarge = givenFileTooLarge(saved, index ? "--indice" : "--datos-ema",
                                              limits::kOpenDataBytes)) {
            return *tooLarge;
        }
        TransferResult result;
        std::error_code ec;
        if (!fs::copy_file(saved, filePath, fs::copy_options::overwrite_existing, ec)) {
            result.failure = TransferFailure::Other;
            result.error = "No se puede copiar el fichero " + saved.string();
            return result;
        }
        result.ok = true;
        result.status = 200;
        return result;
    }
    TransferResult ftpRetrieve(const std::string& server, const std::string& directory,
                               const std::string& remoteFile,
                               const std::string& localPath) override {
        return mInner->ftpRetrieve(server, directory, remoteFile, localPath);
    }

private:
    std::unique_ptr<Transport> mInner;
    std::string mQueryUrl;
    fs::path mIndex;
    fs::path mData;
};

// The station dialog answered as "Manual" with the identifier of the command
// line; messages and repaints go to the run's own Ui.
class StationAnsweringUi : public Ui {
public:
    StationAnsweringUi(Ui& inner, std::string identifier)
        : mInner(inner), mIdentifier(std::move(identifier)) {}

    void showMessage(const std::string& text, MessageIcon icon,
                     const std::string& caption) override {
        mInner.showMessage(text, icon, caption);
    }
    void setBusy(bool busy) override { mInner.setBusy(busy); }
    void showDownloadPicture(int variant) override { mInner.showDownloadPicture(variant); }
    void redraw() override { mInner.redraw(); }
    void documentUsed(const std::filesystem::path& path) override { mInner.documentUsed(path); }

    std::optional<AutomaticStationAnswer>
    askAutomaticStation(const std::string&, const std::vector<std::string>&) override {
        return AutomaticStationAnswer{true, -1, mIdentifier};
    }

private:
    Ui& mInner;
    std::string mIdentifier;
};

} // namespace

int runEma(std::span<const std::string> args) {
    std::vector<OptionSpec> specs = {{"--clave", 1},     {"--desfase", 1}, {"--indice", 1},
                                     {"--datos-ema", 1}, {"-h", 0},        {"--help", 0}};
    addDataSourceOptionSpecs(specs);
    addPictureOptionSpecs(specs);
    const Arguments parsed(args, specs);
    if (const auto done = finishIfUsage("ema", parsed, {kHelpStart, kDataSourceHelp, kHelpOutputs, kDataOutHelp, kHelpEnd})) {
        return *done;
    }
    EmaRequest request;
    std::string error;
    if (!readRequest(parsed, request, error)) {
        writeLine(stderr, "brisalta-cli ema: " + error);
        return kExitUsage;
    }

    try {
        XdgPlaces places(XdgPlaces::resolveDataFolder());
        SystemClock clock;
        const ServiceTable services = loadServices(places, request.source);
        SessionState session;
        loadPreferences(session, places, request.offset);
        if (request.key) {
            session.selection.apiKey = *request.key;
        }
        std::unique_ptr<Transport> network = makeTransport(request.source, places, error);
        if (!network) {
            writeLine(stderr, "brisalta-cli ema: " + error);
            return kExitFailure;
        }
        SavedAnswersTransport transport(
            std::move(network),
            openDataQueryUrl(services, request.identifier, session.selection.apiKey),
            request.savedIndex, request.savedData);

        PictureRun run("ema", session, request.picture);
        StationAnsweringUi ui(run.ui(), request.identifier);
        CommandContext context{session, ui, transport, places, clock, services};
        EmaCommands(context).automaticStation();
        return run.finish(Summary::Header, "no se ha podido dibujar la gráfica de la estación " +
                                               text::toUtf8(request.identifier));
    } catch (const std::system_error& e) {
        writeLine(stderr, std::string("brisalta-cli ema: ") + e.what());
        return kExitFailure;
    }
}

} // namespace brisalta::cli
