// Where a command's downloads come from: the real services (with the
// addresses of "servicios.ini", changed by --servicio), the recorded answers
// of a folder (--datos) or the installed demo answers (--demo).
#pragma once

#include "ports/places.h"
#include "ports/transport.h"
#include "cli/arguments.h"
#include "session/sessionstate.h"
#include "settings/services.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace brisalta::cli {

struct DataSource {
    std::filesystem::path replayFolder; // --datos, empty when not given
    bool demo = false;                  // --demo
    std::vector<std::pair<std::string, std::string>> services; // --servicio CLAVE=VALOR
};

// Appends the specs of --datos, --demo and --servicio.
void addDataSourceOptionSpecs(std::vector<OptionSpec>& specs);

// Reads the options. False, with a Spanish error text (UTF-8), for a --datos
// that is not a folder, --datos with --demo, or a malformed --servicio.
bool readDataSource(const Arguments& args, DataSource& source, std::string& error);

// The service table of the settings folder with the --servicio changes.
ServiceTable loadServices(const Places& places, const DataSource& source);

// The transport the options ask for: replayed answers or the live services.
// Nothing, with an error text (UTF-8), when the demo folder is not installed.
std::unique_ptr<Transport> makeTransport(const DataSource& source, const Places& places,
                                         std::string& error);

// The help lines of the three options.
extern const char* const kDataSourceHelp;

// --fuente actual|clasico: which chain of services a graph or a sounding is
// asked of. Appends its spec; reads it (left empty when not given; false,
// with a Spanish error text in UTF-8, for another value).
void addSourceChainOptionSpec(std::vector<OptionSpec>& specs);
bool readSourceChain(const Arguments& args, std::optional<SourceChain>& chain, std::string& error);
extern const char* const kSourceChainHelp;

// --desfase H: the time offset in whole hours, -12..12, as the preferences
// accept it. Left empty when the option is not given. False, with a Spanish
// error text (UTF-8), for anything else.
bool readTimeOffset(const Arguments& args, std::optional<int>& offset, std::string& error);

// The user's preferences ("meteo.ini" of the settings folder), with the time
// offset of --desfase over the stored one when it was given.
void loadPreferences(SessionState& session, const Places& places, std::optional<int> offset);

// The help lines of --desfase.
extern const char* const kTimeOffsetHelp;

// True when the path is a regular file that can be opened for reading.
bool readableFile(const std::filesystem::path& path);

// A file given in place of a download (--pagina, --indice...) is held to the
// size limit of the answer it stands for. Nothing when it is within; else the
// failure a too-large answer gives, its sentence naming the file and option.
std::optional<TransferResult> givenFileTooLarge(const std::filesystem::path& path,
                                                const char* option, std::uint64_t limit);

} // namespace brisalta::cli
