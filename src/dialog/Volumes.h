// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

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

std::vector<Volume> MountedVolumes();
// The volume that holds the path, whether or not it is choosable; the file system's root where
// no mounted volume is seen to hold it.
Volume VolumeOf(const QString& path);

// Where a fresh dialog opens: drive c where the machine has one, else the user's home.
QString StartDirectory(const std::vector<Volume>& mounted);

// The entry of the drive list for the volume.
QString DriveText(const Volume& volume);

} // namespace terravia
