// SPDX-License-Identifier: GPL-3.0-or-later

// The save-location dialog opened on a directory of many entries: how long it takes to show
// them, and the longest time the window did not answer (the longest gap between the ticks of
// a 10 ms timer, from the moment the dialog is asked for until a while after it has shown
// them), and how soon the window is on screen with the directory current. With a
// subdirectory, the user then opens it in the tree, and the window is watched until a while
// after that.
//   terravia_dialog_benchmark DIRECTORY COUNT files|directories [SUBDIRECTORY]
// The memory the open dialog adds is the program's peak less that of a run on an empty
// directory (tools/dialog-benchmark.sh).

#include "dialog/Dialog.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <memory>

using namespace terravia;

namespace {

// After the entries show: long enough for the refreshes that follow them.
constexpr qint64 WatchAfterShownMs = 5000;
constexpr qint64 GiveUpMs = 900000;

// The subdirectory made current in the tree, as the user's keys do; false while the tree does
// not show it yet.
bool Open(const Dialog& dialog, const QString& name) {
    auto* tree = dialog.findChild<QTreeView*>(QStringLiteral("Dir1"));
    const QModelIndex parent = tree->currentIndex();
    for (int row = 0; row < tree->model()->rowCount(parent); ++row) {
        const QModelIndex child = tree->model()->index(row, 0, parent);
        if (child.data().toString() == name) {
            tree->setCurrentIndex(child);
            return true;
        }
    }
    return false;
}

int Listed(const Dialog& dialog, bool files) {
    if (files)
        return dialog.findChild<QListView*>(QStringLiteral("File1"))->model()->rowCount();
    const auto* tree = dialog.findChild<QTreeView*>(QStringLiteral("Dir1"));
    return tree->model()->rowCount(tree->currentIndex());
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: %s DIRECTORY COUNT files|directories [SUBDIRECTORY]\n",
                     argv[0]);
        return 2;
    }
    const QString directory = QString::fromLocal8Bit(argv[1]);
    const int count = QByteArray(argv[2]).toInt();
    const bool files = qstrcmp(argv[3], "files") == 0;
    const QString subdirectory = argc == 5 ? QString::fromLocal8Bit(argv[4]) : QString();

    QElapsedTimer clock;
    clock.start();
    qint64 lastTick = 0;
    qint64 longestPause = 0;
    qint64 shown = -1;
    qint64 onScreen = -1;
    qint64 opened = subdirectory.isEmpty() ? 0 : -1;
    std::unique_ptr<Dialog> dialog;
    QTimer tick;
    tick.setInterval(10);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longestPause = std::max(longestPause, now - lastTick);
        lastTick = now;
        if (onScreen < 0 && dialog != nullptr && dialog->isVisible() &&
            dialog->findChild<QTreeView*>(QStringLiteral("Dir1"))->currentIndex().isValid())
            onScreen = now;
        if (shown < 0 && dialog != nullptr && Listed(*dialog, files) >= count)
            shown = now;
        if (shown >= 0 && opened < 0 && Open(*dialog, subdirectory))
            opened = now;
        const qint64 last = std::max(shown, opened);
        if ((shown >= 0 && opened >= 0 && now - last > WatchAfterShownMs) || now > GiveUpMs)
            app.quit();
    });
    tick.start();
    QTimer::singleShot(0, [&] {
        dialog = std::make_unique<Dialog>(nullptr, directory);
        dialog->show();
    });
    app.exec();
    std::printf("%d %s: on screen after %lld ms, shown after %lld ms, longest pause %lld ms", count,
                argv[3], static_cast<long long>(onScreen), static_cast<long long>(shown),
                static_cast<long long>(longestPause));
    if (!subdirectory.isEmpty())
        std::printf(", %s opened after %lld ms", argv[4], static_cast<long long>(opened));
    std::printf("\n");
    return shown >= 0 && opened >= 0 ? 0 : 1;
}
