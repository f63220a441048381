// The subcommands of brisalta-cli. Each one lives in its own file and is listed
// in the table of main.cpp.
#pragma once

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

int runMetar(std::span<const std::string> args);
int runGrafica(std::span<const std::string> args);
int runAbrir(std::span<const std::string> args);
int runSondeo(std::span<const std::string> args);
int runPrevision(std::span<const std::string> args);
int runEma(std::span<const std::string> args);

} // namespace brisalta::cli
