// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/ReplaceFile.h"

#include "output/ReplaceFileSteps.h"

#include "core/Errand.h"

#include <functional>

namespace terravia {
namespace {

// The failure's words for the user: the program's sentence, or the system's own words.
QString Reason(const replace::Failure& failure) {
    return failure.sentence.isEmpty() ? replace::SystemWords(failure.code) : failure.sentence;
}

} // namespace

// The order of a save, the same on every system. It relies on each step leaving nothing
// behind when it fails, on MoveInto putting the earlier file back when the name cannot reach
// the disk, and on DropBackup and Discard touching only what the save itself made. A save run
// as an errand that the user gave up on begins no further step, and undoes a move already
// made: the user was told the file was not saved.
std::optional<QString> ReplaceWholeFile(const QString& path, const QByteArray& bytes) {
    using namespace replace;
    const std::unique_ptr<Save, SaveEnd> save = NewSave();
    const std::function<Step()> steps[] = {
        [&] { return Locate(*save, path); }, [&] { return MayReplace(*save); },
        [&] { return CreateTemporary(*save); }, [&] { return Fill(*save, bytes); },
        [&] { return KeepEarlier(*save); },
        // Where POSIX syncs the directory, within MoveInto, Windows has the move write through.
        [&] { return MoveInto(*save); }};
    const Failure givenUp{0, QStringLiteral("The save was given up.")};
    Step failed;
    for (const auto& step : steps) {
        failed = ErrandAbandoned() ? Step(givenUp) : step();
        if (failed)
            break;
    }
    if (!failed && !SettleErrand()) {
        PutBack(*save);
        failed = givenUp;
    }
    DropBackup(*save);
    if (failed) {
        Discard(*save);
        return Reason(*failed);
    }
    return std::nullopt;
}

} // namespace terravia
