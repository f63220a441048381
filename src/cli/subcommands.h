// The subcommands of brisalta-cli. Each one lives in its own file and is listed
// in the table of main.cpp.
#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <string>

namespace brisalta::cli {

struct Subcommand {
    const char* name;
    const char* summary; // one line for the general help, UTF-8 Spanish
    int (*run)(std::span<const std::string> args);
};

// Exit codes shared by every subcommand.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1; // the work could not be done (no graph, no data)
inline constexpr int kExitUsage = 2;   // bad command line

class Arguments;

// What every subcommand does first with its parsed command line: a bad one is
// told on standard error ("brisalta-cli <name>: ...") and ends with kExitUsage,
// and -h/--help prints the help (its parts in order) and ends with kExitOk.
// Nothing when the command goes on.
std::optional<int> finishIfUsage(const char* name, const Arguments& parsed,
                                 std::initializer_list<const char*> helpParts);

int runMetar(std::span<const std::string> args);
int runGrafica(std::span<const std::string> args);
int runAbrir(std::span<const std::string> args);
int runSondeo(std::span<const std::string> args);
int runPrevision(std::span<const std::string> args);
int runEma(std::span<const std::string> args);
int runPreferencias(std::span<const std::string> args);
int runEnlaces(std::span<const std::string> args);
int runTecho(std::span<const std::string> args);

} // namespace brisalta::cli
