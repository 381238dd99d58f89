// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace terravia {

// Replaces the file at the path with the bytes, whole or not at all, and only says so once
// both the bytes and the name are on the disk. When any step fails, the file that was at the
// path is left as it was, no temporary file remains, and the reason is returned: the system's
// own words, or a sentence of the program's where it refuses the name or the file.
// Only an ordinary file is replaced, and it keeps its owner, group and mode where the user
// may give them. A link at the path is followed as the system follows it, link after link:
// the file at the end is replaced and every link stays. Nothing of the save is left in the
// directory.
// On Windows a name that Windows keeps for a device or a stream is refused, and the name
// reaches the disk with the move itself, as no directory can be synced there.
std::optional<QString> ReplaceWholeFile(const QString& path, const QByteArray& bytes);

} // namespace terravia
