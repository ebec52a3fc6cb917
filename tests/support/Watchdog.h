#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

// Ends the test program when what it guards outlasts `limit`: a hang that no
// event can interrupt (a loop on the window's thread) fails the test instead
// of keeping it running for ever.
class Watchdog {
public:
    Watchdog(std::chrono::milliseconds limit, const char* what)
        : thread_([this, limit, what] {
              std::unique_lock<std::mutex> lock(mutex_);
              if (!ended_.wait_for(lock, limit, [this] { return done_; })) {
                  std::fprintf(stderr, "Watchdog: %s took longer than %lld ms\n", what,
                               static_cast<long long>(limit.count()));
                  std::abort();
              }
          }) {}
    ~Watchdog() {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            done_ = true;
        }
        ended_.notify_all();
        thread_.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    std::mutex mutex_;
    std::condition_variable ended_;
    bool done_ = false;
    std::thread thread_;  // last: it starts once the rest is there
};
