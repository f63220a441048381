// The main window: menu bar, accelerators and the dockable toolbar, all built
// from the command table, and the view in the middle. It forwards every action
// to the command set and keeps the enable and check states up to date.
#pragma once

#include <QMainWindow>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace brisalta {
class CommandSet;
struct CommandRow;
struct SessionState;
} // namespace brisalta

namespace brisalta::ui {

class CBrisaltaView;

class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    // settingsFolder holds the window's own small file (the recent documents).
    CMainFrame(SessionState& session, CommandSet& commands,
               const std::filesystem::path& settingsFolder, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CBrisaltaView* view() const { return mView; }
    QToolBar* toolBar() const { return mToolBar; }

    // The action of a command identifier (menu or toolbar), or nullptr.
    QAction* action(int id) const;

    // Opens a document given on the command line, dropped on the window or
    // picked from the recent list.
    void openDocument(const std::filesystem::path& path);

    // Adds a path at the top of the recent-file list (four entries).
    void addRecentDocument(const std::filesystem::path& path);
    std::vector<std::filesystem::path> recentDocuments() const { return mRecent; }

    // Repaints the view at once (a command changed the picture).
    void redrawView();

    // Refreshes every enable and check state from the session.
    void updateActions();

    // Where the data on screen came from, as a command says it (Windows-1252).
    // The status bar shows it beside the line about the picture, for as long
    // as that kind of picture (graph or sounding) is the one on screen and the
    // session knows its source (ViewState::graphSource, soundingSource).
    void showSourceStatus(const std::string& text);

    // The two parts of the status bar: what is on screen with the time of its
    // data, and where those data came from.
    QLabel* screenStatus() const { return mScreenStatus; }
    QLabel* sourceStatus() const { return mSourceStatus; }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QMenu* menuFor(const QString& path);
    QAction* createAction(const CommandRow& row);
    QAction* createMenuAlias(const CommandRow& row);
    void addAirportMenus(QMenu* parent);
    void addSoundingMenus(QMenu* parent);
    // Puts a link or favourite submenu into `parent` and runs its entries.
    void addListMenu(QMenu* parent, QMenu* list, int firstCommand);
    void rebuildRecentMenu();
    void runCommand(int id);
    void loadRecent();
    void saveRecent() const;
    void refreshStatus();

    SessionState& mSession;
    CommandSet& mCommands;
    std::filesystem::path mSettingsFolder;
    CBrisaltaView* mView = nullptr;
    QLabel* mScreenStatus = nullptr;
    QLabel* mSourceStatus = nullptr;
    std::string mGraphSource;    // the last source line told while a graph was on screen
    std::string mSoundingSource; // the same for the sounding
    std::string mPendingSource;  // told while nothing was on screen
    QToolBar* mToolBar = nullptr;
    QMenu* mRecentMenu = nullptr;
    std::map<QString, QMenu*> mMenus;
    std::map<int, QAction*> mActions;
    // Second menu entries of a command already placed elsewhere, with their own
    // caption ("Datos detallados" beside "Datos horarios").
    std::vector<std::pair<QAction*, int>> mAliasActions;
    std::vector<std::pair<QAction*, int>> mAirportActions; // action, command
    std::vector<std::pair<QAction*, int>> mSoundingActions; // action, command
    std::map<int, std::function<void()>> mWindowCommands;  // commands that act on the window itself
    std::vector<std::filesystem::path> mRecent;
};

} // namespace brisalta::ui
