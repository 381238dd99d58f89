// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCollator>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace terravia {

// Names of directories as this system compares them: Windows' ignore case.
extern const Qt::CaseSensitivity NameCase;
// The same name on this system gives the same key.
QString NameKey(const QString& name);

// As people sort names: case aside, numbers by their value; names that still tie, by code.
QCollator NameOrder();
bool NameBefore(const QCollator& order, const QString& left, const QString& right);

struct DirectoryEntry {
    QString name;
    bool hidden = false;
};

// The subdirectories of a directory, links to directories with them, hidden ones marked, in
// name order; nothing where it is not a directory. Safe on any thread: the tree runs it on a
// reading thread, as many thousand files may stand beside the subdirectories.
std::optional<std::vector<DirectoryEntry>> ListDirectories(const QString& path);

// The files of a directory by name, hidden ones left out, in the order of the user's language,
// case aside; nothing where it is not a directory. Safe on any thread. Only the names are
// kept, however many files there are.
std::optional<QStringList> ListFiles(const QString& path);

} // namespace terravia
