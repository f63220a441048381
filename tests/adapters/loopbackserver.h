// A fixture server (a small /usr/bin/python3 script) on 127.0.0.1: started
// with the test, stopped with the object. The script prints its port and
// ends by itself when its standard input closes, so even a crashed test
// leaves no server behind.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace brisalta::test {

class LoopbackServer {
public:
    // Runs /usr/bin/python3 <script> <arguments...> and waits (up to 20 s)
    // for the port line. port() is 0 when the server did not come up.
    LoopbackServer(const std::string& script, const std::vector<std::string>& arguments);
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    int port() const { return mPort; }

private:
    pid_t mPid = -1;
    int mStdin = -1;
    int mPort = 0;
};

// A port on 127.0.0.1 where nothing listens (bound, then released).
int closedLoopbackPort();

// The fixture servers of a test program, started at their first use: HTTP
// over tests/data (httpfixture.py) and FTP over tests/data/net/ftp
// (ftpfixture.py).
LoopbackServer& dataHttpServer();
LoopbackServer& dataFtpServer();

// "127.0.0.1:<port>".
std::string loopback(int port);

} // namespace brisalta::test
