// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialog/Dialog.h"
#include "dialog/DirectoryTree.h"

#include "dialog/Readings.h"
#include "dialog/Volumes.h"
#include "support/Columns.h"
#include "support/Heard.h"
#include "support/ModalDriver.h"
#include "support/TestMain.h"
#include "support/Texts.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSemaphore>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTreeView>

#include <atomic>

using namespace terravia;
using namespace terravia::test;
using namespace Qt::Literals::StringLiterals;

namespace {

using Volumes = std::vector<Volume>;

QStringList Listed(QAbstractItemView* view) {
    QStringList names;
    const QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(view->rootIndex()); ++row)
        names.append(model->index(row, 0, view->rootIndex()).data().toString());
    names.sort();
    return names;
}

QModelIndex Row(QAbstractItemView* view, const QModelIndex& parent, const QString& name) {
    const QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(parent); ++row) {
        if (model->index(row, 0, parent).data().toString() == name)
            return model->index(row, 0, parent);
    }
    return {};
}

void Click(QAbstractItemView* view, const QModelIndex& index) {
    view->scrollTo(index); // also lays out rows that moved since the last paint
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

bool Shown(QWidget& dialog) {
    dialog.show();
    return QTest::qWaitForWindowExposed(&dialog, Deadline);
}

void Touch(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

Volume Made(const char* root, const char* type, bool valid = true, bool ready = true,
            bool readOnly = false) {
    return {QLatin1StringView(root), {}, type, valid, ready, readOnly};
}

} // namespace

class DialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        QDir(dir_.path()).mkpath(u"zsub"_s);
        Touch(dir_.filePath(u"b.csv"_s));
        Touch(dir_.filePath(u"a.txt"_s));
        Touch(dir_.filePath(u"zsub/inner.txt"_s));
    }

    void startState() {
        Dialog dialog(nullptr, dir_.path());
        QCOMPARE(dialog.windowTitle(), u"Dialog Caption"_s);
        QCOMPARE(dialog.minimumSize(), QSize(354, 488));
        QCOMPARE(dialog.maximumSize(), QSize(354, 488));
        QVERIFY(!(dialog.windowFlags() &
                  (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(dialog.geometry(), QRect(184, 250, 354, 488));
        const QList<QPushButton*> buttons = dialog.findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 1);
        QCOMPARE(buttons[0]->objectName(), u"OKButton"_s);
        QCOMPARE(buttons[0]->text(), u"OK"_s);
        QVERIFY(Control<QLineEdit>(dialog, "Text1")->text().isEmpty());
        // The drive list is heard by what it chooses, open and closed.
        auto* drives = Control<QComboBox>(dialog, "Drive1");
        QCOMPARE(ListHeardWrongly(*drives, u"Drive"_s), QString());
        drives->showPopup();
        QCOMPARE(ListHeardWrongly(*drives, u"Drive"_s), QString());
        drives->hidePopup();

        struct Place {
            const char* name;
            QRect geometry;
        };
        constexpr Place places[] = {{"OKButton", {128, 448, 97, 33}},
                                    {"Drive1", {8, 8, 337, 21}},
                                    {"Dir1", {8, 32, 337, 186}},
                                    {"File1", {8, 224, 337, 188}},
                                    {"Text1", {8, 416, 337, 25}}};
        QList<QWidget*> named;
        for (const Place& place : places) {
            named.append(Control<QWidget>(dialog, place.name));
            QCOMPARE(named.last()->geometry(), place.geometry);
        }
        QList<QWidget*> tabOrder;
        QWidget* widget = named[0];
        do {
            if (named.contains(widget) && (widget->focusPolicy() & Qt::TabFocus))
                tabOrder.append(widget);
            widget = widget->nextInFocusChain();
        } while (widget != named[0]);
        QCOMPARE(tabOrder, named);
    }

    void opensOnTheStartDirectory() {
        Dialog dialog(nullptr, dir_.path());
        auto* tree = Control<QTreeView>(dialog, "Dir1");
        QCOMPARE(tree->currentIndex().data(QFileSystemModel::FilePathRole).toString(), dir_.path());
        QCOMPARE(dialog.directoryText(), QDir::toNativeSeparators(dir_.path()));
        QTRY_COMPARE_WITH_TIMEOUT(Listed(Control<QListView>(dialog, "File1")),
                                  (QStringList{u"a.txt"_s, u"b.csv"_s}), Deadline);
        // The volume that holds the directory; where no mounted volume is seen to hold it (inside
        // a chroot), the file system's root, so that the drive list never shows a blank.
        const QString root = QStorageInfo(dir_.path()).rootPath();
        auto* drives = Control<QComboBox>(dialog, "Drive1");
        QCOMPARE(drives->currentData().toString(), root.isEmpty() ? QDir::rootPath() : root);
        QVERIFY(!drives->currentText().isEmpty());
    }

    void fileClickFillsTheName() {
        Dialog dialog(nullptr, dir_.path());
        QVERIFY(Shown(dialog));
        auto* files = Control<QListView>(dialog, "File1");
        QTRY_VERIFY_WITH_TIMEOUT(Row(files, files->rootIndex(), u"b.csv"_s).isValid(), Deadline);

        Click(files, Row(files, files->rootIndex(), u"b.csv"_s));

        QCOMPARE(Control<QLineEdit>(dialog, "Text1")->text(), u"b.csv"_s);
    }

    void returnInTheFileListOnlyPicks() {
        Dialog dialog(nullptr, dir_.path());
        QVERIFY(Shown(dialog));
        auto* files = Control<QListView>(dialog, "File1");
        files->setFocus();
        QTRY_VERIFY_WITH_TIMEOUT(Row(files, files->rootIndex(), u"b.csv"_s).isValid(), Deadline);
        files->setCurrentIndex(Row(files, files->rootIndex(), u"b.csv"_s));

        QTest::keyClick(files, Qt::Key_Return);

        QCOMPARE(Control<QLineEdit>(dialog, "Text1")->text(), u"b.csv"_s);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), 0);
    }

    void fileListFollowsItsDirectory() {
        QTemporaryDir dir;
        const QString start = dir.filePath(u"start"_s);
        QDir(dir.path()).mkpath(u"start/sub"_s);
        Touch(start + u"/b.csv"_s);
        Touch(start + u"/d.txt"_s);
        Dialog dialog(nullptr, start);
        QVERIFY(Shown(dialog));
        auto* files = Control<QListView>(dialog, "File1");
        QTRY_VERIFY_WITH_TIMEOUT(Row(files, files->rootIndex(), u"d.txt"_s).isValid(), Deadline);
        files->setCurrentIndex(Row(files, files->rootIndex(), u"d.txt"_s));

        // Made and removed by another program while the dialog is open; the user stays where
        // they stood, and nothing is picked for them.
        Touch(start + u"/a.txt"_s);
        QTRY_COMPARE_WITH_TIMEOUT(Listed(files), (QStringList{u"a.txt"_s, u"b.csv"_s, u"d.txt"_s}),
                                  Deadline);
        QCOMPARE(files->currentIndex().data().toString(), u"d.txt"_s);
        QVERIFY(QFile::remove(start + u"/b.csv"_s));
        QTRY_COMPARE_WITH_TIMEOUT(Listed(files), (QStringList{u"a.txt"_s, u"d.txt"_s}), Deadline);
        QCOMPARE(files->currentIndex().data().toString(), u"d.txt"_s);
        QVERIFY(Control<QLineEdit>(dialog, "Text1")->text().isEmpty());

        // The next directory is followed in its turn.
        auto* tree = Control<QTreeView>(dialog, "Dir1");
        const QPersistentModelIndex here = tree->currentIndex();
        QTRY_VERIFY_WITH_TIMEOUT(Row(tree, here, u"sub"_s).isValid(), Deadline);
        tree->setCurrentIndex(Row(tree, here, u"sub"_s));
        QCOMPARE(Listed(files), QStringList());
        Touch(start + u"/sub/f.txt"_s);
        QTRY_COMPARE_WITH_TIMEOUT(Listed(files), QStringList{u"f.txt"_s}, Deadline);
    }

    void currentDirectoryAndItsSubdirectoriesInView() {
        for (const char* name : {"sub1", "sub2", "sub3"})
            QDir(dir_.path()).mkpath(QLatin1StringView(name));
        Dialog dialog(nullptr, dir_.path());
        QVERIFY(Shown(dialog));
        auto* tree = Control<QTreeView>(dialog, "Dir1");
        const QPersistentModelIndex current = tree->currentIndex();
        QTRY_COMPARE_WITH_TIMEOUT(tree->model()->rowCount(current), 4, Deadline);
        const QRect shown = tree->viewport()->rect();

        for (int row = 0; row < 3; ++row)
            QTRY_VERIFY_WITH_TIMEOUT(
                shown.contains(tree->visualRect(tree->model()->index(row, 0, current))), Deadline);
        QVERIFY(shown.contains(tree->visualRect(current)));
    }

    void directoryChangeKeepsTheName_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("type-ahead") << u"keys"_s;
        QTest::newRow("mouse") << u"mouse"_s;
        QTest::newRow("current index") << u"index"_s;
    }

    void directoryChangeKeepsTheName() {
        QFETCH(QString, how);
        Dialog dialog(nullptr, dir_.path());
        QVERIFY(Shown(dialog));
        auto* tree = Control<QTreeView>(dialog, "Dir1");
        auto* files = Control<QListView>(dialog, "File1");
        QTRY_VERIFY_WITH_TIMEOUT(Row(files, files->rootIndex(), u"a.txt"_s).isValid(), Deadline);
        Click(files, Row(files, files->rootIndex(), u"a.txt"_s));
        // Rows move as their directories are listed: only a persistent index stays on its item.
        const QPersistentModelIndex start = tree->currentIndex();
        QTRY_VERIFY_WITH_TIMEOUT(Row(tree, start, u"zsub"_s).isValid(), Deadline);
        QTRY_VERIFY_WITH_TIMEOUT(tree->isExpanded(start), Deadline);

        const QPersistentModelIndex sub = Row(tree, start, u"zsub"_s);
        if (how == QLatin1StringView("keys"))
            QTest::keyClicks(tree, u"zsu"_s);
        else if (how == QLatin1StringView("mouse"))
            Click(tree, sub);
        else
            tree->setCurrentIndex(sub);

        QCOMPARE(QPersistentModelIndex(tree->currentIndex()), sub);
        QCOMPARE(dialog.directoryText(), QDir::toNativeSeparators(dir_.filePath(u"zsub"_s)));
        QTRY_COMPARE_WITH_TIMEOUT(Listed(files), QStringList{u"inner.txt"_s}, Deadline);
        QCOMPARE(Control<QLineEdit>(dialog, "Text1")->text(), u"a.txt"_s);
        Control<QPushButton>(dialog, "OKButton")->click();
        QCOMPARE(dialog.path(), QDir::toNativeSeparators(dir_.filePath(u"zsub/a.txt"_s)));
    }

    void okBuildsThePath_data() {
        Columns<QString, QString, QString>({"start", "name", "path"});
        const QString below = QDir::toNativeSeparators(dir_.path()) + QDir::separator();
        QTest::newRow("below the root") << dir_.path() << u"report"_s << below + u"report"_s;
        QTest::newRow("empty name") << dir_.path() << QString() << below;
#ifndef Q_OS_WIN
        QTest::newRow("at the root") << u"/"_s << u"report"_s << u"//report"_s;
#endif
    }

    void okBuildsThePath() {
        QFETCH(QString, start);
        QFETCH(QString, name);
        QFETCH(QString, path);
        Dialog dialog(nullptr, start);
        QTest::keyClicks(Control<QLineEdit>(dialog, "Text1"), name);

        Control<QPushButton>(dialog, "OKButton")->click();

        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.path(), path);
    }

    void choosableVolumes_data() {
        Columns<Volumes, QStringList>({"mounted", "roots"});
        const Volume disk = Made("/", "ext4");
        QTest::newRow("disks kept in order")
            << Volumes{disk, Made("/home/", "xfs"), Made("/media/usb", "vfat")}
            << QStringList{u"/"_s, u"/home/"_s, u"/media/usb"_s};
        QTest::newRow("pseudo file systems dropped")
            << Volumes{Made("/proc", "proc"), Made("/run", "tmpfs"), Made("/snap/x", "squashfs"),
                       Made("/", "overlay"),  Made("/sys", "sysfs"), Made("/dev", "devtmpfs"),
                       Made("/data", "btrfs")}
            << QStringList{u"/data"_s};
        QTest::newRow("read-only, not ready, invalid dropped")
            << Volumes{Made("/cdrom", "iso9660", true, true, true),
                       Made("/floppy", "vfat", true, false), Made("/gone", "ext4", false), disk}
            << QStringList{u"/"_s};
        QTest::newRow("each root once") << Volumes{disk, Made("/", "ext4")} << QStringList{u"/"_s};
        QTest::newRow("none") << Volumes{} << QStringList{};
    }

    void choosableVolumes() {
        QFETCH(Volumes, mounted);
        QFETCH(QStringList, roots);
        QStringList chosen;
        for (const Volume& volume : ChoosableVolumes(mounted))
            chosen.append(volume.rootPath);
        QCOMPARE(chosen, roots);
    }

    void startDirectoryPrefersDriveC() {
        QCOMPARE(StartDirectory({Made("D:/", "NTFS"), Made("C:/", "NTFS")}), u"c:/"_s);
        QCOMPARE(StartDirectory({Made("/", "ext4"), Made("/c", "ext4")}), QDir::homePath());
    }

    // Qt's own checks of a model hold while the tree reads and directories appear, vanish
    // and are renamed under it.
    void treeModelHoldsWhileDirectoriesChange() {
#if defined(Q_OS_WIN)
        // Under Wine the tester's first walk of the tree has not been seen to end, for a cause
        // not yet found; the model is the same code on both systems.
        QSKIP("under Wine the model tester's walk does not end");
#endif
        QTemporaryDir root;
        QDir top(root.path());
        for (const QString& name : {u"a/inner"_s, u"b"_s})
            top.mkpath(name);
        DirectoryTree tree(QIcon(), {root.path()});
        const QAbstractItemModelTester tester(
            &tree, QAbstractItemModelTester::FailureReportingMode::QtTest);
        const QModelIndex drive = tree.index(0, 0);
        const auto shown = [&] {
            QStringList names;
            for (int row = 0; row < tree.rowCount(drive); ++row)
                names.append(tree.index(row, 0, drive).data().toString());
            return names;
        };
        tree.fetchMore(drive);
        QTRY_COMPARE_WITH_TIMEOUT(shown(), (QStringList{u"a"_s, u"b"_s}), Deadline);
        top.mkdir(u"c"_s);
        top.rmdir(u"b"_s);
        top.rename(u"a"_s, u"d"_s);
        QTRY_COMPARE_WITH_TIMEOUT(shown(), (QStringList{u"c"_s, u"d"_s}), Deadline);
    }

    // A request for the directory being read waits for that reading, and replaces one that
    // waited before it; a directory that does not answer holds back no other.
    void readingsWaitOnlyForTheirOwnDirectory() {
        QSemaphore started, release, finished;
        std::atomic<int> heldReadings = 0;
        QStringList shown;
        auto reading = std::make_unique<NewestReading<QString>>(
            [&](const QString& directory) {
                if (directory == u"held"_s) {
                    ++heldReadings;
                    started.release();
                    release.acquire();
                    finished.release();
                }
                return directory;
            },
            [&](const QString& result) { shown.append(result); });
        reading->request(u"held"_s);
        started.acquire();
        reading->request(u"held"_s);
        reading->request(u"held"_s);
        release.release(2);
        QTRY_COMPARE_WITH_TIMEOUT(shown, QStringList{u"held"_s}, Deadline);
        finished.acquire(2);
        QCOMPARE(heldReadings.load(), 2);

        reading->request(u"held"_s);
        started.acquire();
        reading->request(u"other"_s);
        QTRY_COMPARE_WITH_TIMEOUT(shown, (QStringList{u"held"_s, u"other"_s}), Deadline);
        QVERIFY(!reading->pending());

        // Gone while a reading is held, as a dialog closed on a share that stopped answering:
        // nothing waits, and the reading ends unseen.
        reading.reset();
        release.release();
        finished.acquire();
        QCoreApplication::processEvents();
        QCOMPARE(shown, (QStringList{u"held"_s, u"other"_s}));
    }

private:
    QTemporaryDir dir_;
};

TERRAVIA_TEST_MAIN(DialogTest)
#include "DialogTest.moc"
