// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialog/Volumes.h"

#include <windows.h>

namespace terravia {

// The drive letters in use, which Windows gives without asking any drive: a mapped drive
// whose server has gone would keep a look at its type or label waiting.
std::vector<Volume> MountedVolumes() {
    std::vector<Volume> volumes;
    const DWORD drives = GetLogicalDrives();
    for (int letter = 0; letter < 26; ++letter) {
        if ((drives & (DWORD(1) << letter)) != 0)
            volumes.push_back(
                {QString(QChar(u'A' + letter)) + QStringLiteral(":/"), {}, {}, true, true, false});
    }
    return volumes;
}

// Qt's own list of drives asks each drive for its type, which waits on one that has gone.
QStringList DriveRoots() {
    QStringList roots;
    for (const Volume& volume : MountedVolumes())
        roots.append(volume.rootPath);
    return roots;
}

} // namespace terravia
