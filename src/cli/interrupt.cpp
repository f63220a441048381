// Interrupts and the final state of standard output.
#include "cli/interrupt.h"

#include "adapters/signalcleanup.h"
#include "cli/output.h"
#include "cli/subcommands.h"

#include <cerrno>
#include <cstdio>
#include <string>

namespace brisalta::cli {

std::atomic<bool>& interruptFlag() {
    static std::atomic<bool> flag{false};
    return flag;
}

void stopOnInterrupt() {
    signalcleanup::interruptOnSignals(interruptFlag());
}

int finalExitCode(int code) {
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0;
    const int flushErrno = errno;
    if (const int signal = signalcleanup::interruptingSignal(); signal != 0) {
        writeLine(stderr, "brisalta-cli: interrumpido; no se ha terminado la orden.");
        return 128 + signal;
    }
    if (!flushed || std::ferror(stdout)) {
        const std::string why = flushErrno == ENOSPC  ? "no queda espacio en el disco"
                                : flushErrno == EPIPE ? "se ha cerrado la tubería"
                                : flushErrno == EBADF ? "no está abierta"
                                                      : "error de escritura";
        writeLine(stderr, "brisalta-cli: no se ha podido escribir la salida estándar (" + why +
                              "); lo escrito está incompleto.");
        return kExitFailure;
    }
    return code;
}

} // namespace brisalta::cli
