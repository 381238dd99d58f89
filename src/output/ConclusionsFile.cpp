// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/ConclusionsFile.h"

#include "core/Errand.h"
#include "core/PromptConventions.h"
#include "output/ReplaceFile.h"

#include <memory>

namespace terravia {
namespace {

using namespace Qt::Literals::StringLiterals;

const QString Caption = u"Conclusions file"_s;

// A location whose call has not returned for this long is taken not to answer: a slow one
// answers each call well within it.
constexpr std::chrono::seconds Patience(10);

// Asks until there is a path: a dialog closed without OK keeps the earlier one, but the
// first save has none to keep.
QString ChooseLocation(Conversation& wizard) {
    for (;;) {
        const std::optional<QString> chosen = wizard.prompts.askSaveLocation(Caption);
        if (chosen.has_value())
            wizard.window.setConclusionsPath(*chosen);
        if (!wizard.window.conclusionsPath().isEmpty())
            return wizard.window.conclusionsPath();
        ShowMessage(wizard, u"A file name and location are needed to save the conclusions"_s,
                    Caption);
    }
}

bool ChooseAnother(Conversation& wizard, const QString& path, const QString& reason) {
    ShowMessage(wizard, u"The conclusions could not be saved to %1: %2"_s.arg(path, reason),
                u"Conclusions file not saved"_s);
    return AskYesNo(wizard,
                    u"Do you want to choose another location for the conclusions file?"_s) ==
           Answer::Yes;
}

// The save runs on a thread of its own, so that a location that stops answering never stops
// the window. One given up on undoes itself when the location answers again.
std::optional<QString> SaveAway(Conversation& wizard, const QString& path,
                                const QByteArray& bytes) {
    // Written only by a save that fails, before it ends; a save that succeeds settles first
    // and leaves it empty.
    auto failure = std::make_shared<std::optional<QString>>();
    const std::shared_ptr<Errand> errand = StartErrand([path, bytes, failure] {
        if (std::optional<QString> failed = ReplaceWholeFile(path, bytes))
            *failure = std::move(failed);
    });
    if (wizard.prompts.waitFor(*errand, Patience) || !errand->abandon())
        return *failure;
    return u"The location did not answer for 10 seconds."_s;
}

} // namespace

QString WithTxtExtension(const QString& path) {
    const QString extension = u".txt"_s;
    return path.endsWith(extension, Qt::CaseSensitive) ? path : path + extension;
}

QByteArray ConclusionsBytes(const Session& session) {
    QByteArray bytes;
    for (int line = 1; line <= session.ConclusionCount; ++line) {
        bytes += session.Conclusions[static_cast<std::size_t>(line)].toLatin1();
        bytes += "\r\n";
    }
    return bytes;
}

void WriteConclusionsFile(Conversation& wizard) {
    for (;;) {
        const QString path = WithTxtExtension(ChooseLocation(wizard));
        const std::optional<QString> failure =
            SaveAway(wizard, path, ConclusionsBytes(wizard.session));
        if (!failure.has_value() || !ChooseAnother(wizard, path, *failure))
            return;
    }
}

} // namespace terravia
