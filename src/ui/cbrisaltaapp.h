// The application: reads the command line, prepares the settings folder, loads
// the preferences and the automatic-station list, chooses the transport (the
// real services, or recorded answers for the demo) and shows the main window.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include <QStringList>

namespace brisalta {
class CommandSet;
class Transport;
struct SessionState;
} // namespace brisalta

namespace brisalta::ui {

class CMainFrame;
class QtUi;

struct StartOptions {
    bool demo = false;                  // every download answered from the demo folder
    std::filesystem::path replayFolder; // every download answered from this folder
    std::filesystem::path dataFolder;   // overrides the installed data folder
    std::filesystem::path document;     // a ".brl" to open at start
    bool splash = true;                 // the download picture
    bool help = false;
};

// Parses the arguments after the program name. Nothing (and an error text)
// for a bad command line.
std::optional<StartOptions> parseCommandLine(const QStringList& arguments, QString& error);

// The usage text of "brisalta --help".
QString usageText();

// The data folder: the option, else $BRISALTA_DATOS, else the installed one,
// else the source tree's data/ (a program run from its build folder).
std::filesystem::path resolveDataFolder(const std::filesystem::path& option);

class CBrisaltaApp {
public:
    explicit CBrisaltaApp(const StartOptions& options);
    ~CBrisaltaApp();
    CBrisaltaApp(const CBrisaltaApp&) = delete;
    CBrisaltaApp& operator=(const CBrisaltaApp&) = delete;

    // Shows the window maximized and opens the document of the command line.
    void start();

    CMainFrame& window();
    SessionState& session();

private:
    struct Parts;
    std::unique_ptr<Parts> mParts;
    StartOptions mOptions;
};

} // namespace brisalta::ui
