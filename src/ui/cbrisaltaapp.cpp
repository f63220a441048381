// Start-up of the desktop program.
#include "ui/cbrisaltaapp.h"

#include "app/commandcontext.h"
#include "app/commandset.h"
#include "adapters/systemclock.h"
#include "adapters/signalcleanup.h"
#include "adapters/xdgplaces.h"
#include "app/emacommands.h"
#include "catalogues/emalist.h"
#include "adapters/curl/curltransport.h"
#include "adapters/replaytransport.h"
#include "session/sessionstate.h"
#include "settings/meteoini.h"
#include "settings/services.h"
#include "settings/settingsfolder.h"
#include "ui/cmainframe.h"
#include "ui/csplashwnd.h"
#include "ui/qtext.h"
#include "ui/qtui.h"
#include "ui/threadedtransport.h"

#include <QFont>
#include <QGuiApplication>
#include <QScreen>

#include <cstdlib>

namespace brisalta::ui {

std::optional<StartOptions> parseCommandLine(const QStringList& arguments, QString& error) {
    StartOptions options;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == QLatin1String("--demo")) {
            options.demo = true;
        } else if (arg == QLatin1String("--datos") || arg == QLatin1String("--carpeta-datos")) {
            if (i + 1 >= arguments.size()) {
                error = tr8("falta la carpeta de la opción %1").arg(arg);
                return std::nullopt;
            }
            const std::filesystem::path folder = arguments[++i].toStdString();
            if (arg == QLatin1String("--datos")) {
                options.replayFolder = folder;
            } else {
                options.dataFolder = folder;
            }
        } else if (arg == QLatin1String("--sin-imagen")) {
            options.splash = false;
        } else if (arg == QLatin1String("-h") || arg == QLatin1String("--help")) {
            options.help = true;
        } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            error = tr8("opción desconocida: %1").arg(arg);
            return std::nullopt;
        } else if (options.document.empty()) {
            options.document = arg.toStdString();
        } else {
            error = tr8("solo se puede abrir un documento a la vez");
            return std::nullopt;
        }
    }
    return options;
}

QString usageText() {
    return tr8("Uso: brisalta [OPCIONES] [DOCUMENTO.brl]\n"
               "\n"
               "Gráficas de 24 horas de aeropuertos y estaciones automáticas, y sondeos\n"
               "con simulación de térmicas.\n"
               "\n"
               "Opciones:\n"
               "  --demo                 responde cada descarga con los datos de demostración\n"
               "                         instalados con el programa (sin conexión)\n"
               "  --datos CARPETA        responde cada descarga con las respuestas grabadas en\n"
               "                         CARPETA (véase el README)\n"
               "  --carpeta-datos DIR    carpeta de datos del programa en lugar de la instalada\n"
               "  --sin-imagen           no muestra la imagen de descarga\n"
               "  -h, --help             muestra esta ayuda\n");
}

std::filesystem::path resolveDataFolder(const std::filesystem::path& option) {
    return XdgPlaces::resolveDataFolder(option);
}

struct CBrisaltaApp::Parts {
    explicit Parts(const StartOptions& options)
        : places(resolveDataFolder(options.dataFolder)) {}

    XdgPlaces places;
    SystemClock clock;
    ServiceTable services;
    SessionState session;
    std::unique_ptr<Transport> network;
    std::unique_ptr<ThreadedTransport> transport;
    QtUi ui;
    std::unique_ptr<CommandContext> context;
    std::unique_ptr<CommandSet> commands;
    std::unique_ptr<CMainFrame> window;
};

CBrisaltaApp::CBrisaltaApp(const StartOptions& options)
    : mParts(std::make_unique<Parts>(options)), mOptions(options) {
    Parts& p = *mParts;
    // The program's Windows font names resolve to the metric-compatible faces.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Ms Sans Serif"), QStringLiteral("Liberation Sans"));

    // Closed by a signal, the program still takes its temporary files with it.
    signalcleanup::exitOnSignals();
    const std::filesystem::path settings = p.places.settingsFolder();
    prepareSettingsFolder(settings, p.places.dataFolder());
    p.services = loadServiceTable(settings / "servicios.ini");
    loadSettings(p.session, settings / kSettingsFileName);
    if (const auto list = findEmaList(p.places)) {
        LoadEmaList(p.session, *list);
    }

    if (!options.replayFolder.empty()) {
        p.network = std::make_unique<ReplayTransport>(options.replayFolder);
    } else if (options.demo) {
        p.network = std::make_unique<ReplayTransport>(p.places.dataFolder() / "demo");
    } else {
        p.network = std::make_unique<CurlTransport>();
    }
    p.transport = std::make_unique<ThreadedTransport>(*p.network);
    p.ui.splash().setEnabled(options.splash);

    p.context = std::make_unique<CommandContext>(
        CommandContext{p.session, p.ui, *p.transport, p.places, p.clock, p.services});
    p.commands = std::make_unique<CommandSet>(*p.context);
    p.window = std::make_unique<CMainFrame>(p.session, *p.commands, settings);
    CMainFrame* window = p.window.get();
    p.transport->setWindow(window);
    p.ui.attach(
        window, [window] { window->redrawView(); },
        [window](const std::filesystem::path& path) { window->addRecentDocument(path); });
    p.ui.setStatusHandler([window](const std::string& text) { window->showSourceStatus(text); });
}

CBrisaltaApp::~CBrisaltaApp() = default;

void CBrisaltaApp::start() {
    // Without a window manager (a bare X server) "maximized" means nothing, so
    // the window first takes the screen's whole available area itself.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        mParts->window->setGeometry(screen->availableGeometry());
    }
    mParts->window->showMaximized();
    if (!mOptions.document.empty()) {
        mParts->window->openDocument(mOptions.document);
    }
}

CMainFrame& CBrisaltaApp::window() { return *mParts->window; }
SessionState& CBrisaltaApp::session() { return mParts->session; }

} // namespace brisalta::ui
