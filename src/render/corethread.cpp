// Starting a job on another core.
#include "render/corethread.h"

#include <sched.h>

#include <memory>

namespace brisalta {
namespace {

struct Start {
    std::function<void()> job;
    cpu_set_t allowed{}; // the cores the process may use, given back on start
    bool pinned = false;
};

void* run(void* data) {
    const std::unique_ptr<Start> start(static_cast<Start*>(data));
    if (start->pinned) {
        sched_setaffinity(0, sizeof start->allowed, &start->allowed);
    }
    start->job();
    return nullptr;
}

// The first core the process may use after `here`, round the ring.
bool anotherCore(const cpu_set_t& allowed, cpu_set_t& other) {
    const int here = sched_getcpu();
    CPU_ZERO(&other);
    if (here < 0 || CPU_COUNT(&allowed) < 2) {
        return false;
    }
    for (int step = 1; step < CPU_SETSIZE; ++step) {
        const int core = (here + step) % CPU_SETSIZE;
        if (CPU_ISSET(core, &allowed)) {
            CPU_SET(core, &other);
            return true;
        }
    }
    return false;
}

} // namespace

CoreThread::CoreThread(std::function<void()> job) {
    auto start = std::make_unique<Start>();
    start->job = std::move(job);
    pthread_attr_t attributes;
    if (pthread_attr_init(&attributes) != 0) {
        return;
    }
    cpu_set_t other;
    if (sched_getaffinity(0, sizeof start->allowed, &start->allowed) == 0 &&
        anotherCore(start->allowed, other) &&
        pthread_attr_setaffinity_np(&attributes, sizeof other, &other) == 0) {
        start->pinned = true;
    }
    if (pthread_create(&mThread, &attributes, run, start.get()) == 0) {
        start.release(); // the thread owns it now
        mStarted = true;
    }
    pthread_attr_destroy(&attributes);
}

CoreThread::~CoreThread() {
    join();
}

void CoreThread::join() {
    if (mStarted) {
        pthread_join(mThread, nullptr);
        mStarted = false;
    }
}

} // namespace brisalta
