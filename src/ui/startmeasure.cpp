// Timing of the desktop program's start, and its memory, on request.
#include "ui/startmeasure.h"

#include "text/format.h"
#include "ui/cbrisaltaview.h"
#include "ui/cmainframe.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

namespace brisalta::ui {
namespace {

int gSignalPipe[2] = {-1, -1};

void onTerminationSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(gSignalPipe[1], &byte, 1);
}

double msBetween(StartMeasure::Clock::time_point from, StartMeasure::Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Milliseconds since this process started: its start time in /proc/self/stat
// (field 22, clock ticks since boot) against the boot clock now. The ticks are
// 10 ms long; -1 when the file cannot be read.
double msSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string line;
    std::getline(stat, line);
    // The program name (field 2) is in parentheses and may hold blanks.
    const auto nameEnd = line.rfind(')');
    if (nameEnd == std::string::npos) {
        return -1.0;
    }
    std::istringstream fields(line.substr(nameEnd + 1));
    std::string skipped;
    for (int field = 3; field < 22; ++field) {
        fields >> skipped;
    }
    unsigned long long ticks = 0;
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    timespec now{};
    if (!(fields >> ticks) || ticksPerSecond <= 0 || clock_gettime(CLOCK_BOOTTIME, &now) != 0) {
        return -1.0;
    }
    const double nowMs = static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
    return nowMs - static_cast<double>(ticks) * 1000.0 / static_cast<double>(ticksPerSecond);
}

// A "VmRSS:   41234 kB" line of /proc/self/status, in MiB; -1 when missing.
double statusMiB(const char* key) {
    std::ifstream status("/proc/self/status");
    const std::string prefix = std::string(key) + ":";
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(prefix, 0) == 0) {
            return std::stod(line.substr(prefix.size())) / 1024.0;
        }
    }
    return -1.0;
}

} // namespace

std::unique_ptr<StartMeasure> StartMeasure::fromEnvironment(Clock::time_point mainStarted) {
    if (qgetenv("BRISALTA_MEDIR_ARRANQUE") != "1") {
        return nullptr;
    }
    return std::unique_ptr<StartMeasure>(new StartMeasure(mainStarted));
}

StartMeasure::StartMeasure(Clock::time_point mainStarted)
    : mMainStarted(mainStarted),
      mMainAfterStartMs(msSinceProcessStart() - msBetween(mainStarted, Clock::now())) {
    const QString documents = qEnvironmentVariable("BRISALTA_MEDIR_DOCUMENTOS");
    if (!documents.isEmpty()) {
        mDocuments = documents.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    }
    listenForTermination();
}

void StartMeasure::listenForTermination() {
    if (::pipe(gSignalPipe) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(gSignalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [] { QCoreApplication::quit(); });
    std::signal(SIGTERM, onTerminationSignal);
    std::signal(SIGINT, onTerminationSignal);
}

void StartMeasure::watch(CMainFrame& window) {
    mWindow = &window;
    // The view paints inside the window's first frame; the frame is on the
    // screen once that event is over, which a zero timer waits for.
    connect(window.view(), &CBrisaltaView::painted, this, [this] {
        if (!mFirstFrame && !mFramePending) {
            mFramePending = true;
            QTimer::singleShot(0, this, &StartMeasure::firstFrameShown);
        }
    });
}

void StartMeasure::firstFrameShown() {
    mFirstFrame = Clock::now();
    if (mDocuments.isEmpty() || !mWindow) {
        return;
    }
    for (const QString& document : mDocuments) {
        mWindow->openDocument(document.toStdString());
    }
    std::fputs("documentos dibujados\n", stdout);
    std::fflush(stdout);
}

StartMeasure::~StartMeasure() {
    std::string report = "Brisalta, arranque medido (BRISALTA_MEDIR_ARRANQUE=1):\n";
    if (mFirstFrame) {
        const double fromMain = msBetween(mMainStarted, *mFirstFrame);
        if (mMainAfterStartMs >= 0.0) {
            report += text::format("  primer dibujo de la ventana: %.1f ms desde el inicio del proceso "
                                   "(main a %.1f ms; el inicio se conoce con 10 ms de margen)\n",
                                   mMainAfterStartMs + fromMain, mMainAfterStartMs);
        }
        report += text::format("  primer dibujo de la ventana: %.1f ms desde main\n", fromMain);
        const double monotonic = std::chrono::duration<double>(mFirstFrame->time_since_epoch()).count();
        report += text::format("  reloj monotónico del primer dibujo: %.6f s\n", monotonic);
    } else {
        report += "  la ventana no llegó a pintarse\n";
    }
    if (!mDocuments.isEmpty()) {
        report += text::format("  documentos dibujados: %d\n", static_cast<int>(mDocuments.size()));
    }
    report += text::format("  memoria residente al salir: %.1f MiB (máxima %.1f MiB)\n", statusMiB("VmRSS"),
                           statusMiB("VmHWM"));
    std::fputs(report.c_str(), stderr);
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
}

} // namespace brisalta::ui
