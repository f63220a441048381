// The data-source options of the commands that download.
#include "cli/datasource.h"

#include "adapters/curl/curltransport.h"
#include "adapters/replaytransport.h"
#include "cli/interrupt.h"
#include "net/transferlimits.h"
#include "text/boundedfile.h"
#include "settings/meteoini.h"

#include <cstdio>
#include <system_error>

namespace brisalta::cli {

namespace fs = std::filesystem;

const char* const kDataSourceHelp =
    "  --datos CARPETA        contesta cada descarga con las respuestas grabadas en\n"
    "                         CARPETA (véase «Respuestas grabadas» en el README)\n"
    "  --demo                 contesta con los datos de demostración instalados\n"
    "  --servicio CLAVE=VALOR cambia una dirección de servicios.ini para esta orden\n"
    "                         (se puede repetir); claves: noaa, aviacion,\n"
    "                         banyeres_servidor, banyeres_fichero, sondeos_lista,\n"
    "                         sondeos_segundo, aemet, awc, iem, wyoming\n";

const char* const kSourceChainHelp =
    "  --fuente actual|clasico  qué servicios se piden: actual (por omisión, o la\n"
    "                         fuente de servicios.ini) los de hoy, con los de\n"
    "                         siempre detrás; clasico solo los de siempre\n";

const char* const kTimeOffsetHelp =
    "  --desfase H            diferencia horaria en horas enteras, de -12 a 12, que\n"
    "                         se suma a la hora UTC; por omisión la de meteo.ini, o 1\n";

bool readTimeOffset(const Arguments& args, std::optional<int>& offset, std::string& error) {
    if (!args.has("--desfase")) {
        return true;
    }
    int value = 0;
    if (!parseInt(args.value("--desfase"), value) || value < -12 || value > 12) {
        error = "--desfase necesita un número entero de horas de -12 a 12";
        return false;
    }
    offset = value;
    return true;
}

void loadPreferences(SessionState& session, const Places& places, std::optional<int> offset) {
    loadSettings(session, places.settingsFolder() / kSettingsFileName);
    if (offset) {
        session.selection.timeOffsetHours = *offset;
    }
}

bool readableFile(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        return false;
    }
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f) {
        std::fclose(f);
    }
    return f != nullptr;
}

std::optional<TransferResult> givenFileTooLarge(const fs::path& path, const char* option,
                                                std::uint64_t limit) {
    std::uintmax_t size = 0;
    if (!text::regularFileSize(path, size) || size <= limit) {
        return std::nullopt;
    }
    TransferResult result;
    result.failure = TransferFailure::TooLarge;
    result.error = "El fichero «" + path.string() + "» (" + option + ") es demasiado grande (más de " +
                   limits::sizeText(limit) + "): no se ha leído.";
    return result;
}

void addDataSourceOptionSpecs(std::vector<OptionSpec>& specs) {
    specs.push_back({"--datos", 1});
    specs.push_back({"--demo", 0});
    specs.push_back({"--servicio", 1, true});
}

bool readDataSource(const Arguments& args, DataSource& source, std::string& error) {
    source.demo = args.has("--demo");
    if (args.has("--datos")) {
        source.replayFolder = args.value("--datos");
        std::error_code ec;
        if (!fs::is_directory(source.replayFolder, ec)) {
            error = "--datos: «" + source.replayFolder.string() + "» no es una carpeta";
            return false;
        }
        if (source.demo) {
            error = "--datos y --demo no se pueden combinar";
            return false;
        }
    }
    for (const std::string& setting : args.values("--servicio")) {
        const auto eq = setting.find('=');
        ServiceTable probe;
        if (eq == std::string::npos || !serviceField(probe, setting.substr(0, eq)) ||
            eq + 1 == setting.size()) {
            error = "--servicio necesita CLAVE=VALOR con una de las claves noaa, aviacion, "
                    "banyeres_servidor, banyeres_fichero, sondeos_lista, sondeos_segundo, "
                    "aemet, awc, iem o wyoming; no vale «" + setting + "»";
            return false;
        }
        if (!plausibleServiceValue(setting.substr(0, eq), setting.substr(eq + 1))) {
            error = "--servicio: «" + setting.substr(eq + 1) + "» no es un nombre de servidor " +
                    "válido para «" + setting.substr(0, eq) + "»";
            return false;
        }
        source.services.emplace_back(setting.substr(0, eq), setting.substr(eq + 1));
    }
    return true;
}

void addSourceChainOptionSpec(std::vector<OptionSpec>& specs) {
    specs.push_back({"--fuente", 1});
}

bool readSourceChain(const Arguments& args, std::optional<SourceChain>& chain, std::string& error) {
    if (!args.has("--fuente")) {
        return true;
    }
    chain = sourceChainOf(args.value("--fuente"));
    if (!chain) {
        error = "--fuente necesita actual o clasico; no vale «" + args.value("--fuente") + "»";
        return false;
    }
    return true;
}

ServiceTable loadServices(const Places& places, const DataSource& source) {
    ServiceTable services = loadServiceTable(places.settingsFolder() / "servicios.ini");
    for (const auto& [key, value] : source.services) {
        *serviceField(services, key) = value;
    }
    return services;
}

std::unique_ptr<Transport> makeTransport(const DataSource& source, const Places& places,
                                         std::string& error) {
    if (!source.replayFolder.empty()) {
        return std::make_unique<ReplayTransport>(source.replayFolder);
    }
    if (source.demo) {
        const fs::path demo = places.dataFolder() / "demo";
        std::error_code ec;
        if (!fs::is_directory(demo, ec)) {
            error = "no se encuentra la carpeta de los datos de demostración «" + demo.string() + "»";
            return nullptr;
        }
        return std::make_unique<ReplayTransport>(demo);
    }
    auto live = std::make_unique<CurlTransport>();
    // Ctrl+C stops a live transfer at once.
    live->setCancelFlag(&interruptFlag());
    return live;
}

} // namespace brisalta::cli
