// The font configuration loaded on a second thread.
#include "render/fontwarmup.h"

#include "render/corethread.h"

#include <fontconfig/fontconfig.h>

#include <atomic>
#include <mutex>
#include <optional>

namespace brisalta {
namespace {

class FontWarmUp {
public:
    // A run that ends before drawing still lets the loading finish. If nothing
    // drew, Qt never took the configuration over (its font database frees
    // it), so it is freed here.
    ~FontWarmUp() {
        wait();
        if (mStarted && !mUsed.load(std::memory_order_acquire)) {
            FcFini();
        }
    }

    void start() {
        const std::lock_guard guard(mLock);
        if (mStarted) {
            return;
        }
        mStarted = true;
        // FcInit loads the default configuration and makes it the current
        // one, which is what Qt's fontconfig database asks for first.
        mThread.emplace([] { FcInit(); });
        mRunning.store(mThread->started(), std::memory_order_release);
    }

    void wait() {
        if (!mRunning.load(std::memory_order_acquire)) {
            return;
        }
        const std::lock_guard guard(mLock);
        mThread->join();
        mRunning.store(false, std::memory_order_release);
    }

    void markUsed() { mUsed.store(true, std::memory_order_release); }

private:
    std::mutex mLock;
    std::optional<CoreThread> mThread;
    std::atomic<bool> mRunning{false};
    std::atomic<bool> mUsed{false};
    bool mStarted = false;
};

FontWarmUp& fontWarmUp() {
    static FontWarmUp warmUp;
    return warmUp;
}

} // namespace

void startFontWarmUp() {
    fontWarmUp().start();
}

void waitForFonts() {
    FontWarmUp& warmUp = fontWarmUp();
    warmUp.markUsed();
    warmUp.wait();
}

} // namespace brisalta
