// The user-interface port: everything the core asks of the person at the
// screen. The Qt window answers with real dialogs, the command-line tool from
// its options, and the tests from a script. Texts are Windows-1252.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace brisalta {

class DrawingCanvas;
struct DataTable; // tables/datatable.h

// Answer of the sounding date dialog "Sondeos".
struct SoundingDateAnswer {
    std::int64_t date = 0; // the picked day, seconds since 1970-01-01 UTC (as the date picker gives it)
    int hourIndex = 0;     // 0 for "00Z", 1 for "12Z"
};

// Answer of the ceiling-simulation dialog "Simulación techo".
struct CeilingInputs {
    int temperature = 0; // °C, -30..60
    int dewPoint = 0;    // °C, -30..50
};

// Answer of the automatic-station dialog: a station of the list, or an
// identifier typed with "Manual".
struct AutomaticStationAnswer {
    bool manual = false;
    int index = -1;         // record of the list (when not manual)
    std::string identifier; // typed identifier, in capitals (when manual), Windows-1252
};

// The fields of "Preferencias" (Windows-1252): what the dialog opens on and
// what its lists and boxes leave.
struct PreferencesFields {
    std::string country;             // one of the 13 list names, or as stored
    std::string icao;                // airport of the surface graph
    std::string soundingStationId;   // sounding station number
    std::string soundingStationName; // its stored name
    int timeOffsetHours = 1;         // whole hours, -12..12
    std::string apiKey;              // AEMET OpenData key, as the user typed it
};

// What "Preferencias" gives back. The lists change the country, airport and
// sounding station as the user picks, and those changes stand even when the
// dialog is cancelled; the time offset and the key count only when confirmed.
struct PreferencesAnswer {
    PreferencesFields fields;
    bool confirmed = false; // "&Guardar", with a time offset from -12 to 12
};

// The two list files the preferences dialog's buttons edit, and the title of
// the graph last drawn for the favourites editor's "Gráfica Actual".
struct ListEditorFiles {
    std::filesystem::path links;      // "Brisanet.ini"
    std::filesystem::path favourites; // "GrafPref.ini"
    std::string currentTitle;         // Windows-1252
};

// What the buttons of an open table dialog do; the dialog stays open.
struct TableDialogActions {
    std::function<void()> exportData; // "Exportar": the export choice, then the export
    std::function<void()> print;      // "Imprimir": prints the table
};

// Answer of the export choice dialog "Exportar datos".
struct ExportChoice {
    bool excel = true;     // "Fichero Excel" (else "Fichero Csv")
    bool combined = false; // "Combinado" (else "Individual")
};

// One printed page. `paint` draws it on a canvas whose origin is the corner of
// the printable area, given that area's width in 0.01 inch.
struct PrintJob {
    bool portrait = false;
    std::string documentName; // name of the job in the print queue, Windows-1252
    std::function<void(DrawingCanvas& canvas, int pageWidth)> paint;
};

enum class PrintOutcome {
    Printed,
    Cancelled, // the user closed the dialog: nothing was printed
    Failed,    // the printer could not be used
};

enum class MessageIcon {
    None,        // a plain message box
    Information,
    Exclamation,
    Error,
};

class Ui {
public:
    virtual ~Ui() = default;

    // A modal message box with an OK button. An empty caption means the
    // application title.
    virtual void showMessage(const std::string& text, MessageIcon icon = MessageIcon::None,
                             const std::string& caption = {}) = 0;

    // Busy (wait) cursor on or off; calls nest.
    virtual void setBusy(bool busy) = 0;

    // The one-second picture shown at the start of a download (variant 0 or 1).
    virtual void showDownloadPicture(int variant) = 0;

    // The picture on screen changed: repaint the view now.
    virtual void redraw() = 0;

    // A short line about what is on screen (where its data came from, the
    // time of the data), for the window's status bar. Windows-1252.
    virtual void showStatus(const std::string& text) { (void)text; }

    // Modal dialogs. Each returns the user's answer, or nothing when the user
    // cancels. An adapter that cannot ask (a batch run) answers nothing.

    // "Elección manual": an ICAO code, in capitals, at most 4 characters.
    virtual std::optional<std::string> askIcaoCode() { return std::nullopt; }

    // "Altitud": the station altitude in metres, -3000..8000.
    virtual std::optional<int> askAltitude() { return std::nullopt; }

    // The file of a document to open.
    virtual std::optional<std::filesystem::path> chooseDocumentToOpen() { return std::nullopt; }

    // Where to save a document; proposedName is the default file name (Windows-1252).
    virtual std::optional<std::filesystem::path> chooseDocumentToSave(const std::string& proposedName) {
        (void)proposedName;
        return std::nullopt;
    }

    // "Sondeos": date and hour of the sounding of the station shown in the
    // read-only field; the picker opens on `today` (seconds since 1970).
    virtual std::optional<SoundingDateAnswer> askSoundingDate(const std::string& stationText,
                                                              std::int64_t today) {
        (void)stationText;
        (void)today;
        return std::nullopt;
    }

    // "Sondeo": a station number typed by hand, at most 5 characters.
    virtual std::optional<std::string> askSoundingStationNumber() { return std::nullopt; }

    // "Simulación techo": the expected surface temperature and dew point.
    virtual std::optional<CeilingInputs> askCeilingInputs() { return std::nullopt; }

    // The forecast sounding text file to import.
    virtual std::optional<std::filesystem::path> chooseForecastFile() { return std::nullopt; }

    // "Estaciones Automáticas (EMAs)": keyText is the API key or the sentence that
    // asks for one; entries are "name   /   PROVINCE" in list order.
    virtual std::optional<AutomaticStationAnswer> askAutomaticStation(
        const std::string& keyText, const std::vector<std::string>& entries) {
        (void)keyText;
        (void)entries;
        return std::nullopt;
    }

    // The modal table dialog: "Datos Horarios Gráfica" or "Datos Detallados
    // Sondeo" by table.kind. Returns when the user closes it.
    virtual void showDataTable(const DataTable& table, const TableDialogActions& actions) {
        (void)table;
        (void)actions;
    }

    // "Exportar datos": the file format and the mode of an export.
    virtual std::optional<ExportChoice> askExportChoice() { return std::nullopt; }

    // Where to write an export: a save dialog for CSV or Excel files
    // offering proposedName (Windows-1252, empty for none). A new file asks
    // before replacing an existing one.
    virtual std::optional<std::filesystem::path> chooseExportFile(bool excel, bool combined,
                                                                  const std::string& proposedName) {
        (void)excel;
        (void)combined;
        (void)proposedName;
        return std::nullopt;
    }

    // The print dialog, then the page on the chosen printer.
    virtual PrintOutcome printPage(const PrintJob& job) {
        (void)job;
        return PrintOutcome::Cancelled;
    }

    // The page in a print preview, from which the user may print it.
    virtual PrintOutcome previewPage(const PrintJob& job) {
        (void)job;
        return PrintOutcome::Cancelled;
    }

    // A document was opened or saved at this path (the recent-file list).
    virtual void documentUsed(const std::filesystem::path& path) { (void)path; }

    // "Preferencias" opened on `current`; its buttons "Graficas Preferidas" and
    // "Enlaces Web" open the editors of `files`. An adapter that cannot ask
    // gives `current` back unconfirmed.
    virtual PreferencesAnswer askPreferences(const PreferencesFields& current,
                                             const ListEditorFiles& files) {
        (void)files;
        return {current, false};
    }

    // "Enlaces Web": the web-links editor on its file, which it reads and, on
    // "Guardar", writes itself (saying how it went).
    virtual void editLinks(const std::filesystem::path& file) { (void)file; }

    // "Gráficas preferidas": the favourites editor on its file; the frame
    // "Gráfica Actual" shows currentTitle and currentIcao (Windows-1252).
    virtual void editFavourites(const std::filesystem::path& file, const std::string& currentTitle,
                                const std::string& currentIcao) {
        (void)file;
        (void)currentTitle;
        (void)currentIcao;
    }

    // Hands a checked http(s) address to the desktop's web browser. False when
    // the desktop could not take it (no browser, an address it refuses).
    virtual bool openWebAddress(const std::string& address) {
        (void)address;
        return false;
    }

    // Opens an existing document (the user's manual) with the desktop's viewer
    // for its type. False when no viewer took it.
    virtual bool openWithDesktop(const std::filesystem::path& file) {
        (void)file;
        return false;
    }

    // "Acerca de Brisalta".
    virtual void showAbout() {}
};

} // namespace brisalta
