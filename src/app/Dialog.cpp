// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Dialog.h"

#include "app/Placement.h"
#include "app/Volumes.h"
#include "controls/TextField.h"
#include "output/ConclusionsFile.h"

#include <QAbstractFileIconProvider>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFileSystemWatcher>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSortFilterProxyModel>
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

// The name column of the directory tree alone: the size, type and date columns are not shown,
// so they are not offered to screen readers either. A directory is read by its full path, so
// that the tree says where the user is, not only a folder's name.
class NameColumn : public QSortFilterProxyModel {
public:
    NameColumn(QFileSystemModel* source, QObject* parent)
        : QSortFilterProxyModel(parent)
        , source_(source) {
        setSourceModel(source);
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::AccessibleTextRole)
            return QDir::toNativeSeparators(source_->filePath(mapToSource(index)));
        return QSortFilterProxyModel::data(index, role);
    }

protected:
    bool filterAcceptsColumn(int column, const QModelIndex&) const override { return column == 0; }

private:
    QFileSystemModel* source_;
};

} // namespace

// Asking the icon theme for each entry, as the default provider does, can take seconds in a
// directory of many thousand entries (longer where the theme's cache is stale), and the tree
// shows directories alone.
class FolderIcons : public QAbstractFileIconProvider {
public:
    explicit FolderIcons(const QIcon& folder)
        : folder_(folder) {}
    QIcon icon(IconType) const override { return folder_; }
    QIcon icon(const QFileInfo&) const override { return folder_; }
    QString type(const QFileInfo&) const override { return QStringLiteral("Folder"); }

private:
    QIcon folder_;
};

namespace {

QStringList FileNames(const QString& directory) {
    return QDir(directory).entryList(QDir::Files,
                                     QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
}

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
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Dialog"));
    setWindowTitle(QStringLiteral("Dialog Caption"));
    setFixedSize(ClientSize);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QPoint origin = screen != nullptr ? screen->geometry().topLeft() : QPoint();
    // Placing the client area also keeps QDialog from centring the window over its parent.
    setGeometry(QRect(origin + ClientPlace, ClientSize));
    listing_.setMaxThreadCount(1);
    CreateControls();
    ConnectControls();

    QString start = startDirectory.isEmpty() ? StartDirectory(MountedVolumes()) : startDirectory;
    if (!QFileInfo(start).isDir())
        start = QDir::rootPath();
    FillDrives();
    SetDirectory(start);
    OKButton->setFocus();
}

// The model and its reader thread go before the icons they ask for, and no listing outlives
// the dialog it reports to.
Dialog::~Dialog() {
    delete directoryNames_;
    delete directories_;
    listing_.clear();
    listing_.waitForDone();
}

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

    directories_ = new QFileSystemModel(this);
    folderIcons_ = std::make_unique<FolderIcons>(style()->standardIcon(QStyle::SP_DirIcon));
    directories_->setIconProvider(folderIcons_.get());
    directories_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    directories_->setRootPath(QString());
    // Told before the name column, and so before the tree moves its current item.
    connect(directories_, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this] { treeRemoving_ = true; });
    directoryNames_ = new NameColumn(directories_, this);
    Dir1->setModel(directoryNames_);
    Dir1->setHeaderHidden(true);
    Dir1->setEditTriggers(QAbstractItemView::NoEditTriggers);

    fileNames_ = new QStringListModel(this);
    File1->setModel(fileNames_);
    File1->setUniformItemSizes(true);
    File1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    File1->installEventFilter(this);
    listedDirectory_ = new QFileSystemWatcher(this);

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
    connect(listedDirectory_, &QFileSystemWatcher::directoryChanged, this, &Dialog::RelistFiles);
    connect(OKButton, &QPushButton::clicked, this, &Dialog::OKButtonClick);
    connect(Text1, &QLineEdit::textChanged, this, &Dialog::AnnounceDestination);
    // Told after the name column, once the tree has moved its current item: where the chosen
    // directory has gone, the tree marks no directory as chosen, and OK still names it.
    connect(directories_, &QAbstractItemModel::rowsRemoved, this, [this] {
        treeRemoving_ = false;
        if (std::exchange(chosenLost_, false))
            Dir1->selectionModel()->clearSelection();
    });
    // The tree fills in the background, and rows arriving above the current directory push
    // it down: keep it in view as they come, at the top, with its subdirectories below it,
    // once for each batch, as thousands may come.
    keepInView_ = new QTimer(this);
    keepInView_->setSingleShot(true);
    keepInView_->setInterval(0);
    connect(keepInView_, &QTimer::timeout, this,
            [this] { Dir1->scrollTo(Dir1->currentIndex(), QAbstractItemView::PositionAtTop); });
    const auto keepInView = [this] { keepInView_->start(); };
    connect(directoryNames_, &QAbstractItemModel::rowsInserted, this, keepInView);
    connect(directoryNames_, &QAbstractItemModel::layoutChanged, this, keepInView);
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
    const QModelIndex index = directoryNames_->mapFromSource(directories_->index(directory));
    if (!index.isValid())
        return;
    Dir1->setCurrentIndex(index);
    OpenDownTo(index);
}

void Dialog::OpenDownTo(const QModelIndex& index) {
    for (QModelIndex above = index.parent(); above.isValid(); above = above.parent())
        Dir1->expand(above);
    Dir1->expand(index);
    Dir1->scrollTo(index);
}

QString Dialog::directoryText() const {
    return QDir::toNativeSeparators(directory_);
}

void Dialog::Drive1Change(int index) {
    if (index >= 0)
        SetDirectory(DriveDirectory(Drive1->itemData(index).toString()));
}

void Dialog::Dir1Change(const QModelIndex& current) {
    if (treeRemoving_) {
        chosenLost_ = true;
        return;
    }
    if (!current.isValid())
        return;
    const QString directory = directories_->filePath(directoryNames_->mapToSource(current));
    directory_ = directory;
    fileNames_->setStringList({});
    RelistFiles();
    if (!listedDirectory_->directories().isEmpty())
        listedDirectory_->removePaths(listedDirectory_->directories());
    listedDirectory_->addPath(directory);
    ShowVolumeOf(directory);
    AnnounceDestination();
}

// Reads the listed directory again, away from the window.
void Dialog::RelistFiles() {
    const int asked = ++listingsAsked_;
    listing_.start([this, asked, directory = directory_] {
        const QStringList names = FileNames(directory);
        QMetaObject::invokeMethod(
            this,
            [this, asked, names] {
                if (asked == listingsAsked_)
                    ShowFiles(names);
            },
            Qt::QueuedConnection);
    });
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
