// The data commands: the table dialog and its flags, the four exports and the
// export choice, printing and its preview, driven through a scripted user.
#include "app/exportcommands.h"
#include "app/printcommands.h"
#include "app/tablecommands.h"

#include "adapters/replaytransport.h"
#include "support/recordingcanvas.h"
#include "support/scriptedui.h"
#include "support/testplaces.h"
#include "tables/datatable.h"
#include "tables/tablefixture.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>

namespace brisalta {
namespace {

struct FileRequest {
    bool excel = false;
    bool combined = false;
    std::string proposed; // UTF-8
};

// What the page looked like when a print or preview was asked for.
struct PrintedPageRecord {
    bool portrait = false;
    std::string documentName; // UTF-8
    test::RecordingCanvas page;
};

class DataUi : public test::ScriptedUi {
public:
    explicit DataUi(const SessionState& session) : mSession(session) {}

    void showDataTable(const DataTable& table, const TableDialogActions& actions) override {
        tables.push_back(table);
        flagsWhileOpen.emplace_back(mSession.view.tablePrint, mSession.view.tablePortrait);
        if (whileOpen) {
            whileOpen(actions);
        }
    }
    std::optional<ExportChoice> askExportChoice() override { return next(choices); }
    std::optional<std::filesystem::path> chooseExportFile(bool excel, bool combined,
                                                          const std::string& proposed) override {
        fileRequests.push_back({excel, combined, text::toUtf8(proposed)});
        return next(files);
    }
    PrintOutcome printPage(const PrintJob& job) override { return record(job, prints); }
    PrintOutcome previewPage(const PrintJob& job) override { return record(job, previews); }

    std::function<void(const TableDialogActions&)> whileOpen; // what the user does in the dialog
    std::vector<DataTable> tables;
    std::vector<std::pair<bool, bool>> flagsWhileOpen; // tablePrint, tablePortrait
    std::deque<ExportChoice> choices;
    std::deque<std::filesystem::path> files;
    std::vector<FileRequest> fileRequests;
    std::vector<PrintedPageRecord> prints;
    std::vector<PrintedPageRecord> previews;
    PrintOutcome outcome = PrintOutcome::Printed;

private:
    template <typename T> static std::optional<T> next(std::deque<T>& queue) {
        if (queue.empty()) {
            return std::nullopt;
        }
        T answer = queue.front();
        queue.pop_front();
        return answer;
    }
    PrintOutcome record(const PrintJob& job, std::vector<PrintedPageRecord>& into) {
        PrintedPageRecord page;
        page.portrait = job.portrait;
        page.documentName = text::toUtf8(job.documentName);
        job.paint(page.page, 1119);
        into.push_back(std::move(page));
        return outcome;
    }

    const SessionState& mSession;
};

struct Fixture {
    explicit Fixture(std::unique_ptr<SessionState> start = std::make_unique<SessionState>())
        : sessionPtr(std::move(start)), session(*sessionPtr) {}

    test::ScratchPlaces places;
    test::FixedClock clock{1607342400};
    ServiceTable services;
    std::unique_ptr<SessionState> sessionPtr;
    SessionState& session;
    DataUi ui{session};
    ReplayTransport transport{places.root() / "respuestas"};
    CommandContext context{session, ui, transport, places, clock, services};

    std::filesystem::path file(const std::string& name) { return places.root() / name; }
};

const char* const kNeedsPicture = "Es necesario disponer de una gráfica o un sondeo previamente.";
const char* const kNothingToExport =
    "Es necesario disponer de una gráfica o un sondeo para exportar los datos";

// Purpose: the table of what is on screen, the page flag set exactly while the
// dialog is open, and the message when there is nothing.
TEST(TableCommand, OpensTheTableOfWhatIsOnScreen) {
    struct Case {
        const char* name;
        std::function<std::unique_ptr<SessionState>()> make;
        bool opens;
        TableKind kind;
        std::pair<bool, bool> flags; // tablePrint, tablePortrait while open
    };
    const Case cases[] = {
        {"nothing", [] { return std::make_unique<SessionState>(); }, false, TableKind::Hourly, {}},
        {"airport graph", [] { return test::airportDay10(); }, true, TableKind::Hourly, {true, false}},
        {"automatic station", [] { return test::automaticStationDay15(); }, true, TableKind::Hourly,
         {true, false}},
        {"sounding", [] { return test::textListSounding(); }, true, TableKind::Sounding,
         {false, true}},
    };
    for (const Case& c : cases) {
        Fixture f(c.make());
        TableCommands(f.context).showTable();
        ASSERT_EQ(f.ui.tables.size(), c.opens ? 1u : 0u) << c.name;
        EXPECT_FALSE(f.session.view.tablePrint) << c.name;
        EXPECT_FALSE(f.session.view.tablePortrait) << c.name;
        if (!c.opens) {
            EXPECT_EQ(f.ui.messageTexts(), std::vector<std::string>{kNeedsPicture}) << c.name;
            continue;
        }
        EXPECT_TRUE(f.ui.messages.empty()) << c.name;
        EXPECT_EQ(f.ui.tables[0].kind, c.kind) << c.name;
        EXPECT_EQ(f.ui.flagsWhileOpen[0], c.flags) << c.name;
    }
}

// Purpose: "Imprimir" in the hourly table dialog prints the table, landscape,
// with the header lines in the side block; in the sounding table dialog the
// sounding table on a portrait page.
TEST(TableCommand, PrintButtonPrintsTheTable) {
    {
        Fixture f(test::airportDay10());
        f.session.view.headerLine1 = "cabecera uno";
        f.ui.whileOpen = [](const TableDialogActions& actions) { actions.print(); };
        TableCommands(f.context).showTable();
        ASSERT_EQ(f.ui.prints.size(), 1u);
        const auto& page = f.ui.prints[0];
        EXPECT_FALSE(page.portrait);
        EXPECT_TRUE(page.page.findText("Hora")); // the table, not the graph
        ASSERT_FALSE(page.page.textBoxes.empty());
        EXPECT_EQ(page.page.textBoxes[0].text, "cabecera uno");
    }
    {
        Fixture f(test::textListSounding());
        f.ui.whileOpen = [](const TableDialogActions& actions) { actions.print(); };
        TableCommands(f.context).showTable();
        ASSERT_EQ(f.ui.prints.size(), 1u);
        EXPECT_TRUE(f.ui.prints[0].portrait);
        EXPECT_TRUE(f.ui.prints[0].page.findText("Altura(mts)"));
    }
}

// Purpose: "Exportar" in a table dialog asks for the format and mode, then
// does what the matching menu command does; cancelling the choice does nothing.
TEST(TableCommand, ExportButtonAsksTheChoiceThenExports) {
    Fixture f(test::airportDay10());
    f.ui.choices = {ExportChoice{false, false}};
    f.ui.files = {f.file("dia.csv")};
    f.ui.whileOpen = [](const TableDialogActions& actions) {
        actions.exportData(); // CSV, Individual
        actions.exportData(); // the choice cancelled
    };
    TableCommands(f.context).showTable();
    ASSERT_EQ(f.ui.fileRequests.size(), 1u);
    EXPECT_FALSE(f.ui.fileRequests[0].excel);
    EXPECT_FALSE(f.ui.fileRequests[0].combined);
    EXPECT_EQ(f.ui.fileRequests[0].proposed, "Gráfica LEMD 13.30h 10-3-2024.csv");
    EXPECT_TRUE(std::filesystem::exists(f.file("dia.csv")));
    EXPECT_EQ(f.ui.messageTexts(),
              std::vector<std::string>{"Fichero delimitado CSV grabado con el nombre:\ndia.csv"});
}

// Purpose: the four menu exports: the name offered, the file written or left
// alone, and the message the user reads.
TEST(ExportCommands, MenuExportsOfferNamesWriteAndTell) {
    struct Case {
        const char* name;
        ExportFormat format;
        ExportMode mode;
        bool fileExists;     // a file is there before the export
        bool answered;       // the user picks a file (else cancels)
        const char* offered; // name offered by the save dialog
        bool written;
        const char* message; // UTF-8, "{}" for the path
        MessageIcon icon;
    };
    const Case cases[] = {
        {"CSV new", ExportFormat::Csv, ExportMode::Individual, false, true,
         "Gráfica LEMD 13.30h 10-3-2024.csv", true,
         "Fichero delimitado CSV grabado con el nombre:\n{}", MessageIcon::None},
        {"Excel new", ExportFormat::Excel, ExportMode::Individual, false, true,
         "Gráfica LEMD 13.30h 10-3-2024.xlsx", true,
         "Fichero para Microsoft Excel grabado con el nombre:\n{}", MessageIcon::None},
        {"CSV appended to nothing", ExportFormat::Csv, ExportMode::Combined, false, true, "", false,
         "Es necesario grabar primero un fichero individual para poder combinarlo luego.",
         MessageIcon::Exclamation},
        {"CSV appended", ExportFormat::Csv, ExportMode::Combined, true, true, "", true,
         "Fichero delimitado CSV grabado con el nombre:\n{}", MessageIcon::None},
        {"Excel appended to a text file", ExportFormat::Excel, ExportMode::Combined, true, true,
         "", false,
         "El fichero «{}» no es un libro de Excel (.xlsx): no se le pueden añadir datos. No se ha "
         "modificado.",
         MessageIcon::Exclamation},
        {"cancelled", ExportFormat::Csv, ExportMode::Individual, false, false,
         "Gráfica LEMD 13.30h 10-3-2024.csv", false, nullptr, MessageIcon::None},
    };
    for (const Case& c : cases) {
        Fixture f(test::airportDay10());
        const auto path = f.file("datos");
        if (c.fileExists) {
            test::writeFile(path, "Fecha,Hora\r\n");
        }
        if (c.answered) {
            f.ui.files = {path};
        }
        ExportCommands(f.context).exportData(c.format, c.mode);
        ASSERT_EQ(f.ui.fileRequests.size(), 1u) << c.name;
        EXPECT_EQ(f.ui.fileRequests[0].excel, c.format == ExportFormat::Excel) << c.name;
        EXPECT_EQ(f.ui.fileRequests[0].combined, c.mode == ExportMode::Combined) << c.name;
        EXPECT_EQ(f.ui.fileRequests[0].proposed, c.offered) << c.name;
        if (!c.message) {
            EXPECT_TRUE(f.ui.messages.empty()) << c.name;
            EXPECT_FALSE(std::filesystem::exists(path)) << c.name;
            continue;
        }
        std::string expected = c.message;
        if (const auto at = expected.find("{}"); at != std::string::npos) {
            expected.replace(at, 2, path.filename().string()); // the name, never the folder
        }
        EXPECT_EQ(f.ui.messageTexts(), std::vector<std::string>{expected}) << c.name;
        EXPECT_EQ(f.ui.messages[0].icon, c.icon) << c.name;
        const std::string bytes = test::readFile(path);
        EXPECT_EQ(bytes.size() > 100, c.written) << c.name;
    }
}

// Purpose: nothing on screen: the export says so before any dialog.
TEST(ExportCommands, NothingOnScreenIsToldBeforeAnyDialog) {
    Fixture f;
    ExportCommands(f.context).exportData(ExportFormat::Excel, ExportMode::Individual);
    EXPECT_TRUE(f.ui.fileRequests.empty());
    EXPECT_EQ(f.ui.messageTexts(), std::vector<std::string>{kNothingToExport});
}

// Purpose: an export that cannot write its file says so and reports failure.
TEST(ExportCommands, UnwritableFolderIsReportedAsAFailure) {
    Fixture f(test::airportDay10());
    const auto path = f.file("no-existe") / "dia.csv";
    EXPECT_FALSE(exportWithMessage(f.session, f.ui, ExportFormat::Csv, ExportMode::Individual,
                                   path));
    EXPECT_EQ(f.ui.messageTexts(),
              std::vector<std::string>{"No se ha podido grabar el fichero «" + path.filename().string() +
                                       "»: la carpeta no existe."});
    EXPECT_FALSE(std::filesystem::exists(path));
}

// Purpose: a folder given for an export gets the default name inside it.
TEST(ExportCommands, DefaultPathInAFolder) {
    auto s = test::forecastSounding();
    EXPECT_EQ(defaultExportPath(*s, "/datos", ExportFormat::Csv),
              std::filesystem::path("/datos/GFS 40.5N 3.5W 17-7-2026.csv"));
    auto g = test::airportDay10();
    EXPECT_EQ(defaultExportPath(*g, "/datos", ExportFormat::Excel),
              std::filesystem::path("/datos/Gráfica LEMD 13.30h 10-3-2024.xlsx"));
}

// Purpose: print and preview put the same page out, named after its title;
// a printer that fails is told, a cancelled dialog is not.
TEST(PrintCommands, PrintAndPreviewTheSamePage) {
    struct Case {
        const char* name;
        bool preview;
        PrintOutcome outcome;
        bool told;
    };
    const Case cases[] = {
        {"printed", false, PrintOutcome::Printed, false},
        {"cancelled", false, PrintOutcome::Cancelled, false},
        {"printer failed", false, PrintOutcome::Failed, true},
        {"preview", true, PrintOutcome::Cancelled, false},
    };
    for (const Case& c : cases) {
        Fixture f(test::airportDay10());
        f.ui.outcome = c.outcome;
        PrintCommands commands(f.context);
        c.preview ? commands.preview() : commands.print();
        const auto& pages = c.preview ? f.ui.previews : f.ui.prints;
        ASSERT_EQ(pages.size(), 1u) << c.name;
        EXPECT_FALSE(pages[0].portrait) << c.name;
        EXPECT_EQ(pages[0].documentName, "Brisalta  -  LEMD") << c.name;
        EXPECT_TRUE(pages[0].page.findText(text::cp1252("ESTADÍSTICAS:"))) << c.name;
        EXPECT_EQ(f.ui.messages.size(), c.told ? 1u : 0u) << c.name;
        if (c.told) {
            EXPECT_EQ(f.ui.messages[0].text, printFailedMessage()) << c.name;
        }
    }
}

} // namespace
} // namespace brisalta
