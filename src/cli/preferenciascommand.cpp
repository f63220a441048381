// brisalta-cli preferencias: shows the settings of "meteo.ini" and changes
// them as the "Preferencias" dialog would: the same lists, the same checks,
// the same messages, and the same file.
#include "cli/arguments.h"
#include "cli/cliui.h"
#include "cli/output.h"
#include "cli/subcommands.h"

#include "adapters/systemclock.h"
#include "adapters/xdgplaces.h"
#include "app/commandcontext.h"
#include "app/preferencescommands.h"
#include "catalogues/airportcatalogue.h"
#include "catalogues/soundingcatalogue.h"
#include "settings/meteoini.h"
#include "settings/settingsfolder.h"
#include "text/codepage.h"

#include <QJsonObject>

#include <array>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

namespace brisalta::cli {
namespace {

namespace fs = std::filesystem;

constexpr const char* kHelp =
    "Uso: brisalta-cli preferencias [OPCIONES]\n"
    "\n"
    "Sin opciones escribe las preferencias que recuerda Brisalta (meteo.ini de la\n"
    "carpeta de ajustes): diferencia horaria, aeropuerto, país, estación de sondeo\n"
    "y clave API de AEMET OpenData, de la que solo se muestran los cuatro últimos\n"
    "caracteres. Con opciones las cambia y las guarda como «Archivo > Preferencias»\n"
    "con «Guardar»: con las mismas listas, comprobaciones y mensajes.\n"
    "\n"
    "  --pais PAÍS         uno de los 13 países de la lista (ESPAÑA, ARGENTINA,\n"
    "                      BOLIVIA, CHILE, COLOMBIA, CUBA, ECUADOR, MEXICO,\n"
    "                      PARAGUAY, PERU, REP. DOMINICANA, URUGUAY, VENEZUELA;\n"
    "                      da igual en mayúsculas o minúsculas y con o sin\n"
    "                      tildes). Como en el diálogo, un país cuya lista no\n"
    "                      tiene el aeropuerto actual pasa a su primer aeropuerto\n"
    "                      y a su primera estación de sondeo\n"
    "  --aeropuerto ICAO   el aeropuerto de la gráfica: 4 letras. Si está en la\n"
    "                      lista del país, también pasa a la estación de sondeo\n"
    "                      de su misma posición, como al elegirlo en el diálogo\n"
    "  --sondeo NÚMERO     la estación de sondeo (hasta 5 cifras); una de la lista\n"
    "                      del país guarda su nombre, otra se guarda como escrita\n"
    "  --desfase H         diferencia horaria: un número entero de -12 a 12\n"
    "  --clave-api CLAVE   la clave API de AEMET OpenData (\"\" la borra); nunca se\n"
    "                      escribe entera en la salida\n"
    "  --json              escribe un objeto JSON (timeOffsetHours, icao, country,\n"
    "                      soundingStationId, soundingStationName, apiKeySet)\n"
    "  -h, --help          muestra esta ayuda\n"
    "\n"
    "Las opciones se aplican en este orden: país, aeropuerto, sondeo. Un\n"
    "aeropuerto que no tiene 4 letras o una diferencia horaria fuera de -12..12 no\n"
    "cambia nada: se escribe el mensaje del diálogo y la orden sale con 1. Sale con\n"
    "1 también cuando no se puede escribir meteo.ini, y con 2 si la orden no es\n"
    "válida.\n"
    "\n"
    "Ejemplos:\n"
    "  brisalta-cli preferencias\n"
    "  brisalta-cli preferencias --pais argentina --desfase -3\n"
    "  brisalta-cli preferencias --aeropuerto LEMD --sondeo 08221 --json\n";

// What the command line asks to change (Windows-1252 values).
struct Changes {
    std::optional<int> country; // position in the country list
    std::optional<std::string> icao;
    std::optional<std::string> station;
    std::optional<int> offset;
    std::optional<std::string> apiKey;

    bool any() const { return country || icao || station || offset || apiKey; }
};

// A country name without accents and in capitals, for a forgiving match.
std::string foldedCountry(std::string name) {
    text::toUpper1252(name);
    for (char& c : name) {
        switch (static_cast<unsigned char>(c)) {
        case 0xC1: c = 'A'; break; // Á
        case 0xC9: c = 'E'; break; // É
        case 0xCD: c = 'I'; break; // Í
        case 0xD3: c = 'O'; break; // Ó
        case 0xDA: case 0xDC: c = 'U'; break; // Ú Ü
        case 0xD1: c = 'N'; break; // Ñ
        default: break;
        }
    }
    return name;
}

std::optional<int> countryPosition(const std::string& typed) {
    const std::vector<std::string>& names = airports::countryNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (foldedCountry(names[i]) == foldedCountry(typed)) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

bool isStationNumber(const std::string& text) {
    if (text.empty() || text.size() > 5) {
        return false;
    }
    for (const char c : text) {
        if (!(c >= '0' && c <= '9') && !(c >= 'A' && c <= 'Z') && !(c >= 'a' && c <= 'z')) {
            return false;
        }
    }
    return true;
}

// Reads the options into changes. A refused value gives the message the user
// is shown (UTF-8) and the command ends with kExitFailure.
std::optional<std::string> readChanges(const Arguments& args, Changes& changes) {
    if (args.has("--desfase")) {
        changes.offset = parseTimeOffset(args.value("--desfase"));
        if (!changes.offset) {
            return text::toUtf8(timeOffsetMessage());
        }
    }
    if (args.has("--aeropuerto")) {
        std::string code = text::cp1252(args.value("--aeropuerto"));
        text::toUpper1252(code);
        if (code.size() != 4) {
            return text::toUtf8(invalidIcaoMessage());
        }
        changes.icao = code;
    }
    if (args.has("--pais")) {
        changes.country = countryPosition(text::cp1252(args.value("--pais")));
        if (!changes.country) {
            std::string list;
            for (const std::string& name : airports::countryNames()) {
                list += (list.empty() ? "" : ", ") + text::toUtf8(name);
            }
            return "El país «" + args.value("--pais") + "» no está en la lista: " + list + ".";
        }
    }
    if (args.has("--sondeo")) {
        if (!isStationNumber(args.value("--sondeo"))) {
            return "El número de una estación de sondeo tiene hasta 5 cifras (08430, por ejemplo).";
        }
        changes.station = args.value("--sondeo");
    }
    if (args.has("--clave-api")) {
        changes.apiKey = text::cp1252(args.value("--clave-api"));
    }
    return std::nullopt;
}

// The dialog's lists driven as a user would: the country, then the airport,
// then the sounding station; then "Guardar" with the offset and the key.
PreferencesAnswer answerFor(const PreferencesFields& current, const Changes& changes) {
    StationSelection start;
    setListFields(start, current);
    PreferenceChoices choices(start);
    if (changes.country) {
        choices.chooseCountry(*changes.country);
    }
    if (changes.icao) {
        const auto at = choices.countryPosition() >= 0
                            ? airports::airportPositionOf(choices.countryPosition(), *changes.icao)
                            : std::nullopt;
        if (at) {
            choices.chooseAirport(*at);
        } else {
            choices.typeAirport(*changes.icao);
        }
    }
    if (changes.station) {
        const auto& stations = preferenceSoundingStations(choices.selection().country.view());
        int at = -1;
        for (std::size_t i = 0; i < stations.size(); ++i) {
            if (stations[i].number == *changes.station) {
                at = static_cast<int>(i);
                break;
            }
        }
        if (at >= 0) {
            choices.chooseSoundingStation(at);
        } else {
            choices.typeSoundingStation(*changes.station);
        }
    }
    PreferencesAnswer answer{preferenceFieldsOf(choices.selection()), true};
    answer.fields.timeOffsetHours = changes.offset.value_or(current.timeOffsetHours);
    answer.fields.apiKey = changes.apiKey.value_or(current.apiKey);
    return answer;
}

// The key as the user may see it: never whole.
std::string keyShown(const std::string& key) {
    if (key.empty()) {
        return "no hay ninguna";
    }
    if (key.size() < 8) {
        // A key this short would be half given away by its last four.
        return "sí (" + std::to_string(key.size()) + " caracteres)";
    }
    return "sí, acaba en «" + text::toUtf8(key.substr(key.size() - 4)) + "»";
}

void printSettings(const StationSelection& s, const fs::path& file, bool json) {
    if (json) {
        QJsonObject object;
        object[QStringLiteral("timeOffsetHours")] = s.timeOffsetHours;
        object[QStringLiteral("icao")] = toQString(s.icao.str());
        object[QStringLiteral("country")] = toQString(s.country.str());
        object[QStringLiteral("soundingStationId")] = toQString(s.soundingStationId);
        object[QStringLiteral("soundingStationName")] = toQString(s.soundingStationName);
        object[QStringLiteral("apiKeySet")] = !s.apiKey.empty();
        writeJson(stdout, object);
        return;
    }
    std::error_code ec;
    writeLine(stdout, "Preferencias de " + file.string() +
                          (fs::exists(file, ec) ? ":" : " (no existe: valores por omisión):"));
    writeLine(stdout, "  Diferencia horaria: " + std::to_string(s.timeOffsetHours) + " h");
    writeLine(stdout, "  Aeropuerto: " + text::toUtf8(s.icao.str()));
    writeLine(stdout, "  País: " + text::toUtf8(s.country.str()));
    std::string station = text::toUtf8(s.soundingStationId);
    if (!s.soundingStationName.empty() && s.soundingStationName != s.soundingStationId) {
        station += " (" + text::toUtf8(s.soundingStationName) + ")";
    }
    writeLine(stdout, "  Estación de sondeo: " + (station.empty() ? "ninguna" : station));
    writeLine(stdout, "  Clave API de AEMET OpenData: " + keyShown(s.apiKey));
}

// The preferences command never downloads anything.
class NoNetwork : public Transport {
public:
    TransferResult httpGet(const std::string&, const std::vector<std::string>&,
                           const ReadSink&) override {
        return refused();
    }
    TransferResult download(const std::string&, const std::string&) override { return refused(); }
    TransferResult ftpRetrieve(const std::string&, const std::string&, const std::string&,
                               const std::string&) override {
        return refused();
    }

private:
    static TransferResult refused() {
        TransferResult result;
        result.failure = TransferFailure::Other;
        return result;
    }
};

} // namespace

int runPreferencias(std::span<const std::string> args) {
    static const std::array<OptionSpec, 8> specs = {{{"--pais", 1},
                                                     {"--aeropuerto", 1},
                                                     {"--sondeo", 1},
                                                     {"--desfase", 1},
                                                     {"--clave-api", 1},
                                                     {"--json", 0},
                                                     {"-h", 0},
                                                     {"--help", 0}}};
    const Arguments parsed(args, specs);
    if (const auto done = finishIfUsage("preferencias", parsed, {kHelp})) {
        return *done;
    }
    if (!parsed.positional().empty()) {
        writeLine(stderr, "brisalta-cli preferencias: sobra «" + parsed.positional()[0] + "»");
        return kExitUsage;
    }
    Changes changes;
    if (const auto refused = readChanges(parsed, changes)) {
        writeLine(stderr, "brisalta-cli preferencias: " + *refused);
        return kExitFailure;
    }

    XdgPlaces places(XdgPlaces::resolveDataFolder());
    const fs::path file = places.settingsFolder() / kSettingsFileName;
    SessionState session;
    loadSettings(session, file);
    if (changes.any()) {
        // The first save makes the settings folder as the window's first start does.
        prepareSettingsFolder(places.settingsFolder(), places.dataFolder());
        CliUi ui(nullptr);
        ui.setPreferencesHandler(
            [&changes](const PreferencesFields& current) { return answerFor(current, changes); });
        NoNetwork network;
        SystemClock clock;
        const ServiceTable services;
        CommandContext context{session, ui, network, places, clock, services};
        const std::optional<PreferencesSaved> saved = PreferencesCommands(context).preferences();
        if (saved != PreferencesSaved::Saved) {
            for (const std::string& message : ui.messages()) {
                writeLine(stderr, "brisalta-cli preferencias: " + text::toUtf8(message));
            }
            return kExitFailure;
        }
    }
    printSettings(session.selection, file, parsed.has("--json"));
    return kExitOk;
}

} // namespace brisalta::cli
