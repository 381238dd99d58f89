// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Errand.h"

#include <thread>

namespace terravia {
namespace {

thread_local Errand* ThisThreadsErrand = nullptr;

// The errands under way, for the program's exit.
std::mutex RunningMutex;
std::condition_variable RunningChanged;
int Running = 0;

} // namespace

bool Errand::finished() const {
    const std::lock_guard lock(mutex_);
    return finished_;
}

bool Errand::stuck(std::chrono::milliseconds patience) const {
    const std::lock_guard lock(mutex_);
    return !finished_ && CallStuck(Clock::now(), patience);
}

bool Errand::await(std::chrono::milliseconds patience, std::chrono::milliseconds limit) {
    const Clock::time_point end = Clock::now() + limit;
    std::unique_lock lock(mutex_);
    for (;;) {
        if (finished_)
            return true;
        const Clock::time_point now = Clock::now();
        if (now >= end || CallStuck(now, patience))
            return false;
        // A call that starts later has a later deadline: woken at its start, this looks again.
        const Clock::time_point deadline = calling_ ? std::min(end, callStarted_ + patience) : end;
        changed_.wait_until(lock, deadline);
    }
}

bool Errand::abandon() {
    const std::lock_guard lock(mutex_);
    if (finished_)
        return false;
    abandoned_ = true;
    return true;
}

bool Errand::abandoned() const {
    const std::lock_guard lock(mutex_);
    return abandoned_;
}

void Errand::finish() {
    {
        const std::lock_guard lock(mutex_);
        finished_ = true;
    }
    changed_.notify_all();
}

std::shared_ptr<Errand> StartErrand(std::function<void()> work) {
    auto errand = std::make_shared<Errand>();
    {
        const std::lock_guard lock(RunningMutex);
        ++Running;
    }
    std::thread([errand, work = std::move(work)] {
        ThisThreadsErrand = errand.get();
        work();
        ThisThreadsErrand = nullptr;
        errand->finish();
        {
            const std::lock_guard lock(RunningMutex);
            --Running;
        }
        RunningChanged.notify_all();
    }).detach();
    return errand;
}

CallMark::CallMark() {
    if (Errand* errand = ThisThreadsErrand) {
        {
            const std::lock_guard lock(errand->mutex_);
            errand->calling_ = true;
            errand->callStarted_ = Errand::Clock::now();
        }
        errand->changed_.notify_all();
    }
}

CallMark::~CallMark() {
    if (Errand* errand = ThisThreadsErrand) {
        const std::lock_guard lock(errand->mutex_);
        errand->calling_ = false;
    }
}

bool ErrandAbandoned() {
    return ThisThreadsErrand != nullptr && ThisThreadsErrand->abandoned();
}

bool SettleErrand() {
    Errand* errand = ThisThreadsErrand;
    if (errand == nullptr)
        return true;
    {
        const std::lock_guard lock(errand->mutex_);
        if (errand->abandoned_)
            return false;
        errand->finished_ = true;
    }
    errand->changed_.notify_all();
    return true;
}

bool AwaitErrands(std::chrono::milliseconds limit) {
    std::unique_lock lock(RunningMutex);
    return RunningChanged.wait_for(lock, limit, [] { return Running == 0; });
}

} // namespace terravia
