// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QThreadPool>

#include <memory>

class QComboBox;
class QFileSystemModel;
class QFileSystemWatcher;
class QLineEdit;
class QListView;
class QModelIndex;
class QPushButton;
class QSortFilterProxyModel;
class QStringListModel;
class QTimer;
class QTreeView;

namespace terravia {

// The save-location window: a drive list, a directory tree and a file list, chained so that
// each sets the next one's directory, a name field and OK. The caller sets the caption and
// runs it modally; on OK the chosen path is in path(). It is made afresh for every save.
class Dialog : public QDialog {
    Q_OBJECT

public:
    // With no start directory the dialog opens on drive c, or on the user's home where the
    // machine has no drive c.
    explicit Dialog(QWidget* parent = nullptr, const QString& startDirectory = QString());
    ~Dialog() override;

    // The directory of the file list, as the user reads it: at a root it ends in a separator.
    QString directoryText() const;
    // The file list's directory, a separator and the name field's text; set by OK.
    QString path() const { return path_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void ConnectControls();
    void FillDrives();
    void ShowVolumeOf(const QString& directory);
    void SetDirectory(const QString& directory);
    void OpenDownTo(const QModelIndex& index);
    void AnnounceDestination();

    void Drive1Change(int index);
    void Dir1Change(const QModelIndex& current);
    void RelistFiles();
    void ShowFiles(const QStringList& names);
    void File1Click(const QModelIndex& index);
    void OKButtonClick();

    QPushButton* OKButton = nullptr;
    QComboBox* Drive1 = nullptr;
    QTreeView* Dir1 = nullptr;
    QListView* File1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QFileSystemModel* directories_ = nullptr;
    // The tree as it is shown and read: the name column alone.
    QSortFilterProxyModel* directoryNames_ = nullptr;
    // The file list's names, listed afresh for each directory: a screen reader counts the
    // entries of a list from its model's top level.
    QStringListModel* fileNames_ = nullptr;
    // Tells of files made or removed in the listed directory while the dialog is open.
    QFileSystemWatcher* listedDirectory_ = nullptr;
    // Reads the file list away from the window, so that a directory of many thousand files
    // does not stop it; only the newest reading is shown.
    QThreadPool listing_;
    int listingsAsked_ = 0;
    // Set while the tree removes rows: a directory removed or renamed by another program,
    // whose current item the tree then moves on its own, not by the user's choice.
    bool treeRemoving_ = false;
    bool chosenLost_ = false;
    QTimer* keepInView_ = nullptr;
    // The tree's icons: one for every folder, with no theme asked for each entry.
    std::unique_ptr<class FolderIcons> folderIcons_;
    // The chosen directory: changed only by the user, in the tree or the drive list.
    QString directory_;
    QString path_;
};

} // namespace terravia
