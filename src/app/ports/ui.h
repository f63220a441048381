// The user-interface port: everything the core asks of the person at the
// screen. The Qt window answers with real dialogs, the command-line tool from
// its options, and the tests from a script. Texts are Windows-1252.
#pragma once

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

    // The picture on screen changed: repaint the view as soon as possible.
    virtual void redraw() = 0;
};

} // namespace brisalta
