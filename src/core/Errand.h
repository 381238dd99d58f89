// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

namespace terravia {

// Work that may wait on a file system, done on a thread of its own so that the window's thread
// never waits on one. The work marks each call that may wait (CallMark), so that whoever
// waits for it can tell a call that does not return from work that is merely slow. Whoever
// gives up on it abandons it: the work then undoes what it did, once its call returns.
class Errand {
public:
    using Clock = std::chrono::steady_clock;

    // True once the work has ended.
    bool finished() const;
    // True once a call of the work has been under way for the patience, and not returned.
    bool stuck(std::chrono::milliseconds patience) const;
    // Waits on the calling thread until the work ends, or until one of its calls is stuck, or
    // until the limit; true once the work has ended.
    bool await(std::chrono::milliseconds patience,
               std::chrono::milliseconds limit = std::chrono::hours(24));

    // Gives up on the work: false where it had already ended or settled, whose outcome then
    // stands.
    bool abandon();
    bool abandoned() const;

private:
    friend class CallMark;
    friend std::shared_ptr<Errand> StartErrand(std::function<void()> work);
    friend bool SettleErrand();
    void finish();
    // With the mutex held.
    bool CallStuck(Clock::time_point now, std::chrono::milliseconds patience) const {
        return calling_ && now - callStarted_ >= patience;
    }

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    bool finished_ = false;
    bool abandoned_ = false;
    bool calling_ = false;
    Clock::time_point callStarted_{};
};

// Runs the work on a new thread, which ends with it; nothing ever waits for that thread.
std::shared_ptr<Errand> StartErrand(std::function<void()> work);

// Marks one call of the errand that this thread runs, from its start to its return; marks
// nothing on a thread that runs none.
class CallMark {
public:
    CallMark();
    CallMark(const CallMark&) = delete;
    CallMark& operator=(const CallMark&) = delete;
    ~CallMark();
};

// True where this thread runs an errand that has been abandoned.
bool ErrandAbandoned();
// Tells whoever waits that the outcome of this thread's errand is settled, though tidying may
// follow: false where it was abandoned first, whose work must then be undone. True on a
// thread that runs no errand.
bool SettleErrand();

// Waits at the program's exit for errands still under way, up to the limit: one abandoned
// on a location that has answered again is undoing itself. True when none is left.
bool AwaitErrands(std::chrono::milliseconds limit);

} // namespace terravia
