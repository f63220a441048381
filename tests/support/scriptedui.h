// Test adapter of the Ui port: records every message and every busy or picture
// request, so tests assert what the user would have seen.
#pragma once

#include "ports/ui.h"

#include <string>
#include <vector>

namespace brisalta::test {

struct RecordedMessage {
    std::string text; // Windows-1252, as the core sent it
    MessageIcon icon = MessageIcon::None;
    std::string caption;
};

class ScriptedUi : public Ui {
public:
    void showMessage(const std::string& text, MessageIcon icon, const std::string& caption) override {
        messages.push_back({text, icon, caption});
    }
    void setBusy(bool busy) override {
        busyDepth += busy ? 1 : -1;
        if (busy) {
            ++busyCalls;
        }
    }
    void showDownloadPicture(int variant) override { pictures.push_back(variant); }
    void redraw() override { ++redraws; }
    void showStatus(const std::string& text) override { statuses.push_back(text); }

    // The texts of the messages in UTF-8, for readable assertions.
    std::vector<std::string> messageTexts() const;

    std::vector<RecordedMessage> messages;
    std::vector<int> pictures;
    std::vector<std::string> statuses; // status lines, Windows-1252
    int busyDepth = 0;
    int busyCalls = 0;
    int redraws = 0;
};

} // namespace brisalta::test
