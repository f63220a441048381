// The user-interface port: everything the core asks of the person at the
// screen. The Qt window answers with real dialogs, the command-line tool from
// its options, and the tests from a script. Texts are Windows-1252.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace brisalta {

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

    // A document was opened or saved at this path (the recent-file list).
    virtual void documentUsed(const std::filesystem::path& path) { (void)path; }
};

} // namespace brisalta
