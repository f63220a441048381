// Running part of a test in a child process: to stop an export half-way as a
// crash would, or to change limits and privileges without touching the test
// program itself.
#pragma once

#include <functional>
#include <string>

namespace brisalta::test {

// Runs `body` in a forked child and returns the child's exit code (0..255), or
// 1000 + the signal that ended it. The child never returns into the test.
int runInChild(const std::function<int()>& body);

// Output of a command run through the shell; empty when it could not be run.
// `status` receives the command's exit status.
std::string commandOutput(const std::string& command, int* status = nullptr);

} // namespace brisalta::test
