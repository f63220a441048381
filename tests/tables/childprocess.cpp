// Child processes for the export tests.
#include "childprocess.h"

#include <cerrno>
#include <cstdio>

#include <sys/wait.h>
#include <unistd.h>

namespace brisalta::test {

int runInChild(const std::function<int()>& body) {
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0) {
        return -1;
    }
    if (pid == 0) {
        int code = 99;
        try {
            code = body();
        } catch (...) {
            code = 98;
        }
        ::_exit(code);
    }
    int status = 0;
    pid_t waited = 0;
    do {
        waited = ::waitpid(pid, &status, 0);
    } while (waited < 0 && errno == EINTR);
    if (waited < 0) {
        return -1;
    }
    if (WIFEXITED(status)) {
        return WEXITSTATUS(status);
    }
    return WIFSIGNALED(status) ? 1000 + WTERMSIG(status) : -1;
}

std::string commandOutput(const std::string& command, int* status) {
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        if (status) {
            *status = -1;
        }
        return out;
    }
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        out.append(buffer, n);
    }
    const int result = ::pclose(pipe);
    if (status) {
        *status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
    }
    return out;
}

} // namespace brisalta::test
