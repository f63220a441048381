// The Ui port of the command-line tool: every message the program would have
// shown is kept in order (and printed as an "aviso:" line), dialogs are
// answered from the command-line options, and nothing is ever waited for.
#pragma once

#include "ports/ui.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace brisalta::cli {

class CliUi : public Ui {
public:
    // Messages are printed to `stream` as they come (nullptr: only kept).
    explicit CliUi(std::FILE* stream) : mStream(stream) {}

    void showMessage(const std::string& text, MessageIcon icon,
                     const std::string& caption) override;
    void setBusy(bool) override {}
    void showDownloadPicture(int) override {}
    // Runs the redraw handler, when there is one: a batch run has no window,
    // but the drawing's side effects (daily extremes, header copies, the
    // validated series) must happen when the program would have painted.
    void redraw() override;

    // What redraw() runs.
    void setRedrawHandler(std::function<void()> handler) { mRedraw = std::move(handler); }

    // "Preferencias" answered by the command line: the handler turns the
    // current fields into the answer (without one the dialog is cancelled).
    using PreferencesHandler = std::function<PreferencesAnswer(const PreferencesFields&)>;
    void setPreferencesHandler(PreferencesHandler handler) { mPreferences = std::move(handler); }
    PreferencesAnswer askPreferences(const PreferencesFields& current,
                                     const ListEditorFiles& files) override;

    // The messages in order, Windows-1252, and the icon each was shown with.
    const std::vector<std::string>& messages() const { return mMessages; }
    const std::vector<MessageIcon>& icons() const { return mIcons; }

private:
    std::FILE* mStream;
    std::vector<std::string> mMessages;
    std::vector<MessageIcon> mIcons;
    std::function<void()> mRedraw;
    PreferencesHandler mPreferences;
};

// One "aviso: <text>" line: the message's own line breaks become blanks.
void printNotice(std::FILE* stream, const std::string& cp1252Text);

} // namespace brisalta::cli
