// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialog/DirectoryTree.h"

#include "dialog/Watches.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <utility>

namespace terravia {

struct DirectoryTree::Node {
    QString name; // a drive's is its root path without the separator, but "/" for the root
    Node* parent = nullptr;
    int row = 0;
    bool pinned = false; // made for a path asked for: shown even where it is hidden
    bool asked = false;  // read, or being read
    bool read = false;   // answered once
    std::vector<std::unique_ptr<Node>> children;
};

namespace {

using Node = DirectoryTree::Node;

QString PathOf(const Node* node) {
    if (node->parent == nullptr)
        return node->name.endsWith(u'/') ? node->name : node->name + u'/';
    const QString above = PathOf(node->parent);
    return above.endsWith(u'/') ? above + node->name : above + u'/' + node->name;
}

// A drive as Windows users know it, with its label where it has given one.
QString DriveText(const Node* drive, const QString& label) {
    return label.isEmpty() ? drive->name : label + QStringLiteral(" (") + drive->name + u')';
}

void Renumber(Node* node, std::size_t from) {
    for (std::size_t row = from; row < node->children.size(); ++row)
        node->children[row]->row = static_cast<int>(row);
}

} // namespace

DirectoryTree::DirectoryTree(const QIcon& folder, const QStringList& roots, QObject* parent)
    : QAbstractItemModel(parent)
    , folder_(folder)
    , order_(NameOrder())
    , watches_(new Watches(this)) {
    for (const QString& root : roots) {
        auto node = std::make_unique<Node>();
        node->name = root == u"/" ? root : root.chopped(root.endsWith(u'/') ? 1 : 0);
        node->row = static_cast<int>(drives_.size());
        drives_.push_back(std::move(node));
    }
    // A change told, or one made before the watch was in place, is read again.
    connect(watches_, &Watches::changed, this, [this](const QString& path) { Read(path); });
    connect(watches_, &Watches::watching, this, [this](const QString& path) { Read(path); });
}

DirectoryTree::~DirectoryTree() = default;

Node* DirectoryTree::NodeOf(const QModelIndex& index) const {
    return index.isValid() ? static_cast<Node*>(index.internalPointer()) : nullptr;
}

QModelIndex DirectoryTree::IndexOf(const Node* node) const {
    return node == nullptr ? QModelIndex() : createIndex(node->row, 0, node);
}

QModelIndex DirectoryTree::index(int row, int column, const QModelIndex& parent) const {
    const Node* above = NodeOf(parent);
    const auto& rows = above != nullptr ? above->children : drives_;
    if (column != 0 || row < 0 || static_cast<std::size_t>(row) >= rows.size())
        return {};
    return createIndex(row, 0, rows[static_cast<std::size_t>(row)].get());
}

QModelIndex DirectoryTree::parent(const QModelIndex& child) const {
    const Node* node = NodeOf(child);
    return node != nullptr ? IndexOf(node->parent) : QModelIndex();
}

int DirectoryTree::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0)
        return 0;
    const Node* node = NodeOf(parent);
    return static_cast<int>(node != nullptr ? node->children.size() : drives_.size());
}

int DirectoryTree::columnCount(const QModelIndex&) const {
    return 1;
}

// Every directory may have subdirectories until it is opened, so that it can be opened.
bool DirectoryTree::hasChildren(const QModelIndex& parent) const {
    return parent.column() <= 0;
}

QVariant DirectoryTree::data(const QModelIndex& index, int role) const {
    const Node* node = NodeOf(index);
    if (node == nullptr)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return node->parent == nullptr ? DriveText(node, labels_.value(PathOf(node))) : node->name;
    case Qt::DecorationRole:
        return folder_;
    // A directory is read by its whole path, so that the tree says where the user is.
    case Qt::AccessibleTextRole: {
        const QString path = PathOf(node);
        const QString text = QDir::toNativeSeparators(path);
        return reading_.contains(path) && !node->read ? text + QStringLiteral(", not read yet")
                                                      : text;
    }
    case QFileSystemModel::FilePathRole:
        return PathOf(node);
    default:
        return {};
    }
}

Qt::ItemFlags DirectoryTree::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

bool DirectoryTree::canFetchMore(const QModelIndex& parent) const {
    const Node* node = NodeOf(parent);
    return node != nullptr && !node->asked;
}

void DirectoryTree::fetchMore(const QModelIndex& parent) {
    if (Node* node = NodeOf(parent); node != nullptr && !node->asked) {
        node->asked = true;
        Read(PathOf(node));
    }
}

QModelIndex DirectoryTree::indexOf(const QString& path) {
    return IndexOf(Find(path, true));
}

void DirectoryTree::setLabel(const QString& rootPath, const QString& label) {
    labels_.insert(rootPath, label);
    for (const auto& drive : drives_)
        if (PathOf(drive.get()).compare(rootPath, NameCase) == 0)
            Q_EMIT dataChanged(IndexOf(drive.get()), IndexOf(drive.get()));
}

QString DirectoryTree::pathOf(const QModelIndex& index) const {
    const Node* node = NodeOf(index);
    return node != nullptr ? PathOf(node) : QString();
}

Node* DirectoryTree::Find(const QString& path, bool make) {
    const QString wanted = QDir::cleanPath(QDir::fromNativeSeparators(path));
    for (const auto& drive : drives_) {
        const QString root = PathOf(drive.get());
        if (!(wanted + u'/').startsWith(root, NameCase))
            continue;
        Node* node = drive.get();
        for (const QString& name : wanted.mid(root.size()).split(u'/', Qt::SkipEmptyParts)) {
            node = Child(node, name, make);
            if (node == nullptr)
                return nullptr;
        }
        return node;
    }
    return nullptr;
}

// A row made before its directory is read, in its place among the rows already there.
Node* DirectoryTree::Child(Node* parent, const QString& name, bool make) {
    auto& rows = parent->children;
    for (const auto& child : rows)
        if (child->name.compare(name, NameCase) == 0)
            return child.get();
    if (!make)
        return nullptr;
    const auto place = std::find_if(rows.begin(), rows.end(), [&](const auto& child) {
        return NameBefore(order_, name, child->name);
    });
    const int row = static_cast<int>(place - rows.begin());
    beginInsertRows(IndexOf(parent), row, row);
    auto node = std::make_unique<Node>();
    node->name = name;
    node->parent = parent;
    node->pinned = true;
    Node* made = node.get();
    rows.insert(rows.begin() + row, std::move(node));
    Renumber(parent, static_cast<std::size_t>(row));
    endInsertRows();
    return made;
}

// One reading of a directory at a time; a change told while it runs reads it again after.
// The directory is read once more when its watch is in place, so that no change made before
// goes unseen.
void DirectoryTree::Read(const QString& path) {
    if (!watched_.contains(path)) {
        watched_.insert(path);
        watches_->watch(path);
    }
    if (reading_.contains(path)) {
        readAgain_.insert(path);
        return;
    }
    reading_.insert(path);
    post_.run<std::optional<std::vector<DirectoryEntry>>>(
        [path] { return ListDirectories(path); },
        [this, path](std::optional<std::vector<DirectoryEntry>> entries) {
            reading_.remove(path);
            // A directory gone since it was asked for keeps its rows until its parent is read
            // again without it. The system drops the watch of a directory removed.
            if (Node* node = Find(path, false); node != nullptr && entries.has_value()) {
                if (!std::exchange(node->read, true))
                    Q_EMIT dataChanged(IndexOf(node), IndexOf(node));
                RemoveGone(node, *entries);
                InsertNew(node, *entries);
            }
            if (readAgain_.remove(path))
                Read(path);
        });
}

void DirectoryTree::RemoveGone(Node* node, const std::vector<DirectoryEntry>& entries) {
    QHash<QString, bool> hidden;
    for (const DirectoryEntry& entry : entries)
        hidden.insert(NameKey(entry.name), entry.hidden);
    auto& rows = node->children;
    const auto stays = [&](const std::unique_ptr<Node>& child) {
        const auto found = hidden.constFind(NameKey(child->name));
        return found != hidden.cend() && (!*found || child->pinned);
    };
    for (std::size_t end = rows.size(); end > 0;) {
        if (stays(rows[end - 1])) {
            --end;
            continue;
        }
        std::size_t first = end - 1;
        while (first > 0 && !stays(rows[first - 1]))
            --first;
        removing_ = true;
        beginRemoveRows(IndexOf(node), static_cast<int>(first), static_cast<int>(end - 1));
        rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(first),
                   rows.begin() + static_cast<std::ptrdiff_t>(end));
        Renumber(node, first);
        endRemoveRows();
        removing_ = false;
        end = first;
    }
}

// The entries come sorted, and the rows that stay are in the same order: the new names met
// before each row that stays go in before it, in one insertion. A hidden name goes in only as
// the row that is already there.
void DirectoryTree::InsertNew(Node* node, const std::vector<DirectoryEntry>& entries) {
    auto& rows = node->children;
    QSet<QString> there;
    for (const auto& child : rows)
        there.insert(NameKey(child->name));
    std::size_t row = 0;
    std::vector<std::unique_ptr<Node>> run;
    const auto insertRun = [&] {
        if (run.empty())
            return;
        beginInsertRows(IndexOf(node), static_cast<int>(row),
                        static_cast<int>(row + run.size() - 1));
        rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(row),
                    std::make_move_iterator(run.begin()), std::make_move_iterator(run.end()));
        Renumber(node, row);
        row += run.size();
        run.clear();
        endInsertRows();
    };
    for (const DirectoryEntry& entry : entries) {
        if (row < rows.size() && NameKey(rows[row]->name) == NameKey(entry.name)) {
            insertRun();
            ++row;
        } else if (!entry.hidden && !there.contains(NameKey(entry.name))) {
            run.push_back(std::make_unique<Node>());
            run.back()->name = entry.name;
            run.back()->parent = node;
        }
    }
    insertRun();
}

} // namespace terravia
