// The shared end of "grafica" and "abrir".
#include "cli/picturerun.h"

#include "cli/output.h"
#include "cli/sessionjson.h"
#include "cli/subcommands.h"
#include "app/documentcommands.h"
#include "app/exportcommands.h"
#include "app/pictures.h"
#include "graph/graphrenderer.h"
#include "render/fontwarmup.h"
#include "render/pagepainter.h"
#include "render/renderfile.h"
#include "diagram/soundingdiagram.h"
#include "printing/printedpage.h"
#include "tables/datatable.h"
#include "tables/hourlytable.h"
#include "tables/soundingtable.h"
#include "text/codepage.h"
#include "text/format.h"

#include <QGuiApplication>
#include <QJsonObject>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <memory>

namespace brisalta::cli {
namespace {

// Screens the layouts make sense on; a picture side is capped by the writer.
constexpr int kMinScreenSide = 100;
constexpr int kMaxScreenSide = 16384;
constexpr int kMinDpi = 24;
constexpr int kMaxDpi = 1200;

bool readNumber(std::string_view text, int& value) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(first, last, value);
    return first != last && ec == std::errc() && end == last;
}

std::string withoutLeadingBlank(const std::string& line) {
    return !line.empty() && line.front() == ' ' ? line.substr(1) : line;
}

std::string lowerExtension(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

bool isFolder(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

// An export to a folder is a CSV file under the program's default name.
ExportFormat exportFormatOf(const std::filesystem::path& path) {
    return lowerExtension(path) == ".xlsx" && !isFolder(path) ? ExportFormat::Excel
                                                              : ExportFormat::Csv;
}

} // namespace

const char* const kDataOutHelp =
    "  --tabla                escribe la tabla de «Datos horarios» (de un sondeo,\n"
    "                         «Datos detallados») como la muestra el programa: los\n"
    "                         textos de encima, los títulos de las columnas y una\n"
    "                         línea por fila con las celdas separadas por\n"
    "                         tabuladores; con --json, el objeto gana «table»:\n"
    "                         title, headerLine1, headerLine2, columns, rows (los\n"
    "                         textos de las celdas) y highlights (row y column\n"
    "                         contadas desde 0 sobre las celdas de datos, colour\n"
    "                         «#RRGGBB»)\n"
    "  --exportar F           exporta los datos a F como «Exportar datos»: un\n"
    "                         fichero delimitado .csv o un libro de Excel .xlsx;\n"
    "                         si F es una carpeta existente, un .csv dentro con\n"
    "                         el nombre que propone el programa. El mensaje va a\n"
    "                         la salida de errores (con --json, a messages)\n"
    "  --combinar             con --exportar, añade los datos al final de F, que\n"
    "                         ya debe existir, como «Combinado»\n"
    "  --imprimir F.pdf       la página que imprime «Imprimir...» en un PDF (A4\n"
    "                         apaisado); con --tabla, la página de la tabla (la de\n"
    "                         un sondeo, en vertical)\n";

PageMapping PictureRun::mappingFor(PageMode mode) const {
    return mode == PageMode::Print ? PageMapping::print() : PageMapping::screen(mSession.view.drawScale);
}

void addPictureOptionSpecs(std::vector<OptionSpec>& specs) {
    specs.push_back({"-o", 1, true});
    specs.push_back({"--pantalla", 1});
    specs.push_back({"--json", 0});
    specs.push_back({"--guardar", 1});
    specs.push_back({"--tabla", 0});
    specs.push_back({"--exportar", 1});
    specs.push_back({"--combinar", 0});
    specs.push_back({"--imprimir", 1});
}

std::unique_ptr<QGuiApplication> guiApplication() {
    if (QGuiApplication::instance()) {
        return nullptr;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "brisalta-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

std::optional<VirtualScreen> parseScreen(std::string_view text) {
    const auto x = text.find('x');
    if (x == std::string_view::npos) {
        return std::nullopt;
    }
    const auto at = text.find('@', x);
    VirtualScreen screen;
    if (!readNumber(text.substr(0, x), screen.width) ||
        !readNumber(
            text.substr(x + 1, at == std::string_view::npos ? std::string_view::npos : at - x - 1),
            screen.height) ||
        (at != std::string_view::npos && !readNumber(text.substr(at + 1), screen.dpi))) {
        return std::nullopt;
    }
    const auto inRange = [](int v, int low, int high) { return v >= low && v <= high; };
    if (!inRange(screen.width, kMinScreenSide, kMaxScreenSide) ||
        !inRange(screen.height, kMinScreenSide, kMaxScreenSide) ||
        !inRange(screen.dpi, kMinDpi, kMaxDpi)) {
        return std::nullopt;
    }
    return screen;
}

bool readPictureOptions(const Arguments& args, PictureOptions& options, std::string& error) {
    for (const std::string& output : args.values("-o")) {
        if (!fileKindOf(output)) {
            error =
                "no se reconoce el formato de «" + output + "»: use la extensión .png, .svg o .pdf";
            return false;
        }
        options.outputs.emplace_back(output);
    }
    if (args.has("--pantalla")) {
        const auto screen = parseScreen(args.value("--pantalla"));
        if (!screen) {
            error = "--pantalla necesita ANCHOxALTO@PPP, por ejemplo 1920x1080@96 (lados de " +
                    std::to_string(kMinScreenSide) + " a " + std::to_string(kMaxScreenSide) +
                    " píxeles, de " + std::to_string(kMinDpi) + " a " + std::to_string(kMaxDpi) +
                    " ppp)";
            return false;
        }
        options.screen = *screen;
    }
    options.json = args.has("--json");
    if (args.has("--guardar")) {
        options.saveTo = args.value("--guardar");
        if (options.saveTo.empty()) {
            error = "--guardar necesita el nombre del documento";
            return false;
        }
    }
    options.table = args.has("--tabla");
    if (args.has("--exportar")) {
        options.exportTo = args.value("--exportar");
        const std::string extension = lowerExtension(options.exportTo);
        if (!isFolder(options.exportTo) && extension != ".csv" && extension != ".xlsx") {
            error = "no se reconoce el formato de «" + options.exportTo.string() +
                    "»: use la extensión .csv o .xlsx, o una carpeta";
            return false;
        }
    }
    options.combine = args.has("--combinar");
    if (options.combine && options.exportTo.empty()) {
        error = "--combinar añade los datos al fichero de --exportar, que falta";
        return false;
    }
    if (args.has("--imprimir")) {
        options.printTo = args.value("--imprimir");
        if (lowerExtension(options.printTo) != ".pdf") {
            error = "--imprimir escribe la página en un PDF: use la extensión .pdf";
            return false;
        }
    }
    // A run that will draw starts loading the fonts now, while it reads its data.
    if (!options.outputs.empty() || !options.printTo.empty()) {
        startFontWarmUp();
    }
    return true;
}

PictureRun::PictureRun(std::string command, SessionState& session, const PictureOptions& options)
    : mCommand(std::move(command)), mSession(session), mOptions(options) {
    // The commands prepare the pictures before they ask for a repaint; a batch
    // run has nothing to repaint, it only notes that the pictures are ready.
    mUi.setRedrawHandler([this] { mPrepared = true; });
}

bool PictureRun::graphDrawn() const {
    return (mSession.view.graphShown || mSession.view.emaGraphShown) && mSession.view.pictures.graph.drawable;
}

int PictureRun::finish(Summary summary, const std::string& noPicture) {
    if (!mPrepared) {
        preparePictures(mSession);
        mPrepared = true;
    }
    const bool graphOnScreen = mSession.view.graphShown || mSession.view.emaGraphShown;
    // The command may already have said it; the user hears it once.
    if (graphOnScreen && !mSession.view.pictures.graph.drawable) {
        const std::string noData = noGraphDataMessage();
        const auto& shown = mUi.messages();
        if (std::find(shown.begin(), shown.end(), noData) == shown.end()) {
            mUi.showMessage(noData, MessageIcon::None, {});
        }
    }
    const bool graph = graphDrawn();
    const bool sounding = !graphOnScreen && mSession.view.soundingShown;

    // The pictures and the printed page need the fonts of a QGuiApplication.
    std::unique_ptr<QGuiApplication> app;
    if ((graph || sounding) && (!mOptions.outputs.empty() || !mOptions.printTo.empty())) {
        app = guiApplication();
    }
    bool ok = true;
    if (graph || sounding) {
        ok = writePictures();
    }
    if (!mOptions.saveTo.empty() && (graph || sounding) &&
        !saveDocumentWithMessage(mSession, mUi, mOptions.saveTo)) {
        ok = false;
    }
    if (!mOptions.exportTo.empty() && (graph || sounding)) {
        ok = exportData() && ok;
    }
    if (!mOptions.printTo.empty() && (graph || sounding)) {
        ok = printPage() && ok;
    }
    std::optional<DataTable> table;
    if (mOptions.table && (graph || sounding)) {
        table = graph ? hourlyTable(mSession) : soundingTable(mSession);
    }

    if (mOptions.json) {
        const auto report = summary == Summary::SkyReport ? skyReportIndex() : std::nullopt;
        std::vector<std::string> messages = mUi.messages();
        for (std::size_t i = 0; i < messages.size(); ++i) {
            if (i != report) {
                printNotice(stderr, messages[i]);
            }
        }
        for (const std::string& message : mExportUi.messages()) {
            printNotice(stderr, message);
            messages.push_back(message);
        }
        QJsonObject object = graph      ? graphJson(mSession)
                             : sounding ? soundingJson(mSession)
                                        : QJsonObject();
        if (table) {
            object.insert("table", tableJson(*table));
        }
        object.insert("messages", textArray(messages));
        writeJson(stdout, object);
    } else {
        printText(summary, stdout);
        if (table) {
            writeText(stdout, tableAsText(*table));
        }
        for (const std::string& message : mExportUi.messages()) {
            printNotice(stderr, message);
        }
    }
    std::fflush(stdout);

    if (!graph && !sounding) {
        if (!noPicture.empty()) {
            error(noPicture);
        }
        return kExitFailure;
    }
    return ok ? kExitOk : kExitFailure;
}

bool PictureRun::exportData() {
    const ExportFormat format = exportFormatOf(mOptions.exportTo);
    const std::filesystem::path path = isFolder(mOptions.exportTo)
                                           ? defaultExportPath(mSession, mOptions.exportTo, format)
                                           : mOptions.exportTo;
    // The export's own messages say what was written or why not.
    return exportWithMessage(mSession, mExportUi, format,
                             mOptions.combine ? ExportMode::Combined : ExportMode::Individual,
                             path);
}

bool PictureRun::printPage() {
    // The table variant is the page printed while the table dialog is open.
    bool& tableFlag = mSession.view.graphShown || mSession.view.emaGraphShown
                          ? mSession.view.tablePrint
                          : mSession.view.tablePortrait;
    tableFlag = mOptions.table;
    const bool portrait = printOrientation(mSession) == PageOrientation::Portrait;
    const std::string failure =
        writePagePdf(mOptions.printTo, portrait, printTitle(mSession),
                     [this](DrawingCanvas& canvas, int pageWidth) {
                         paintPrintedPage(canvas, mSession, pageWidth);
                     });
    tableFlag = false;
    if (!failure.empty()) {
        error(text::toUtf8(failure));
        return false;
    }
    return true;
}

bool PictureRun::writePictures() {
    if (mOptions.outputs.empty()) {
        return true;
    }
    bool ok = true;
    const bool graph = graphDrawn();
    for (const auto& output : mOptions.outputs) {
        ok = (graph ? writeGraphPicture(output) : writeSoundingPicture(output)) && ok;
    }
    return ok;
}

bool PictureRun::writeGraphPicture(const std::filesystem::path& path) {
    RenderOptions options;
    options.screen = mOptions.screen;
    options.drawScale = mSession.view.drawScale;
    options.title = mSession.view.headerTitle.empty() ? std::string("Brisalta") : mSession.view.headerTitle;
    const std::string failure =
        renderToFile(path, options, [this](DrawingCanvas& canvas, PageMode mode) {
            paintGraph(canvas, mSession.view.pictures.graph, mappingFor(mode));
        });
    if (!failure.empty()) {
        error(text::toUtf8(failure));
        return false;
    }
    return true;
}

bool PictureRun::writeSoundingPicture(const std::filesystem::path& path) {
    RenderOptions options;
    options.screen = mOptions.screen;
    options.drawScale = mSession.view.drawScale;
    // Printed, every design unit of the diagram is 1.07 x 1.07 x 1.07 hundredths of an inch.
    options.printFactor = 1.07 * 1.07 * 1.07;
    options.title = mSession.sounding.diagramTitle.empty() ? std::string("Brisalta")
                                                           : mSession.sounding.diagramTitle;
    const std::string failure =
        renderToFile(path, options, [this](DrawingCanvas& canvas, PageMode mode) {
            paintSounding(canvas, mSession.view.pictures.sounding, mappingFor(mode));
        });
    if (!failure.empty()) {
        error(text::toUtf8(failure));
        return false;
    }
    return true;
}

std::optional<std::size_t> PictureRun::skyReportIndex() const {
    if (!mSession.view.graphShown || mSession.view.banyeresGraph) {
        return std::nullopt;
    }
    const auto& texts = mUi.messages();
    const auto& icons = mUi.icons();
    for (std::size_t i = texts.size(); i-- > 0;) {
        if (icons[i] == MessageIcon::Information && texts[i] == mSession.graph.skyReport) {
            return i;
        }
    }
    return std::nullopt;
}

void PictureRun::printText(Summary summary, std::FILE* stream) const {
    const auto report = summary == Summary::SkyReport ? skyReportIndex() : std::nullopt;
    const auto& texts = mUi.messages();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i != report) {
            printNotice(stream, texts[i]);
        } else if (!texts[i].empty()) {
            writeText(stream, texts[i]);
            if (texts[i].back() != '\n') {
                std::fputc('\n', stream);
            }
        }
    }
    if (summary != Summary::Header) {
        return;
    }
    if (graphDrawn()) {
        writeText(stream, withoutLeadingBlank(mSession.view.headerLine1) + "\n");
        writeText(stream, withoutLeadingBlank(mSession.view.headerLine2) + "\n");
    } else if (!(mSession.view.graphShown || mSession.view.emaGraphShown) && mSession.view.soundingShown) {
        const StationSelection& s = mSession.selection;
        if (mSession.sounding.isForecast) {
            // A forecast's title names its place and date; the station name is not its own.
            writeText(stream, text::format1252("%s: %d niveles (previsión).\n",
                                               mSession.sounding.title.c_str(),
                                               mSession.sounding.count));
            return;
        }
        writeText(stream, text::format1252("Sondeo de %s del %s/%s/%s a las %s h: %d niveles.\n",
                                           s.soundingStationName.c_str(), s.soundingDay.c_str(),
                                           s.soundingMonth.c_str(), s.soundingYear.c_str(),
                                           s.soundingHour.c_str(), mSession.sounding.count));
    }
}

void PictureRun::error(const std::string& utf8Text) const {
    writeLine(stderr, "brisalta-cli " + mCommand + ": " + utf8Text);
}

} // namespace brisalta::cli
