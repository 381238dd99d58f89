// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialog/DirectoryNames.h"

#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

namespace terravia {

#if defined(Q_OS_WIN)
const Qt::CaseSensitivity NameCase = Qt::CaseInsensitive;
#else
const Qt::CaseSensitivity NameCase = Qt::CaseSensitive;
#endif

QString NameKey(const QString& name) {
    return NameCase == Qt::CaseInsensitive ? name.toCaseFolded() : name;
}

QCollator NameOrder() {
    QCollator order;
    order.setNumericMode(true);
    order.setCaseSensitivity(Qt::CaseInsensitive);
    return order;
}

bool NameBefore(const QCollator& order, const QString& left, const QString& right) {
    const int compared = order.compare(left, right);
    return compared < 0 || (compared == 0 && left < right);
}

std::optional<std::vector<DirectoryEntry>> ListDirectories(const QString& path) {
    if (!QFileInfo(path).isDir())
        return std::nullopt;
    std::vector<DirectoryEntry> entries;
    QDirIterator found(path, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    while (found.hasNext()) {
        found.next();
        entries.push_back({found.fileName(), found.fileInfo().isHidden()});
    }
    const QCollator order = NameOrder();
    std::sort(entries.begin(), entries.end(),
              [&order](const DirectoryEntry& left, const DirectoryEntry& right) {
                  return NameBefore(order, left.name, right.name);
              });
    return entries;
}

std::optional<QStringList> ListFiles(const QString& path) {
    if (!QFileInfo(path).isDir())
        return std::nullopt;
    QStringList names;
    QDirIterator found(path, QDir::Files);
    while (found.hasNext()) {
        found.next();
        names.append(found.fileName());
    }
    QCollator order;
    order.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), [&order](const QString& left, const QString& right) {
        return NameBefore(order, left, right);
    });
    return names;
}

} // namespace terravia
