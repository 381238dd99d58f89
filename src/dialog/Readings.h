// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMutex>
#include <QObject>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>

namespace terravia {

// Directories are read on threads of the program's own, so that a directory of many thousand
// entries, or a share that stopped answering, does not stop the window. What is read reaches the
// window's thread only, and only while its receiver lives: a reading that ends after the receiver
// has gone reaches nothing. Nothing waits for a reading, not even the program's exit (the pool is
// never taken down).
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

// Readings of one kind where only the newest request counts: a result that a newer request
// has made stale is dropped. A request for the directory being read waits for that reading,
// and replaces one that was waiting before it; a request for another directory is read at
// once, so that a directory that does not answer holds back none of the others.
template <typename Result> class NewestReading {
public:
    using Read = std::function<Result(const QString& directory)>;
    using Show = std::function<void(const Result&)>;

    NewestReading(Read read, Show show)
        : read_(std::move(read))
        , show_(std::move(show)) {}

    void request(const QString& directory) {
        ++asked_;
        if (running_.contains(directory)) {
            waiting_ = directory;
            return;
        }
        waiting_.clear();
        Start(directory);
    }

    // True while the newest request is not answered.
    bool pending() const { return shown_ != asked_; }

private:
    void Start(const QString& directory) {
        running_.insert(directory);
        post_.run<Result>([read = read_, directory] { return read(directory); },
                          [this, directory, asked = asked_](Result result) {
                              running_.remove(directory);
                              if (asked == asked_) {
                                  shown_ = asked;
                                  show_(result);
                              } else if (waiting_ == directory) {
                                  waiting_.clear();
                                  Start(directory);
                              }
                          });
    }

    Read read_;
    Show show_;
    QSet<QString> running_;
    QString waiting_;
    int asked_ = 0;
    int shown_ = 0;
    ReadingPost post_; // last, so that it goes first
};

} // namespace terravia
