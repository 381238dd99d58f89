// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The steps of a save, each declared once for both systems: ReplaceFilePosix.cpp and
// ReplaceFileWindows.cpp make the system calls, and ReplaceWholeFile() runs them in order.

#include "core/Errand.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

namespace terravia::replace {

// Why a step failed: the system's error code where the system refused, or a sentence of the
// program's own where the program refuses a name or a file.
struct Failure {
    unsigned long code = 0;
    QString sentence;
};
using Step = std::optional<Failure>;

// What stands at the name is not a file that can hold a report: a FIFO, a socket, a device.
inline Failure NotAnOrdinaryFile() {
    return {0, QStringLiteral("The name is not that of an ordinary file.")};
}

// One system call of a save, marked, so that a save waiting on a location that does not
// answer can be told from a slow one.
template <typename Call> auto Marked(Call&& call) {
    const CallMark mark;
    return call();
}

// The system's own words for its error code, as it gives them to every program.
QString SystemWords(unsigned long code);

// One save's state: the file the path stands for, the new file beside it and the earlier
// file's second name. A system keeps what its calls need.
struct Save;
struct SaveEnd {
    void operator()(Save* save) const;
};
std::unique_ptr<Save, SaveEnd> NewSave();

// Finds the file the path stands for, following links, and what is there now.
Step Locate(Save& save, const QString& path);
// Refuses, before any file of ours is made, what must not be replaced: anything but an
// ordinary file, and a file the user may not replace.
Step MayReplace(Save& save);
// The new file, beside the target, readable by the user alone until it is complete.
Step CreateTemporary(Save& save);
// Writes every byte, gives the earlier file's owner, group and mode or the user's new-file
// mode, and brings the bytes to the disk.
Step Fill(Save& save, const QByteArray& bytes);
// Keeps a way back to an earlier file while its name is given to the new one: a second name,
// or a copy where the file system has no second names.
Step KeepEarlier(Save& save);
// Gives the new file the name, and brings the name to the disk. When the name cannot reach
// the disk, the earlier file is back under it, or no new file is left there.
Step MoveInto(Save& save);
// Undoes a move that the user was told had failed: the earlier file back under its name, or
// the new file gone where there was none.
void PutBack(Save& save);
// Removes what KeepEarlier made, if anything still needs removing.
void DropBackup(Save& save);
// Removes the new file, after a failed step.
void Discard(Save& save);

} // namespace terravia::replace
