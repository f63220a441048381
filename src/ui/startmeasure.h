// BRISALTA_MEDIR_ARRANQUE=1: the desktop program times its own start and
// says, when it ends, how long after the start of the process the window was
// first painted and how much memory it held. BRISALTA_MEDIR_DOCUMENTOS (".brl"
// paths separated by ':') are opened one after another once the window is
// painted, and standard output then says "documentos dibujados", so that a
// script can read the memory with a graph and a sounding drawn. In this mode
// SIGTERM and SIGINT close the program normally, so the figures still print.
#pragma once

#include <QObject>
#include <QStringList>

#include <chrono>
#include <memory>
#include <optional>

namespace brisalta::ui {

class CMainFrame;

class StartMeasure : public QObject {
    Q_OBJECT

public:
    using Clock = std::chrono::steady_clock;

    // Nothing unless BRISALTA_MEDIR_ARRANQUE is "1". mainStarted: the first
    // thing main() did.
    static std::unique_ptr<StartMeasure> fromEnvironment(Clock::time_point mainStarted);

    // Prints the figures to standard error.
    ~StartMeasure() override;

    // Waits for the first painting of the window's view.
    void watch(CMainFrame& window);

private:
    explicit StartMeasure(Clock::time_point mainStarted);
    void firstFrameShown();
    void listenForTermination();

    Clock::time_point mMainStarted;
    double mMainAfterStartMs = -1.0; // from the process's start time (10 ms grain); -1 unknown
    std::optional<Clock::time_point> mFirstFrame;
    bool mFramePending = false;
    CMainFrame* mWindow = nullptr;
    QStringList mDocuments;
};

} // namespace brisalta::ui
