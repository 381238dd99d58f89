// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialog/Watches.h"

#include <QFileSystemWatcher>
#include <QThread>

namespace terravia {

// The watcher on its thread: it takes a directory, watches it, and says so.
class Watcher : public QFileSystemWatcher {
    Q_OBJECT

public:
    void add(const QString& directory, bool alone) {
        if (alone && !directories().isEmpty() && directories() != QStringList{directory})
            removePaths(directories());
        if (!directories().contains(directory))
            addPath(directory);
        Q_EMIT added(directory);
    }

Q_SIGNALS:
    void added(const QString& directory);
};

Watches::Watches(QObject* parent)
    : QObject(parent)
    , thread_(new QThread)
    , watcher_(new Watcher) {
    thread_->setObjectName(QStringLiteral("Watches"));
    watcher_->moveToThread(thread_);
    connect(this, &Watches::add, watcher_, &Watcher::add);
    connect(watcher_, &Watcher::added, this, &Watches::watching);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &Watches::changed);
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
