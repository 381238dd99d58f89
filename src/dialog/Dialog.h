// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialog/Readings.h"
#include "dialog/Volumes.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QModelIndex;
class QPushButton;
class QStringListModel;
class QTimer;
class QTreeView;

namespace terravia {

class DirectoryTree;
class Watches;

// The save-location window: a drive list, a directory tree and a file list, chained so that
// each sets the next one's directory, a name field and OK. The caller sets the caption and
// runs it modally; on OK the chosen path is in path(). It is made afresh for every save.
class Dialog : public QDialog {
    Q_OBJECT

public:
    // With no start directory the dialog opens on drive c, or on the user's home where the
    // machine has no drive c; on the file system's root where that is no directory. Nothing
    // here, nor anywhere on the window's thread, waits on a file system.
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
    void AskVolumes();
    void ShowAsked(const Volume& asked);
    void ShowVolumeOf(const QString& directory);
    void SetDirectory(const QString& directory);
    void AnnounceDestination();

    void Drive1Change(int index);
    void Dir1Change(const QModelIndex& current);
    void ShowFiles(const std::optional<QStringList>& names);
    void File1Click(const QModelIndex& index);
    void OKButtonClick();

    QPushButton* OKButton = nullptr;
    QComboBox* Drive1 = nullptr;
    QTreeView* Dir1 = nullptr;
    QListView* File1 = nullptr;
    QLineEdit* Text1 = nullptr;
    DirectoryTree* directoryTree_ = nullptr;
    // The names in the file list, listed afresh for each directory: a screen reader counts
    // the entries of a list from its model's top level.
    QStringListModel* fileNames_ = nullptr;
    // Tells of files made or removed in the chosen directory while the dialog is open.
    Watches* chosenDirectoryWatches_ = nullptr;
    NewestReading<std::optional<QStringList>> fileReading_;
    // Says, where a file name would stand, that the chosen directory has not answered yet.
    QLabel* notAnswered_ = nullptr;
    QTimer* tellNotAnswered_ = nullptr;
    // The volumes as the system lists them; each is asked for its label on a reading thread.
    std::vector<Volume> mounted_;
    ReadingPost volumeReadings_;
    // Keeps the chosen directory in view while the tree's rows arrive, once for each batch.
    QTimer* keepChosenInView_ = nullptr;
    // The chosen directory: changed only by the user, in the tree or the drive list.
    QString chosenDirectory_;
    // Set when the chosen directory's row went with rows another program removed.
    bool chosenRowLost_ = false;
    // True until the chosen directory has first been read.
    bool firstReading_ = true;
    QString path_;
};

} // namespace terravia
