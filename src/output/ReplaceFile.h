// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace terravia {

// Replaces the file at the path with the bytes, whole or not at all, and only says so once
// both the bytes and the name are on the disk. When any step fails, the file that was at the
// path is left as it was, no temporary file remains, and the system's reason is returned.
// A link at the path is followed: the file it names is replaced and the link stays.
std::optional<QString> ReplaceFile(const QString& path, const QByteArray& bytes);

} // namespace terravia
