// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialog/Dialog.h"

#include "controls/ListPurpose.h"
#include "controls/Placement.h"
#include "controls/TextField.h"
#include "dialog/DirectoryNames.h"
#include "dialog/DirectoryTree.h"
#include "dialog/Watches.h"
#include "output/ConclusionsFile.h"

#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
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
QString DriveDirectory(const QString& rootPath, const std::vector<Volume>& mounted) {
    const QString current = QDir::currentPath();
    return VolumeOf(current, mounted).rootPath == rootPath ? current : rootPath;
}

// How long a directory may take to be read before the file list says it has not answered:
// a reading that takes longer is seen to wait.
constexpr int NotAnsweredAfter = 300; // milliseconds

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
    , fileReading_(ListFiles,
                   [this](const std::optional<QStringList>& names) { ShowFiles(names); }) {
    setObjectName(QStringLiteral("Dialog"));
    setWindowTitle(QStringLiteral("Dialog Caption"));
    setFixedSize(ClientSize);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QPoint origin = screen != nullptr ? screen->geometry().topLeft() : QPoint();
    // Placing the client area also keeps QDialog from centring the window over its parent.
    setGeometry(QRect(origin + ClientPlace, ClientSize));
    CreateControls();
    ConnectControls();

    mounted_ = MountedVolumes();
    FillDrives();
    SetDirectory(startDirectory.isEmpty() ? StartDirectory(mounted_) : startDirectory);
    AskVolumes();
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
    TellListPurpose(*Drive1, QStringLiteral("Drive"));
    Dir1 = MakeControl<QTreeView>(this, "Dir1", TwipRect(120, 480, 5055, 2790));
    Dir1->setAccessibleName(QStringLiteral("Directory"));
    File1 = MakeControl<QListView>(this, "File1", TwipRect(120, 3360, 5055, 2820));
    File1->setAccessibleName(QStringLiteral("Files"));
    Text1 = MakeControl<TextField>(this, "Text1", TwipRect(120, 6240, 5055, 375));
    Text1->setAccessibleName(QStringLiteral("File name"));

    directoryTree_ =
        new DirectoryTree(style()->standardIcon(QStyle::SP_DirIcon), DriveRoots(), this);
    Dir1->setModel(directoryTree_);
    Dir1->setHeaderHidden(true);
    Dir1->setEditTriggers(QAbstractItemView::NoEditTriggers);

    fileNames_ = new QStringListModel(this);
    File1->setModel(fileNames_);
    File1->setUniformItemSizes(true);
    File1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    File1->installEventFilter(this);
    chosenDirectoryWatches_ = new Watches(this);
    // Not an entry of the list, so that it can never be taken for a file's name.
    notAnswered_ =
        new QLabel(QStringLiteral("This directory has not answered yet."), File1->viewport());
    notAnswered_->setObjectName(QStringLiteral("NotAnswered"));
    notAnswered_->move(4, 4);
    notAnswered_->adjustSize();
    notAnswered_->hide();
    tellNotAnswered_ = new QTimer(this);
    tellNotAnswered_->setSingleShot(true);
    tellNotAnswered_->setInterval(NotAnsweredAfter);

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
    // A change told, or one made before the watch was in place, is read again.
    connect(chosenDirectoryWatches_, &Watches::changed, this,
            [this] { fileReading_.request(chosenDirectory_); });
    connect(chosenDirectoryWatches_, &Watches::watching, this, [this](const QString& directory) {
        if (directory == chosenDirectory_)
            fileReading_.request(chosenDirectory_);
    });
    connect(tellNotAnswered_, &QTimer::timeout, this, [this] {
        if (!fileReading_.pending())
            return;
        notAnswered_->show();
        File1->setAccessibleDescription(notAnswered_->text());
    });
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
    for (const Volume& volume : ChoosableVolumes(mounted_))
        Drive1->addItem(DriveText(volume), volume.rootPath);
}

// Each listed drive is asked for its label and state on a reading thread of its own; one that
// does not answer stays listed by its root, without a label.
void Dialog::AskVolumes() {
    for (const Volume& volume : ChoosableVolumes(mounted_))
        volumeReadings_.run<Volume>([volume] { return AskVolume(volume); },
                                    [this](Volume asked) { ShowAsked(asked); });
}

// A drive that turns out not ready or read-only goes from the list, unless it is the one in
// use.
void Dialog::ShowAsked(const Volume& asked) {
    const int row = Drive1->findData(asked.rootPath);
    if (row < 0)
        return;
    const QSignalBlocker blocker(Drive1);
    if (ChoosableVolumes({asked}).empty() && row != Drive1->currentIndex()) {
        Drive1->removeItem(row);
        return;
    }
    Drive1->setItemText(row, DriveText(asked));
    directoryTree_->setLabel(asked.rootPath, asked.name);
}

// The volume that holds the directory is listed even when it is not choosable, so that the
// drive list never shows a drive other than the one in use.
void Dialog::ShowVolumeOf(const QString& directory) {
    const Volume holder = VolumeOf(directory, mounted_);
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
        SetDirectory(DriveDirectory(Drive1->itemData(index).toString(), mounted_));
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
    chosenDirectoryWatches_->watchOnly(chosenDirectory_);
    fileReading_.request(chosenDirectory_);
    tellNotAnswered_->start();
    ShowVolumeOf(chosenDirectory_);
    AnnounceDestination();
}

// A file made or removed while the dialog is open is listed as it is, and the entry the user
// stands on stays current. An unchanged list is left alone, so that a screen reader does not
// hear it refilled.
void Dialog::ShowFiles(const std::optional<QStringList>& read) {
    notAnswered_->hide();
    File1->setAccessibleDescription(QString());
    // A start directory that is none: the dialog opens on the file system's root instead.
    if (!read.has_value()) {
        if (std::exchange(firstReading_, false))
            SetDirectory(QDir::rootPath());
        return;
    }
    firstReading_ = false;
    const QStringList& names = *read;
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
