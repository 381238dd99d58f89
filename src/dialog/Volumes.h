// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace terravia {

// What the drive list needs to know of a mounted volume.
struct Volume {
    QString rootPath; // with "/" separators, as the file-system models use it
    QString name;
    QByteArray fileSystemType;
    bool valid = false;
    bool ready = false;
    bool readOnly = false;
};

// The volumes a file can be saved on: valid, ready and writable, and not a pseudo or image
// file system. Each root once, in the order given.
std::vector<Volume> ChoosableVolumes(const std::vector<Volume>& mounted);

// The mounted volumes by their roots, as the system lists them without asking any of them:
// their labels unknown, and each taken as ready until it is asked.
std::vector<Volume> MountedVolumes();
// The roots of the directory tree, as the system gives them without asking any drive: the
// drive letters on Windows, the one root elsewhere.
QStringList DriveRoots();
// The volume at the root, asked for its label and state; a volume that does not answer keeps
// the caller waiting, so only a reading thread asks.
Volume AskVolume(const Volume& listed);
// The volume among those listed whose root holds the path, found by name alone; the file
// system's root where none is seen to hold it.
Volume VolumeOf(const QString& path, const std::vector<Volume>& mounted);

// Where a fresh dialog opens: drive c where the machine has one, else the user's home.
QString StartDirectory(const std::vector<Volume>& mounted);

// The entry of the drive list for the volume.
QString DriveText(const Volume& volume);

} // namespace terravia
