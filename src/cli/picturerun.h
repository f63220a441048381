// What the picture commands share once a command has put a picture in the
// session: the options -o, --pantalla, --json and --guardar, the pictures
// painted from the prepared models, the saved document, and the printing of
// the messages and the JSON.
#pragma once

#include "cli/arguments.h"
#include "cli/cliui.h"
#include "graph/graphrenderer.h"
#include "render/qtcanvas.h"
#include "render/renderfile.h"
#include "session/sessionstate.h"

#include <QGuiApplication>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisalta::cli {

struct PictureOptions {
    std::vector<std::filesystem::path> outputs; // -o, any number: .png, .svg or .pdf
    VirtualScreen screen;                       // --pantalla WxH@DPI
    bool json = false;                          // --json
    std::filesystem::path saveTo;               // --guardar, empty when not given
    bool table = false;                         // --tabla
    std::filesystem::path exportTo;             // --exportar: a .csv, a .xlsx or a folder
    bool combine = false;                       // --combinar
    std::filesystem::path printTo;              // --imprimir F.pdf
};

// Appends the specs of the shared options to a subcommand's own.
void addPictureOptionSpecs(std::vector<OptionSpec>& specs);

// Reads the shared options. False, with a Spanish error text (UTF-8), for a
// picture, export or printout name without a known extension, --combinar
// without --exportar, or a malformed screen. When the run will draw, the fonts
// start loading in the background (render/fontwarmup.h).
bool readPictureOptions(const Arguments& args, PictureOptions& options, std::string& error);

// Help lines of --tabla, --exportar, --combinar and --imprimir, shared by the
// subcommands that draw a picture (UTF-8, within 80 columns).
extern const char* const kDataOutHelp;

// "1920x1080@96": pixels across, pixels down, logical pixels per inch ("@96"
// may be left out). Nothing for anything else or for sizes no screen has.
std::optional<VirtualScreen> parseScreen(std::string_view text);

// The QGuiApplication the fonts need, on the offscreen platform when the user
// has chosen none (a batch run never opens a window). Nothing when one exists.
std::unique_ptr<QGuiApplication> guiApplication();

// What the text output ends with, besides the messages.
enum class Summary {
    SkyReport, // show graph: the sky report message is printed as it reads, not as a notice
    Header,    // an opened document: the graph's header lines or the sounding's station and date
};

class PictureRun {
public:
    // `command` names the subcommand in the tool's own error lines.
    PictureRun(std::string command, SessionState& session, const PictureOptions& options);

    // The Ui to hand to the commands: messages are kept, and redraw() paints
    // like the window's view.
    CliUi& ui() { return mUi; }

    // After the command: paints when nothing has yet, tells the user once when
    // the graph has no data, writes the pictures and the document, prints the
    // messages (text mode: standard output; --json: standard error, and the
    // JSON object on standard output). `noPicture` (UTF-8, may be empty) goes
    // to standard error when there is no picture. Returns the exit code.
    int finish(Summary summary, const std::string& noPicture);

private:
    bool graphDrawn() const;
    PageMapping mappingFor(PageMode mode) const;
    bool writePictures();
    bool writeGraphPicture(const std::filesystem::path& path);
    bool writeSoundingPicture(const std::filesystem::path& path);
    bool exportData();
    bool printPage();
    void printText(Summary summary, std::FILE* stream) const;
    std::optional<std::size_t> skyReportIndex() const;
    void error(const std::string& utf8Text) const;

    std::string mCommand;
    SessionState& mSession;
    const PictureOptions& mOptions;
    CliUi mUi{nullptr};
    CliUi mExportUi{nullptr}; // the export's messages, told on standard error
    bool mPrepared = false; // a command has prepared the pictures
};

} // namespace brisalta::cli
