// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Conversation.h"

#include <QByteArray>
#include <QString>

namespace terravia {

// Asks for a location in the save-location dialog and writes lines 1 to ConclusionCount of
// the conclusions there. The chosen path is kept in the main window, where the user may edit
// it, so that a dialog closed without OK writes to the path of the earlier save. A failed write
// leaves any existing file untouched, is reported, and the user may choose another location; the
// session is never changed.
void WriteConclusionsFile(Conversation& wizard);

// The path completed with ".txt", unless it already ends in exactly those four characters.
QString WithTxtExtension(const QString& path);

// The file's content: each line followed by CR LF, one byte a character.
QByteArray ConclusionsBytes(const Session& session);

} // namespace terravia
