// A job started on another core: it runs once, join waits for it, and the
// thread is not left tied to the core it was started on.
#include "render/corethread.h"

#include <gtest/gtest.h>

#include <sched.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace brisalta {
namespace {

// The cores the calling thread may use, restricted for the life of the object.
class RestrictedCores {
public:
    explicit RestrictedCores(int count) {
        sched_getaffinity(0, sizeof mSaved, &mSaved);
        cpu_set_t fewer;
        CPU_ZERO(&fewer);
        for (int core = 0, taken = 0; core < CPU_SETSIZE && taken < count; ++core) {
            if (CPU_ISSET(core, &mSaved)) {
                CPU_SET(core, &fewer);
                ++taken;
            }
        }
        sched_setaffinity(0, sizeof fewer, &fewer);
    }
    ~RestrictedCores() { sched_setaffinity(0, sizeof mSaved, &mSaved); }

private:
    cpu_set_t mSaved{};
};

// Purpose: with one core or with all of them, the job runs exactly once and
// join returns after it; afterwards the thread could use every core the
// creating thread could.
TEST(CoreThread, TheJobRunsOnceAndTheThreadIsFreeAfterwards) {
    for (const int cores : {1, CPU_SETSIZE}) {
        const RestrictedCores restricted(cores);
        cpu_set_t creator;
        sched_getaffinity(0, sizeof creator, &creator);
        std::atomic<int> runs{0};
        cpu_set_t seen;
        CPU_ZERO(&seen);
        CoreThread thread([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            sched_getaffinity(0, sizeof seen, &seen);
            ++runs;
        });
        ASSERT_TRUE(thread.started()) << cores;
        thread.join();
        EXPECT_EQ(runs.load(), 1) << cores;
        EXPECT_TRUE(CPU_EQUAL(&seen, &creator)) << cores;
        thread.join(); // a second join is harmless
        EXPECT_EQ(runs.load(), 1) << cores;
    }
}

// Purpose: the destructor waits for the job, so what it writes is there.
TEST(CoreThread, TheDestructorWaitsForTheJob) {
    int value = 0;
    {
        CoreThread thread([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            value = 42;
        });
    }
    EXPECT_EQ(value, 42);
}

} // namespace
} // namespace brisalta
