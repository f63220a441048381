// A main window wired to recorded answers and a scripted user: messages are
// recorded instead of shown, dialogs answer what the test says, and downloads
// come from a replay folder.
#pragma once

#include "app/commandcontext.h"
#include "app/commandset.h"
#include "adapters/replaytransport.h"
#include "session/sessionstate.h"
#include "settings/services.h"
#include "support/recordingcanvas.h"
#include "support/testplaces.h"
#include "text/codepage.h"
#include "ui/cmainframe.h"
#include "ui/csplashwnd.h"
#include "ui/qtui.h"

#include <QAction>
#include <QTest>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace brisalta::test {

// The real Qt adapter (busy cursor, redraw, download picture), except that
// messages are recorded and dialogs answered from queues.
class RecordingQtUi : public ui::QtUi {
public:
    void showMessage(const std::string& text, MessageIcon icon, const std::string& caption) override {
        messages.push_back(text::toUtf8(text));
        icons.push_back(icon);
        (void)caption;
    }
    std::optional<std::string> askIcaoCode() override { return next(icaoAnswers); }
    std::optional<int> askAltitude() override { return next(altitudeAnswers); }
    std::optional<std::filesystem::path> chooseDocumentToOpen() override { return next(openAnswers); }
    // The station dialog; with realStationDialog the real DialogoEma opens
    // instead of the queue, for a test to drive.
    std::optional<AutomaticStationAnswer> askAutomaticStation(
        const std::string& keyText, const std::vector<std::string>& entries) override {
        if (realStationDialog) {
            return ui::QtUi::askAutomaticStation(keyText, entries);
        }
        return next(stationAnswers);
    }
    std::optional<std::filesystem::path> chooseDocumentToSave(const std::string& proposed) override {
        proposedNames.push_back(text::toUtf8(proposed));
        return next(saveAnswers);
    }
    std::optional<SoundingDateAnswer> askSoundingDate(const std::string& stationText,
                                                      std::int64_t today) override {
        soundingStationTexts.push_back(text::toUtf8(stationText));
        soundingTodays.push_back(today);
        return next(soundingDateAnswers);
    }
    std::optional<std::string> askSoundingStationNumber() override { return next(stationNumberAnswers); }
    std::optional<CeilingInputs> askCeilingInputs() override { return next(ceilingAnswers); }
    std::optional<std::filesystem::path> chooseForecastFile() override { return next(forecastAnswers); }
    std::optional<std::filesystem::path> chooseExportFile(bool excel, bool combined,
                                                          const std::string& proposed) override {
        exportRequests.push_back({excel, combined, text::toUtf8(proposed)});
        return next(exportAnswers);
    }
    // The page is painted on a recording canvas when the print is asked for;
    // no print dialog opens.
    PrintOutcome printPage(const PrintJob& job) override {
        printedPages.emplace_back();
        printedPages.back().portrait = job.portrait;
        job.paint(printedPages.back().page, 1119);
        return PrintOutcome::Printed;
    }
    PrintOutcome previewPage(const PrintJob& job) override {
        previewedPages.emplace_back();
        previewedPages.back().portrait = job.portrait;
        job.paint(previewedPages.back().page, 1119);
        return PrintOutcome::Cancelled;
    }
    void showDownloadPicture(int variant) override {
        pictures.push_back(variant);
        ui::QtUi::showDownloadPicture(variant);
    }

    struct ExportRequest {
        bool excel = false;
        bool combined = false;
        std::string proposed; // UTF-8
    };
    struct PageRequest {
        bool portrait = false;
        RecordingCanvas page;
    };

    std::vector<std::string> messages; // UTF-8
    std::vector<MessageIcon> icons;
    std::vector<std::string> proposedNames;
    std::deque<std::optional<std::string>> icaoAnswers;
    std::deque<std::optional<int>> altitudeAnswers;
    std::deque<std::optional<std::filesystem::path>> openAnswers;
    std::deque<std::optional<std::filesystem::path>> saveAnswers;
    std::deque<std::optional<SoundingDateAnswer>> soundingDateAnswers;
    std::vector<std::string> soundingStationTexts; // UTF-8, one per opening of "Sondeos"
    std::vector<std::int64_t> soundingTodays;
    std::deque<std::optional<std::string>> stationNumberAnswers;
    std::deque<std::optional<CeilingInputs>> ceilingAnswers;
    std::deque<std::optional<std::filesystem::path>> forecastAnswers;
    std::vector<int> pictures; // variants of the download picture
    std::deque<std::optional<AutomaticStationAnswer>> stationAnswers;
    bool realStationDialog = false;
    std::vector<ExportRequest> exportRequests;
    std::deque<std::optional<std::filesystem::path>> exportAnswers;
    std::vector<PageRequest> printedPages;
    std::vector<PageRequest> previewedPages;

private:
    template <typename T>
    static std::optional<T> next(std::deque<std::optional<T>>& answers) {
        if (answers.empty()) {
            return std::nullopt;
        }
        std::optional<T> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

struct UiFixture {
    // `prepare` runs on the scratch folders before the window is made (list
    // files the window reads when it is created, for instance).
    explicit UiFixture(const std::filesystem::path& replayFolder = {},
                       const std::function<void(const ScratchPlaces&)>& prepare = {})
        : prepared(((prepare ? prepare(places) : void()), true)),
          transport(replayFolder.empty() ? places.root() / "sin-respuestas" : replayFolder),
          context{session, ui, transport, places, clock, services}, commands(context),
          window(session, commands, places.settingsFolder()) {
        ui.splash().setEnabled(false);
        ui.attach(&window, [this] { window.redrawView(); },
                  [this](const std::filesystem::path& p) { window.addRecentDocument(p); });
        window.resize(1200, 900);
        window.show();
        exposed = QTest::qWaitForWindowExposed(&window);
    }

    void trigger(int id) {
        QAction* action = window.action(id);
        if (action) {
            action->trigger();
        }
    }

    ScratchPlaces places;
    bool prepared;
    FixedClock clock{1607342400}; // 2020-12-07 12:00 UTC
    ServiceTable services;
    SessionState session;
    ReplayTransport transport;
    RecordingQtUi ui;
    CommandContext context;
    CommandSet commands;
    ui::CMainFrame window;
    bool exposed = false;
};

} // namespace brisalta::test
