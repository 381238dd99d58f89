// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMutex>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace terravia {

// The one exception to the program's single thread: directories are read on a thread of a
// pool of the program's own, so that a directory of many thousand entries, or a slow mount,
// does not stop the window. What is read reaches the window's thread only, and only while its
// receiver lives: a reading that ends after the receiver has gone reaches nothing. Nothing
// waits for a reading, not even the program's exit (the pool is never taken down).
class ReadingPost {
public:
    ReadingPost();
    ReadingPost(const ReadingPost&) = delete;
    ReadingPost& operator=(const ReadingPost&) = delete;
    // From now on nothing is delivered; a reading under way ends unseen.
    ~ReadingPost();

    // Runs work on the pool, then deliver(result) on this object's thread, if it still lives.
    template <typename Result>
    void run(std::function<Result()> work, std::function<void(Result)> deliver) {
        Start([link = link_, work = std::move(work), deliver = std::move(deliver)] {
            Result result = work();
            const QMutexLocker locker(&link->mutex);
            if (link->receiver != nullptr)
                QMetaObject::invokeMethod(
                    link->receiver,
                    [deliver, result = std::move(result)]() mutable { deliver(std::move(result)); },
                    Qt::QueuedConnection);
        });
    }

private:
    struct Link {
        QMutex mutex;
        QObject* receiver = nullptr; // null once the post is gone
    };
    static void Start(std::function<void()> task);

    std::shared_ptr<Link> link_;
    std::unique_ptr<QObject> receiver_;
};

// Readings of one kind, one at a time, where only the newest request counts: a request made
// while a reading runs waits, and replaces one that was waiting before it; a result that a
// newer request has made stale is dropped.
template <typename Result> class NewestReading {
public:
    using Read = std::function<Result(const QString& directory)>;
    using Show = std::function<void(const Result&)>;

    NewestReading(Read read, Show show)
        : read_(std::move(read))
        , show_(std::move(show)) {}

    void request(const QString& directory) {
        waiting_ = directory;
        ++asked_;
        if (!running_)
            StartWaiting();
    }

private:
    void StartWaiting() {
        running_ = true;
        const QString directory = std::exchange(waiting_, QString());
        post_.run<Result>([read = read_, directory] { return read(directory); },
                          [this, asked = asked_](Result result) {
                              running_ = false;
                              if (asked == asked_)
                                  show_(result);
                              else
                                  StartWaiting();
                          });
    }

    Read read_;
    Show show_;
    QString waiting_;
    int asked_ = 0;
    bool running_ = false;
    ReadingPost post_; // last, so that it goes first
};

} // namespace terravia
