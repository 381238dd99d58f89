// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Conclusions.h"

#include "core/PromptConventions.h"

namespace terravia {

void ResetConclusions(Session& session) {
    session.Conclusions.assign(ConclusionSlots + 1, QString());
}

void AppendConclusion(Conversation& wizard, const QString& line) {
    Session& session = wizard.session;
    if (session.ConclusionCount >= ConclusionCapacity) {
        if (!session.CapacityReported) {
            session.CapacityReported = true;
            ShowMessage(wizard,
                        QStringLiteral("The conclusions list is full: no further lines can be "
                                       "added. The lines collected so far are kept and written "
                                       "to the conclusions file. \"Clear all\" empties the list."),
                        QStringLiteral("Conclusions full"));
        }
        return;
    }
    ++session.ConclusionCount;
    const auto slot = static_cast<std::size_t>(session.ConclusionCount);
    if (session.Conclusions.size() <= slot)
        session.Conclusions.resize(slot + 1);
    session.Conclusions[slot] = line;
}

} // namespace terravia
