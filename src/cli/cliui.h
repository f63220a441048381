// The Ui port of the command-line tool: every message the program would have
// shown is kept in order (and printed as an "aviso:" line), dialogs are
// answered from the command-line options, and nothing is ever waited for.
#pragma once

#include "app/ports/ui.h"

#include <cstdio>
#include <string>
#include <vector>

namespace brisalta::cli {

class CliUi : public Ui {
public:
    // Messages are printed to `stream` as they come (nullptr: only kept).
    explicit CliUi(std::FILE* stream) : mStream(stream) {}

    void showMessage(const std::string& text, MessageIcon icon, const std::string& caption) override;
    void setBusy(bool) override {}
    void showDownloadPicture(int) override {}
    void redraw() override {}

    // The messages in order, Windows-1252.
    const std::vector<std::string>& messages() const { return mMessages; }

private:
    std::FILE* mStream;
    std::vector<std::string> mMessages;
};

} // namespace brisalta::cli
