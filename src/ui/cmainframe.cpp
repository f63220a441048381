// Main window built from the command table.
#include "ui/cmainframe.h"

#include "app/commandids.h"
#include "app/commandset.h"
#include "app/commandtable.h"
#include "app/statusline.h"
#include "catalogues/airportcatalogue.h"
#include "catalogues/soundingcatalogue.h"
#include "session/sessionstate.h"
#include "ui/cbrisaltaview.h"
#include "ui/icons.h"
#include "ui/linkmenus.h"
#include "ui/qtext.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>

namespace brisalta::ui {
namespace {

QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The caption before the tab; the key text after it is shown by the shortcut.
QString captionOf(const CommandRow& row) {
    const std::string_view caption = row.caption.substr(0, row.caption.find('\t'));
    return utf8(caption);
}

// Prompt strings hold the status text, a line feed and the tooltip.
QString tooltipOf(const CommandRow& row) {
    const auto nl = row.prompt.find('\n');
    return nl == std::string_view::npos ? utf8(row.prompt) : utf8(row.prompt.substr(nl + 1));
}

QString statusTipOf(const CommandRow& row) { return utf8(row.prompt.substr(0, row.prompt.find('\n'))); }

QString settingsFile(const std::filesystem::path& folder) {
    return QString::fromStdString((folder / "ventana.ini").string());
}

} // namespace

CMainFrame::CMainFrame(SessionState& session, CommandSet& commands,
                       const std::filesystem::path& settingsFolder, QWidget* parent)
    : QMainWindow(parent), mSession(session), mCommands(commands), mSettingsFolder(settingsFolder) {
    setWindowTitle(tr8("Brisalta"));
    setWindowIcon(programIcon(QStringLiteral("brisalta")));
    setAcceptDrops(true);

    // The view fits its drawing to whatever room it has: no scroll bars.
    mView = new CBrisaltaView(session, this);
    setCentralWidget(mView);
    connect(mView, &CBrisaltaView::painted, this, &CMainFrame::updateActions);

    // The status bar: what is on screen and the time of its data on the
    // left, where the data came from on the right; a command's status text
    // takes the left part while the pointer is on the command.
    mScreenStatus = new QLabel(this);
    mScreenStatus->setObjectName(QStringLiteral("estadoPantalla"));
    mSourceStatus = new QLabel(this);
    mSourceStatus->setObjectName(QStringLiteral("estadoFuente"));
    statusBar()->setObjectName(QStringLiteral("barraEstado"));
    statusBar()->addWidget(mScreenStatus, 1);
    statusBar()->addPermanentWidget(mSourceStatus);

    mToolBar = new QToolBar(tr8("Barra de herramientas"), this);
    mToolBar->setObjectName(QStringLiteral("barraHerramientas"));
    mToolBar->setIconSize(QSize(26, 26));
    mToolBar->setMovable(true);
    mToolBar->setFloatable(true);
    mToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    addToolBar(Qt::TopToolBarArea, mToolBar);

    mWindowCommands[cmd::kExit] = [this] { close(); };
    mWindowCommands[cmd::kToolbar] = [this] { mToolBar->setVisible(!mToolBar->isVisible()); };

    loadRecent();
    const LinkFilesFound listFiles = mCommands.preferences.loadLinks();

    // Menus, in the order of the table.
    for (const std::string_view top : menuBarOrder()) {
        menuFor(utf8(top));
    }
    for (const CommandRow& row : commandTable()) {
        if (row.menu.empty()) {
            continue;
        }
        QMenu* menu = menuFor(utf8(row.menu));
        switch (row.kind) {
        case MenuItemKind::Command:
            menu->addAction(action(row.id) ? createMenuAlias(row) : createAction(row));
            break;
        case MenuItemKind::Separator:
            menu->addSeparator();
            break;
        case MenuItemKind::AirportMenus:
            addAirportMenus(menu);
            break;
        case MenuItemKind::RecentFiles:
            mRecentMenu = menu;
            rebuildRecentMenu();
            break;
        case MenuItemKind::SoundingMenus:
            addSoundingMenus(menu);
            break;
        case MenuItemKind::LinkMenu:
            if (listFiles.links) {
                addListMenu(menu, buildInternetMenu(mSession.links, this), kFirstLinkCommand);
            }
            break;
        case MenuItemKind::FavouriteMenu:
            if (listFiles.favourites) {
                addListMenu(menu, buildFavouritesMenu(mSession.links, this),
                            kFirstFavouriteCommand);
            }
            break;
        }
    }

    // Toolbar, left to right.
    for (int id : toolbarLayout()) {
        if (id == 0) {
            mToolBar->addSeparator();
            continue;
        }
        QAction* act = action(id);
        if (!act) {
            act = createAction(*findCommand(id));
            addAction(act); // toolbar-only commands keep their accelerator
        }
        mToolBar->addAction(act);
    }
    if (QAction* toggle = action(cmd::kToolbar)) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
        connect(mToolBar, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
    }
    for (auto& [path, menu] : mMenus) {
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateActions);
    }
    updateActions();
    refreshStatus();
}

CMainFrame::~CMainFrame() = default;

QMenu* CMainFrame::menuFor(const QString& path) {
    if (auto it = mMenus.find(path); it != mMenus.end()) {
        return it->second;
    }
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    QMenu* menu = nullptr;
    if (slash < 0) {
        menu = menuBar()->addMenu(path);
    } else {
        menu = menuFor(path.left(slash))->addMenu(path.mid(slash + 1));
    }
    mMenus[path] = menu;
    return menu;
}

QAction* CMainFrame::createAction(const CommandRow& row) {
    if (QAction* existing = action(row.id)) {
        return existing;
    }
    auto* act = new QAction(captionOf(row), this);
    act->setObjectName(QStringLiteral("comando%1").arg(row.id));
    act->setData(row.id);
    if (!row.shortcut.empty()) {
        act->setShortcut(QKeySequence(utf8(row.shortcut)));
        act->setShortcutContext(Qt::WindowShortcut);
    }
    act->setToolTip(tooltipOf(row));
    act->setStatusTip(statusTipOf(row));
    if (!row.icon.empty()) {
        act->setIcon(programIcon(utf8(row.icon)));
    }
    if (row.checked) {
        act->setCheckable(true);
    }
    const int id = row.id;
    connect(act, &QAction::triggered, this, [this, id] { runCommand(id); });
    mActions[id] = act;
    return act;
}

QAction* CMainFrame::createMenuAlias(const CommandRow& row) {
    // The key belongs to the first entry; this one only shows it, so the
    // shortcut is never ambiguous.
    QString text = captionOf(row);
    if (!row.shortcut.empty()) {
        text += QLatin1Char('\t') +
                QKeySequence(utf8(row.shortcut)).toString(QKeySequence::NativeText);
    }
    auto* act = new QAction(text, this);
    act->setObjectName(QStringLiteral("comando%1_%2").arg(row.id).arg(mAliasActions.size() + 2));
    act->setData(row.id);
    act->setToolTip(tooltipOf(row));
    act->setStatusTip(statusTipOf(row));
    const int id = row.id;
    connect(act, &QAction::triggered, this, [this, id] { runCommand(id); });
    mAliasActions.emplace_back(act, id);
    return act;
}

void CMainFrame::addAirportMenus(QMenu* parent) {
    for (const CountryMenu& country : airports::menus()) {
        QMenu* sub = parent->addMenu(toQt(country.caption));
        for (std::size_t i = 0; i < country.entries.size(); ++i) {
            const AirportMenuEntry& entry = country.entries[i];
            if (static_cast<int>(i) == country.separatorBefore) {
                sub->addSeparator();
            }
            auto* act = sub->addAction(toQt(entry.caption));
            act->setCheckable(true);
            act->setData(entry.command);
            act->setObjectName(QStringLiteral("aeropuerto%1").arg(entry.command));
            const int command = entry.command;
            connect(act, &QAction::triggered, this, [this, command] {
                if (airports::pickAirport(mSession, command)) {
                    mCommands.graph.showGraph();
                }
                updateActions();
            });
            mAirportActions.emplace_back(act, command);
        }
    }
}

void CMainFrame::addSoundingMenus(QMenu* parent) {
    for (const SoundingCountryMenu& country : soundingStationMenus()) {
        QMenu* sub = parent->addMenu(toQt(country.caption));
        for (const SoundingStationEntry& entry : country.entries) {
            auto* act = sub->addAction(toQt(entry.caption));
            act->setCheckable(true);
            act->setData(entry.command);
            act->setObjectName(QStringLiteral("sondeo%1").arg(entry.command));
            const int command = entry.command;
            connect(act, &QAction::triggered, this, [this, command] {
                mCommands.sounding.pickStation(command);
                updateActions();
            });
            mSoundingActions.emplace_back(act, command);
        }
    }
}

void CMainFrame::addListMenu(QMenu* parent, QMenu* list, int firstCommand) {
    parent->addMenu(list);
    connect(list, &QMenu::triggered, this, [this, firstCommand](QAction* act) {
        const int index = act->data().toInt() - firstCommand;
        if (firstCommand == kFirstLinkCommand) {
            mCommands.preferences.openLink(index);
        } else {
            mCommands.preferences.openFavourite(index);
        }
        updateActions();
    });
}

void CMainFrame::rebuildRecentMenu() {
    if (!mRecentMenu) {
        return;
    }
    mRecentMenu->clear();
    int n = 1;
    for (const std::filesystem::path& path : mRecent) {
        const QString shown = QString::fromStdString(path.string());
        auto* act = mRecentMenu->addAction(
            QStringLiteral("&%1 %2").arg(n++).arg(QFileInfo(shown).fileName()));
        act->setToolTip(shown);
        connect(act, &QAction::triggered, this, [this, path] { openDocument(path); });
    }
    mRecentMenu->setEnabled(!mRecent.empty());
}

void CMainFrame::runCommand(int id) {
    if (auto it = mWindowCommands.find(id); it != mWindowCommands.end()) {
        it->second();
    } else if (const CommandRow* row = findCommand(id); row && row->run) {
        row->run(mCommands);
    }
    updateActions();
}

QAction* CMainFrame::action(int id) const {
    const auto it = mActions.find(id);
    return it == mActions.end() ? nullptr : it->second;
}

void CMainFrame::updateActions() {
    for (const auto& [id, act] : mActions) {
        const CommandRow* row = findCommand(id);
        if (!row) {
            continue;
        }
        act->setEnabled(!row->enabled || row->enabled(mSession));
        if (row->checked) {
            act->setChecked(row->checked(mSession));
        }
    }
    for (const auto& [act, id] : mAliasActions) {
        const CommandRow* row = findCommand(id);
        act->setEnabled(row && (!row->enabled || row->enabled(mSession)));
    }
    for (const auto& [act, command] : mAirportActions) {
        act->setChecked(airports::isAirportChecked(mSession, command));
    }
    for (const auto& [act, command] : mSoundingActions) {
        act->setChecked(isSoundingStationChecked(mSession, command));
    }
}

void CMainFrame::redrawView() {
    mView->refreshSize();
    mView->repaint();
    updateActions();
    refreshStatus();
}

void CMainFrame::showSourceStatus(const std::string& text) {
    if (mSession.view.graphShown || mSession.view.emaGraphShown) {
        mGraphSource = text;
    } else if (mSession.view.soundingShown) {
        mSoundingSource = text;
    } else {
        mPendingSource = text;
    }
    refreshStatus();
}

void CMainFrame::refreshStatus() {
    const bool graph = mSession.view.graphShown || mSession.view.emaGraphShown;
    const bool sounding = !graph && mSession.view.soundingShown;
    // A source told before its picture reached the screen belongs to it.
    if (!mPendingSource.empty() && (graph || sounding)) {
        (graph ? mGraphSource : mSoundingSource) = mPendingSource;
        mPendingSource.clear();
    }
    mScreenStatus->setText(toQt(statusLine(mSession)));
    // A line is shown only while the picture it was told for still has a
    // known source: a picture that came from elsewhere since (a document, a
    // service that says nothing) must not borrow it.
    const DataSource& known = graph ? mSession.view.graphSource : mSession.view.soundingSource;
    const std::string& told = graph ? mGraphSource : mSoundingSource;
    std::string source;
    if ((graph || sounding) && !known.name.empty()) {
        source = told.empty() ? known.name : told;
    }
    mSourceStatus->setText(toQt(source));
}

void CMainFrame::openDocument(const std::filesystem::path& path) {
    mCommands.document.openPath(path);
    updateActions();
}

void CMainFrame::addRecentDocument(const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    if (ec) {
        absolute = path;
    }
    std::erase(mRecent, absolute);
    mRecent.insert(mRecent.begin(), absolute);
    if (mRecent.size() > 4) {
        mRecent.resize(4);
    }
    rebuildRecentMenu();
    saveRecent();
}

void CMainFrame::loadRecent() {
    QSettings settings(settingsFile(mSettingsFolder), QSettings::IniFormat);
    const QStringList files = settings.value(QStringLiteral("recientes")).toStringList();
    for (const QString& file : files) {
        if (mRecent.size() < 4 && !file.isEmpty()) {
            mRecent.emplace_back(file.toStdString());
        }
    }
}

void CMainFrame::saveRecent() const {
    QSettings settings(settingsFile(mSettingsFolder), QSettings::IniFormat);
    QStringList files;
    for (const std::filesystem::path& path : mRecent) {
        files << QString::fromStdString(path.string());
    }
    settings.setValue(QStringLiteral("recientes"), files);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile()) {
        event->acceptProposedAction();
        openDocument(urls.first().toLocalFile().toStdString());
    }
}

} // namespace brisalta::ui
