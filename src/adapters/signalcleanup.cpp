// Removing the temporary files from a signal handler.
#include "adapters/signalcleanup.h"

#include "settings/atomicfile.h"

#include <algorithm>
#include <array>
#include <csignal>
#include <cstring>
#include <string>

#include <dirent.h>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace brisalta::signalcleanup {
namespace {

constexpr std::size_t kSlots = 4;
constexpr std::size_t kPathBytes = 4096;

struct Slot {
    char path[kPathBytes];
    std::atomic<bool> used{false};
};

std::array<Slot, kSlots> gFolders;
std::atomic<bool>* gFlag = nullptr;
std::atomic<int> gSignal{0};

// A folder's entries, read with the raw system call: opendir and readdir may
// allocate, which a signal handler must not.
struct LinuxDirent64 {
    unsigned long long d_ino;
    long long d_off;
    unsigned short d_reclen;
    unsigned char d_type;
    char d_name[1];
};

void emptyAndRemove(const char* folder) noexcept {
    const int fd = ::open(folder, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return;
    }
    alignas(8) static char buffer[8192];
    for (;;) {
        const long n = ::syscall(SYS_getdents64, fd, buffer, sizeof buffer);
        if (n <= 0) {
            break;
        }
        for (long pos = 0; pos < n;) {
            const auto* entry = reinterpret_cast<const LinuxDirent64*>(buffer + pos);
            const char* name = entry->d_name;
            if (std::strcmp(name, ".") != 0 && std::strcmp(name, "..") != 0) {
                ::unlinkat(fd, name, 0);
            }
            pos += entry->d_reclen;
        }
    }
    ::close(fd);
    ::rmdir(folder);
}

void endBy(int signal) noexcept {
    removeLeftovers();
    // Ended by the signal itself, as if it had not been caught: the handler
    // runs with it blocked, so it is let through once its default is back.
    std::signal(signal, SIG_DFL);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    ::sigprocmask(SIG_UNBLOCK, &only, nullptr);
    std::raise(signal);
    _exit(128 + signal);
}

extern "C" void onExitSignal(int signal) {
    endBy(signal);
}

extern "C" void onInterruptSignal(int signal) {
    int none = 0;
    if (gSignal.compare_exchange_strong(none, signal)) {
        if (gFlag) {
            gFlag->store(true);
        }
        return;
    }
    endBy(signal);
}

void install(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a read that waits (standard input) returns, so the tool
    // notices the interrupt.
    action.sa_flags = 0;
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        ::sigaction(signal, &action, nullptr);
    }
}

} // namespace

void watchFolder(const std::filesystem::path& folder) {
    const std::string& name = folder.native();
    if (name.empty() || name.size() >= kPathBytes) {
        return;
    }
    for (Slot& slot : gFolders) {
        if (!slot.used.load()) {
            std::copy(name.begin(), name.end(), slot.path);
            slot.path[name.size()] = '\0';
            slot.used = true;
            return;
        }
    }
}

void forgetFolder(const std::filesystem::path& folder) {
    for (Slot& slot : gFolders) {
        if (slot.used.load() && folder.native() == slot.path) {
            slot.used = false;
        }
    }
}

void removeLeftovers() noexcept {
    removeUnfinishedTemporaryFile();
    for (Slot& slot : gFolders) {
        if (slot.used.exchange(false)) {
            emptyAndRemove(slot.path);
        }
    }
}

void exitOnSignals() {
    install(onExitSignal);
}

void interruptOnSignals(std::atomic<bool>& flag) {
    gFlag = &flag;
    install(onInterruptSignal);
}

int interruptingSignal() {
    return gSignal.load();
}

} // namespace brisalta::signalcleanup
