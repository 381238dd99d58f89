// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialog/Volumes.h"

#include <QFile>

namespace terravia {
namespace {

// The kernel writes a blank, a tab, a line end and a backslash in a mount's path as octal.
QString Unescaped(const QByteArray& field) {
    QByteArray path;
    for (qsizetype i = 0; i < field.size(); ++i) {
        bool octal = false;
        const int code =
            i + 3 < field.size() && field[i] == '\\' ? field.mid(i + 1, 3).toInt(&octal, 8) : 0;
        if (octal) {
            path += char(code);
            i += 3;
        } else {
            path += field[i];
        }
    }
    return QFile::decodeName(path);
}

} // namespace

// The kernel's own list of this process's mounts, which it gives without asking any file
// system: what statvfs() would ask a share that stopped answering, it never asks.
std::vector<Volume> MountedVolumes() {
    std::vector<Volume> volumes;
    QFile mounts(QStringLiteral("/proc/self/mountinfo"));
    if (!mounts.open(QIODevice::ReadOnly))
        return volumes;
    for (QByteArray line = mounts.readLine(); !line.isEmpty(); line = mounts.readLine()) {
        // ID PARENT MAJOR:MINOR ROOT MOUNT-POINT OPTIONS [OPTIONAL...] - TYPE SOURCE SUPER
        const QList<QByteArray> fields = line.trimmed().split(' ');
        const qsizetype dash = fields.indexOf("-");
        if (fields.size() < 6 || dash < 6 || dash + 1 >= fields.size())
            continue;
        const bool readOnly = fields[5].split(',').contains("ro");
        volumes.push_back({Unescaped(fields[4]), {}, fields[dash + 1], true, true, readOnly});
    }
    return volumes;
}

QStringList DriveRoots() {
    return {QStringLiteral("/")};
}

} // namespace terravia
