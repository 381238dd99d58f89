// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialog/Watches.h"

#include <QFileSystemWatcher>
#include <QThread>

namespace terravia {

// The watcher on its thread: it takes a directory, watches it, and says so. Its system
// watcher is made on that thread, which Windows' own ties to the thread that makes it.
class Watcher : public QObject {
    Q_OBJECT

public:
    void add(const QString& directory, bool alone) {
        if (watcher_ == nullptr) {
            watcher_ = new QFileSystemWatcher(this);
            connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &Watcher::changed);
        }
        const QStringList watched = watcher_->directories();
        if (alone && !watched.isEmpty() && watched != QStringList{directory})
            watcher_->removePaths(watched);
        if (!watcher_->directories().contains(directory))
            watcher_->addPath(directory);
        Q_EMIT added(directory);
    }

Q_SIGNALS:
    void added(const QString& directory);
    void changed(const QString& directory);

private:
    QFileSystemWatcher* watcher_ = nullptr;
};

Watches::Watches(QObject* parent)
    : QObject(parent)
    , thread_(new QThread)
    , watcher_(new Watcher) {
    thread_->setObjectName(QStringLiteral("Watches"));
    watcher_->moveToThread(thread_);
    connect(this, &Watches::add, watcher_, &Watcher::add);
    connect(watcher_, &Watcher::added, this, &Watches::watching);
    connect(watcher_, &Watcher::changed, this, &Watches::changed);
    connect(thread_, &QThread::finished, watcher_, &QObject::deleteLater);
    connect(thread_, &QThread::finished, thread_, &QObject::deleteLater);
    thread_->start();
}

// The thread ends once it has done what it was asked, and then goes; nothing waits for it.
Watches::~Watches() {
    disconnect(watcher_, nullptr, this, nullptr);
    thread_->quit();
}

void Watches::watch(const QString& directory) {
    Q_EMIT add(directory, false);
}

void Watches::watchOnly(const QString& directory) {
    Q_EMIT add(directory, true);
}

} // namespace terravia

#include "Watches.moc"
