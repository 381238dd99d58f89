// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialog/Volumes.h"

#include "dialog/DirectoryNames.h"

#include <QDir>
#include <QStorageInfo>

#include <algorithm>

namespace terravia {
namespace {

using namespace Qt::Literals::StringLiterals;

// File systems that hold no user files, or that hold them only for the time of a session
// or a container.
constexpr const char* PseudoFileSystems[] = {
    "autofs",   "binfmt_misc", "bpf",      "cgroup",  "cgroup2",    "configfs",   "debugfs",
    "devpts",   "devtmpfs",    "efivarfs", "fusectl", "hugetlbfs",  "mqueue",     "nsfs",
    "overlay",  "proc",        "pstore",   "ramfs",   "rpc_pipefs", "securityfs", "selinuxfs",
    "squashfs", "sysfs",       "tmpfs",    "tracefs",
};

bool IsPseudo(const QByteArray& type) {
    return std::any_of(std::begin(PseudoFileSystems), std::end(PseudoFileSystems),
                       [&type](const char* pseudo) { return type == pseudo; });
}

bool IsChoosable(const Volume& volume) {
    return volume.valid && volume.ready && !volume.readOnly && !IsPseudo(volume.fileSystemType);
}

} // namespace

std::vector<Volume> ChoosableVolumes(const std::vector<Volume>& mounted) {
    std::vector<Volume> choosable;
    for (const Volume& volume : mounted) {
        const bool listed =
            std::any_of(choosable.begin(), choosable.end(),
                        [&volume](const Volume& v) { return v.rootPath == volume.rootPath; });
        if (!listed && IsChoosable(volume))
            choosable.push_back(volume);
    }
    return choosable;
}

Volume AskVolume(const Volume& listed) {
    const QStorageInfo storage(listed.rootPath);
    Volume asked = listed;
    asked.name = storage.name();
    if (!storage.fileSystemType().isEmpty())
        asked.fileSystemType = storage.fileSystemType();
    asked.valid = storage.isValid();
    asked.ready = storage.isReady();
    asked.readOnly = listed.readOnly || storage.isReadOnly();
    return asked;
}

// A mount over another at the same root hides it: the later one holds the path. Where no
// mounted volume is seen to hold the path, as inside a chroot, it lies on the root of
// the file system as far as the user can tell: the drive list shows that root, never a blank.
Volume VolumeOf(const QString& path, const std::vector<Volume>& mounted) {
    const QString wanted = QDir::cleanPath(QDir::fromNativeSeparators(path)) + u'/';
    Volume holder{QDir::rootPath(), {}, {}, true, true, false};
    qsizetype longest = -1;
    for (const Volume& volume : mounted) {
        const QString root =
            volume.rootPath.endsWith(u'/') ? volume.rootPath : volume.rootPath + u'/';
        if (wanted.startsWith(root, NameCase) && root.size() >= longest) {
            holder = volume;
            longest = root.size();
        }
    }
    return holder;
}

QString StartDirectory(const std::vector<Volume>& mounted) {
    const bool hasDriveC = std::any_of(mounted.begin(), mounted.end(), [](const Volume& v) {
        return v.rootPath.compare("c:/"_L1, Qt::CaseInsensitive) == 0;
    });
    return hasDriveC ? u"c:/"_s : QDir::homePath();
}

QString DriveText(const Volume& volume) {
    const QString root = QDir::toNativeSeparators(volume.rootPath);
    return volume.name.isEmpty() ? root : root + " ["_L1 + volume.name + u']';
}

} // namespace terravia
