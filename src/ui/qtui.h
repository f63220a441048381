// The Ui port answered by real Qt dialogs and message boxes.
#pragma once

#include "ports/ui.h"

#include <QPointer>
#include <QWidget>

#include <functional>

namespace brisalta::ui {

class CSplashWnd;

class QtUi : public Ui {
public:
    QtUi();
    ~QtUi() override;

    // The window the dialogs belong to, and what repainting the view means.
    void attach(QWidget* window, std::function<void()> redrawView,
                std::function<void(const std::filesystem::path&)> documentUsed = {});

    CSplashWnd& splash() { return *mSplash; }

    // Where showStatus sends its line (the window's status bar), UTF-8 free:
    // the text is the core's Windows-1252.
    void setStatusHandler(std::function<void(const std::string&)> showStatus) {
        mShowStatus = std::move(showStatus);
    }

    void showMessage(const std::string& text, MessageIcon icon, const std::string& caption) override;
    void setBusy(bool busy) override;
    void showDownloadPicture(int variant) override;
    void redraw() override;
    void showStatus(const std::string& text) override;

    std::optional<std::string> askIcaoCode() override;
    std::optional<int> askAltitude() override;
    std::optional<AutomaticStationAnswer> askAutomaticStation(
        const std::string& keyText, const std::vector<std::string>& entries) override;
    std::optional<std::filesystem::path> chooseDocumentToOpen() override;
    std::optional<std::filesystem::path> chooseDocumentToSave(const std::string& proposedName) override;
    std::optional<SoundingDateAnswer> askSoundingDate(const std::string& stationText,
                                                      std::int64_t today) override;
    std::optional<std::string> askSoundingStationNumber() override;
    std::optional<CeilingInputs> askCeilingInputs() override;
    std::optional<std::filesystem::path> chooseForecastFile() override;

    void showDataTable(const DataTable& table, const TableDialogActions& actions) override;
    std::optional<ExportChoice> askExportChoice() override;
    std::optional<std::filesystem::path> chooseExportFile(bool excel, bool combined,
                                                          const std::string& proposedName) override;
    PrintOutcome printPage(const PrintJob& job) override;
    PrintOutcome previewPage(const PrintJob& job) override;

    void documentUsed(const std::filesystem::path& path) override;

    PreferencesAnswer askPreferences(const PreferencesFields& current,
                                     const ListEditorFiles& files) override;
    void editLinks(const std::filesystem::path& file) override;
    void editFavourites(const std::filesystem::path& file, const std::string& currentTitle,
                        const std::string& currentIcao) override;
    bool openWebAddress(const std::string& address) override;
    bool openWithDesktop(const std::filesystem::path& file) override;
    void showAbout() override;

protected:
    QWidget* window() const { return mWindow; }

private:
    QPointer<QWidget> mWindow;
    std::function<void()> mRedrawView;
    std::function<void(const std::filesystem::path&)> mDocumentUsed;
    std::function<void(const std::string&)> mShowStatus;
    CSplashWnd* mSplash;
    int mBusyDepth = 0;
    QString mExportFolder; // where the last export went; the next one starts there
};

// The sentence the forecast file chooser shows: which file it wants.
QString forecastFileSentence();

} // namespace brisalta::ui
