// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/ReplaceFile.h"

#include "output/ReplaceFileSteps.h"

namespace terravia {
namespace {

// The failure's words for the user: the program's sentence, or the system's own words.
QString Reason(const replace::Failure& failure) {
    return failure.sentence.isEmpty() ? replace::SystemWords(failure.code) : failure.sentence;
}

} // namespace

// The order of a save, the same on every system. It relies on each step leaving nothing
// behind when it fails, on MoveInto putting the earlier file back when the name cannot reach
// the disk, and on DropBackup and Discard touching only what the save itself made.
std::optional<QString> ReplaceWholeFile(const QString& path, const QByteArray& bytes) {
    using namespace replace;
    const std::unique_ptr<Save, SaveEnd> save = NewSave();
    Step failed = Locate(*save, path);
    if (!failed)
        failed = MayReplace(*save);
    if (!failed)
        failed = CreateTemporary(*save);
    if (failed)
        return Reason(*failed);

    failed = Fill(*save, bytes);
    if (!failed)
        failed = KeepEarlier(*save);
    // Where POSIX syncs the directory, within MoveInto, Windows has the move write through.
    if (!failed)
        failed = MoveInto(*save);
    DropBackup(*save);
    if (failed) {
        Discard(*save);
        return Reason(*failed);
    }
    return std::nullopt;
}

} // namespace terravia
