// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

class QThread;

namespace terravia {

class Watcher;

// Directories watched for files and directories made, removed or renamed in them. Adding a
// watch looks the directory up, which on a share that stopped answering never returns, so
// the watches live on a thread of their own, which nothing ever waits for: a dialog closed
// while a watch is being added lets it go.
class Watches : public QObject {
    Q_OBJECT

public:
    explicit Watches(QObject* parent = nullptr);
    ~Watches() override;

    // Watches the directory too; once it is watched, watching() tells it.
    void watch(const QString& directory);
    // Watches this directory alone.
    void watchOnly(const QString& directory);

Q_SIGNALS:
    void watching(const QString& directory);
    void changed(const QString& directory);
    // Internal: to the watcher's thread.
    void add(const QString& directory, bool alone);

private:
    QThread* thread_;
    Watcher* watcher_;
};

} // namespace terravia
