// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialog/Dialog.h"

#include "controls/Placement.h"
#include "controls/TextField.h"
#include "dialog/DirectoryNames.h"
#include "dialog/DirectoryTree.h"
#include "dialog/Volumes.h"
#include "output/ConclusionsFile.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QStyle>
#include <QTimer>
#include <QTreeView>

namespace terravia {
namespace {

constexpr QSize ClientSize(Twips(5310), Twips(7320));
constexpr QPoint ClientPlace(Twips(2760), Twips(3750));

// A picked drive opens on the program's working directory when that lies on it, as far as
// a drive has a current directory at all, and on its root otherwise.
QString DriveDirectory(const QString& rootPath) {
    const QString current = QDir::currentPath();
    return VolumeOf(current).rootPath == rootPath ? current : rootPath;
}

} // namespace

namespace {

bool IsReturn(const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

Dialog::Dialog(QWidget* parent, const QString& startDirectory)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
    , fileReading_(ListFiles, [this](const QStringList& names) { ShowFiles(names); }) {
    setObjectName(QStringLiteral("Dialog"));
    setWindowTitle(QStringLiteral("Dialog Caption"));
    setFixedSize(ClientSize);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QPoint origin = screen != nullptr ? screen->geometry().topLeft() : QPoint();
    // Placing the client area also keeps QDialog from centring the window over its parent.
    setGeometry(QRect(origin + ClientPlace, ClientSize));
    CreateControls();
    ConnectControls();

    QString start = startDirectory.isEmpty() ? StartDirectory(MountedVolumes()) : startDirectory;
    if (!QFileInfo(start).isDir())
        start = QDir::rootPath();
    FillDrives();
    SetDirectory(start);
    OKButton->setFocus();
}

// Nothing waits here for a reading: one that ends later reaches nothing.
Dialog::~Dialog() = default;

void Dialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Dir1->scrollTo(Dir1->currentIndex(), QAbstractItemView::PositionAtTop);
}

void Dialog::CreateControls() {
    OKButton = MakeControl<QPushButton>(this, "OKButton", TwipRect(1920, 6720, 1455, 495));
    OKButton->setText(QStringLiteral("OK"));
    OKButton->setDefault(true);
    Drive1 = MakeControl<QComboBox>(this, "Drive1", TwipRect(120, 120, 5055, 315));
    Drive1->setAccessibleDescription(QStringLiteral("Drive"));
    Dir1 = MakeControl<QTreeView>(this, "Dir1", TwipRect(120, 480, 5055, 2790));
    Dir1->setAccessibleName(QStringLiteral("Directory"));
    File1 = MakeControl<QListView>(this, "File1", TwipRect(120, 3360, 5055, 2820));
    File1->setAccessibleName(QStringLiteral("Files"));
    Text1 = MakeControl<TextField>(this, "Text1", TwipRect(120, 6240, 5055, 375));
    Text1->setAccessibleName(QStringLiteral("File name"));

    directoryTree_ = new DirectoryTree(style()->standardIcon(QStyle::SP_DirIcon), this);
    Dir1->setModel(directoryTree_);
    Dir1->setHeaderHidden(true);
    Dir1->setEditTriggers(QAbstractItemView::NoEditTriggers);

    fileNames_ = new QStringListModel(this);
    File1->setModel(fileNames_);
    File1->setUniformItemSizes(true);
    File1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    File1->installEventFilter(this);
    chosenDirectoryWatcher_ = new QFileSystemWatcher(this);

    QWidget* order[] = {OKButton, Drive1, Dir1, File1, Text1};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Dialog::ConnectControls() {
    connect(Drive1, &QComboBox::currentIndexChanged, this, &Dialog::Drive1Change);
    // The tree's current directory is the one in use, however the user reached it.
    connect(Dir1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { Dir1Change(current); });
    connect(File1, &QListView::clicked, this, &Dialog::File1Click);
    connect(File1, &QListView::activated, this, &Dialog::File1Click);
    connect(chosenDirectoryWatcher_, &QFileSystemWatcher::directoryChanged, this,
            [this] { fileReading_.request(chosenDirectory_); });
    connect(OKButton, &QPushButton::clicked, this, &Dialog::OKButtonClick);
    connect(Text1, &QLineEdit::textChanged, this, &Dialog::AnnounceDestination);
    // Where the chosen directory has gone, the tree marks no directory as chosen, and OK
    // still names it.
    connect(directoryTree_, &QAbstractItemModel::rowsRemoved, this, [this] {
        if (std::exchange(chosenRowLost_, false))
            Dir1->selectionModel()->clearSelection();
    });
    // The tree fills in the background, and rows arriving above the chosen directory push it
    // down: keep it in view as they come, at the top, with its subdirectories below it, once
    // for each batch, as thousands may come.
    keepChosenInView_ = new QTimer(this);
    keepChosenInView_->setSingleShot(true);
    keepChosenInView_->setInterval(0);
    connect(keepChosenInView_, &QTimer::timeout, this,
            [this] { Dir1->scrollTo(Dir1->currentIndex(), QAbstractItemView::PositionAtTop); });
    connect(directoryTree_, &QAbstractItemModel::rowsInserted, keepChosenInView_,
            qOverload<>(&QTimer::start));
}

void Dialog::FillDrives() {
    const QSignalBlocker blocker(Drive1);
    for (const Volume& volume : ChoosableVolumes(MountedVolumes()))
        Drive1->addItem(DriveText(volume), volume.rootPath);
}

// The volume that holds the directory is listed even when it is not choosable, so that the
// drive list never shows a drive other than the one in use.
void Dialog::ShowVolumeOf(const QString& directory) {
    const Volume holder = VolumeOf(directory);
    const QSignalBlocker blocker(Drive1);
    if (Drive1->findData(holder.rootPath) < 0)
        Drive1->addItem(DriveText(holder), holder.rootPath);
    Drive1->setCurrentIndex(Drive1->findData(holder.rootPath));
}

void Dialog::SetDirectory(const QString& directory) {
    const QModelIndex index = directoryTree_->indexOf(directory);
    if (!index.isValid())
        return;
    Dir1->setCurrentIndex(index);
    for (QModelIndex above = index.parent(); above.isValid(); above = above.parent())
        Dir1->expand(above);
    Dir1->expand(index);
    Dir1->scrollTo(index);
}

QString Dialog::directoryText() const {
    return QDir::toNativeSeparators(chosenDirectory_);
}

void Dialog::Drive1Change(int index) {
    if (index >= 0)
        SetDirectory(DriveDirectory(Drive1->itemData(index).toString()));
}

// Only the user changes the chosen directory: the tree's own move of its current row, when
// another program removes the directory, changes nothing the user chose.
void Dialog::Dir1Change(const QModelIndex& current) {
    if (directoryTree_->removingRows()) {
        chosenRowLost_ = true;
        return;
    }
    if (!current.isValid())
        return;
    chosenDirectory_ = directoryTree_->pathOf(current);
    fileNames_->setStringList({});
    // Watched before it is read, so that no file made while it is read goes unseen.
    if (!chosenDirectoryWatcher_->directories().isEmpty())
        chosenDirectoryWatcher_->removePaths(chosenDirectoryWatcher_->directories());
    chosenDirectoryWatcher_->addPath(chosenDirectory_);
    fileReading_.request(chosenDirectory_);
    ShowVolumeOf(chosenDirectory_);
    AnnounceDestination();
}

// A file made or removed while the dialog is open is listed as it is, and the entry the user
// stands on stays current. An unchanged list is left alone, so that a screen reader does not
// hear it refilled.
void Dialog::ShowFiles(const QStringList& names) {
    if (names == fileNames_->stringList())
        return;
    const QString current = File1->currentIndex().data().toString();
    fileNames_->setStringList(names);
    const qsizetype row = names.indexOf(current);
    if (!current.isEmpty() && row >= 0)
        File1->setCurrentIndex(fileNames_->index(static_cast<int>(row)));
}

void Dialog::File1Click(const QModelIndex& index) {
    if (index.isValid())
        Text1->setText(index.data().toString());
}

// Return in the file list picks the file's name, as a click does, and stops there: it must
// not also press OK and replace a file whose name the user may not have heard.
bool Dialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == File1 && IsReturn(event)) {
        File1Click(File1->currentIndex());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// Where the file will go, as a screen reader reads it on OK and on the name field: the
// directory, and once there is a name the whole path, completed as it will be written.
void Dialog::AnnounceDestination() {
    QString destination = QStringLiteral("Directory: ") + directoryText();
    if (!Text1->text().isEmpty())
        destination += QStringLiteral(". File: ") +
                       WithTxtExtension(directoryText() + QDir::separator() + Text1->text());
    OKButton->setAccessibleDescription(destination);
    Text1->setAccessibleDescription(destination);
}

void Dialog::OKButtonClick() {
    path_ = directoryText() + QDir::separator() + Text1->text();
    accept();
}

} // namespace terravia
