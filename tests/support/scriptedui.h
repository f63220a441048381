// Test adapter of the Ui port: records every message and every busy or picture
// request, so tests assert what the user would have seen.
#pragma once

#include "ports/ui.h"

#include <deque>
#include <filesystem>
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

    // "Preferencias": answered from the queue (the fields as the test wants
    // them left), or given back unconfirmed when the queue is empty.
    PreferencesAnswer askPreferences(const PreferencesFields& current,
                                     const ListEditorFiles& files) override {
        preferencesAsked.push_back(current);
        preferencesFiles.push_back(files);
        if (preferencesAnswers.empty()) {
            return {current, false};
        }
        PreferencesAnswer answer = preferencesAnswers.front();
        preferencesAnswers.pop_front();
        return answer;
    }
    void editLinks(const std::filesystem::path& file) override { linksEdited.push_back(file); }
    void editFavourites(const std::filesystem::path& file, const std::string& currentTitle,
                        const std::string& currentIcao) override {
        favouritesEdited.push_back({file, currentTitle, currentIcao});
    }
    bool openWebAddress(const std::string& address) override {
        addressesOpened.push_back(address);
        return desktopTakes;
    }
    bool openWithDesktop(const std::filesystem::path& file) override {
        filesOpened.push_back(file);
        return desktopTakes;
    }
    void showAbout() override { ++aboutShown; }

    // The texts of the messages in UTF-8, for readable assertions.
    std::vector<std::string> messageTexts() const;

    std::vector<RecordedMessage> messages;
    std::vector<int> pictures;
    std::vector<std::string> statuses; // status lines, Windows-1252
    int busyDepth = 0;
    int busyCalls = 0;
    int redraws = 0;

    struct FavouritesEdit {
        std::filesystem::path file;
        std::string currentTitle; // Windows-1252
        std::string currentIcao;
    };
    std::deque<PreferencesAnswer> preferencesAnswers;
    std::vector<PreferencesFields> preferencesAsked;
    std::vector<ListEditorFiles> preferencesFiles;
    std::vector<std::filesystem::path> linksEdited;
    std::vector<FavouritesEdit> favouritesEdited;
    std::vector<std::string> addressesOpened;
    std::vector<std::filesystem::path> filesOpened;
    bool desktopTakes = true; // what the desktop answers to an opening
    int aboutShown = 0;
};

} // namespace brisalta::test
