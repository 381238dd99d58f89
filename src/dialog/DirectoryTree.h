// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialog/DirectoryNames.h"
#include "dialog/Readings.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QIcon>
#include <QSet>

#include <memory>
#include <vector>

namespace terravia {

class Watches;

// The directories of the machine as a tree for the save dialog: the drives (on Linux the
// root) at the top, and below each directory its subdirectories, hidden ones left out, in
// the order a person sorts names (case aside, numbers by value). A directory is read only
// when the tree opens it, on a reading thread, and only its subdirectories are kept, so that
// a directory of many thousand files costs the window nothing. Directories made, removed or
// renamed while it is open are followed. Each directory has one folder icon, with no icon
// theme asked, and is read to a screen reader by its whole path, and while it has not
// answered, as not read yet.
class DirectoryTree : public QAbstractItemModel {
    Q_OBJECT

public:
    // The roots are the drives, each a directory whole (DriveRoots() in the dialog).
    DirectoryTree(const QIcon& folder, const QStringList& roots, QObject* parent = nullptr);
    ~DirectoryTree() override;

    // The directory's row, made at once with the rows above it where they are not read yet;
    // invalid where no drive holds it. Nothing is asked of the file system here.
    QModelIndex indexOf(const QString& path);
    // A drive's label, once the drive has given it.
    void setLabel(const QString& rootPath, const QString& label);
    QString pathOf(const QModelIndex& index) const;
    // True while rows go: a directory removed or renamed by another program.
    bool removingRows() const { return removing_; }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    struct Node;

private:
    Node* NodeOf(const QModelIndex& index) const;
    QModelIndex IndexOf(const Node* node) const;
    Node* Find(const QString& path, bool make);
    Node* Child(Node* parent, const QString& name, bool make);
    void Read(const QString& path);
    void RemoveGone(Node* node, const std::vector<DirectoryEntry>& entries);
    void InsertNew(Node* node, const std::vector<DirectoryEntry>& entries);

    std::vector<std::unique_ptr<Node>> drives_;
    QIcon folder_;
    QCollator order_;
    Watches* watches_;
    QHash<QString, QString> labels_;
    QSet<QString> watched_;
    QSet<QString> reading_;
    QSet<QString> readAgain_;
    bool removing_ = false;
    ReadingPost post_; // last, so that it goes first
};

} // namespace terravia
