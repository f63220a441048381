// A short job started on another core of the machine at once.
//
// Linux puts a new thread in the queue of the core that creates it; while
// that core stays busy, the thread waits for the scheduler's next balancing
// tick to move it to an idle core. On the two-core machines measured that is
// 1 to 3.5 ms, longer than half a picture's compression. A thread created
// with its affinity set to another core starts there in about 0.1 ms; once
// running it is free again to use any core the process may use.
#pragma once

#include <pthread.h>

#include <functional>

namespace brisalta {

class CoreThread {
public:
    // Starts `job` on another core (any core when the process may only use
    // one, or the core cannot be chosen). started() is false when no thread
    // could be made; the job has then not run.
    explicit CoreThread(std::function<void()> job);
    ~CoreThread(); // waits for the job
    CoreThread(const CoreThread&) = delete;
    CoreThread& operator=(const CoreThread&) = delete;

    bool started() const { return mStarted; }
    // Returns once the job has ended (at once when none was started).
    void join();

private:
    pthread_t mThread{};
    bool mStarted = false;
};

} // namespace brisalta
