// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace terravia {

// Replaces the file at the path with the bytes, whole or not at all, and only says so once
// both the bytes and the name are on the disk. When any step fails, the file that was at the
// path is left as it was, no temporary file remains, and the system's reason is returned.
// A link at the path is followed as the system follows it, link after link: the file at the
// end is replaced and every link stays. Nothing of the save is left in the directory.
std::optional<QString> ReplaceFile(const QString& path, const QByteArray& bytes);

} // namespace terravia
