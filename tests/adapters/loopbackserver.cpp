// Fixture servers on the loopback interface.
#include "adapters/loopbackserver.h"

#include "support/testplaces.h"

#include <arpa/inet.h>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace brisalta::test {
namespace {

// Reads the first line the server prints, waiting at most timeoutMs.
std::string readFirstLine(int fd, int timeoutMs) {
    std::string line;
    char c = 0;
    while (line.size() < 32) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, timeoutMs) <= 0 || ::read(fd, &c, 1) != 1 || c == '\n') {
            break;
        }
        line.push_back(c);
    }
    return line;
}

} // namespace

LoopbackServer::LoopbackServer(const std::string& script,
                               const std::vector<std::string>& arguments) {
    int toChild[2];
    int fromChild[2];
    if (::pipe2(toChild, O_CLOEXEC) != 0) {
        return;
    }
    if (::pipe2(fromChild, O_CLOEXEC) != 0) {
        ::close(toChild[0]);
        ::close(toChild[1]);
        return;
    }
    std::vector<std::string> args = {"/usr/bin/python3", script};
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toChild[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fromChild[1], STDOUT_FILENO);
    const int spawned = ::posix_spawn(&mPid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(toChild[0]);
    ::close(fromChild[1]);
    mStdin = toChild[1];
    if (spawned != 0) {
        mPid = -1;
        ::close(fromChild[0]);
        return;
    }
    const std::string line = readFirstLine(fromChild[0], 20000);
    ::close(fromChild[0]);
    try {
        mPort = std::stoi(line);
    } catch (...) {
        mPort = 0;
    }
}

LoopbackServer::~LoopbackServer() {
    if (mStdin >= 0) {
        ::close(mStdin);
    }
    if (mPid > 0) {
        ::kill(mPid, SIGTERM);
        int status = 0;
        while (::waitpid(mPid, &status, 0) < 0 && errno == EINTR) {
        }
    }
}

int closedLoopbackPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
        port = ntohs(address.sin_port);
    }
    ::close(fd);
    return port;
}

LoopbackServer& dataHttpServer() {
    static LoopbackServer server(BRISALTA_NET_TEST_DIR "/httpfixture.py", {dataPath().string()});
    return server;
}

LoopbackServer& dataFtpServer() {
    static LoopbackServer server(BRISALTA_NET_TEST_DIR "/ftpfixture.py",
                                 {(dataPath() / "net" / "ftp").string()});
    return server;
}

std::string loopback(int port) {
    return "127.0.0.1:" + std::to_string(port);
}

} // namespace brisalta::test
