// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialog/Readings.h"

#include <QThreadPool>

namespace terravia {
namespace {

// A thread for each reading under way, however many a share that stopped answering holds:
// no reading ever waits for a thread. Idle threads go after half a minute.
constexpr int ReadingThreads = 1 << 20;

QThreadPool& Pool() {
    // Never destroyed: the program's exit does not wait for a reading that a slow mount holds.
    static QThreadPool* const pool = [] {
        auto* created = new QThreadPool;
        created->setMaxThreadCount(ReadingThreads);
        return created;
    }();
    return *pool;
}

} // namespace

ReadingPost::ReadingPost()
    : link_(std::make_shared<Link>())
    , receiver_(std::make_unique<QObject>()) {
    link_->receiver = receiver_.get();
}

ReadingPost::~ReadingPost() {
    const QMutexLocker locker(&link_->mutex);
    link_->receiver = nullptr;
    // Deleting the receiver drops what was delivered to it and not yet run.
}

void ReadingPost::Start(std::function<void()> task) {
    Pool().start(std::move(task));
}

} // namespace terravia
