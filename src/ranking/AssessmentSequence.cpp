// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranking/AssessmentSequence.h"

#include "biological/BiologicalAssessment.h"
#include "biological/ExSitu.h"
#include "core/PromptConventions.h"
#include "output/ConclusionsFile.h"
#include "targets/CleanUpTargets.h"

namespace terravia {

// The closing stage of RankTechnologies (ranking/RankTechnologies.cpp): the ex-situ verdict,
// then, when it is valid, the biological assessment, the clean-up targets and the file
// (biological/, targets/, output/); every run ends with the same message.
void RunAssessmentSequence(Conversation& wizard) {
    AssessExSitu(wizard);
    if (wizard.session.ExSituValid == Flag::True) {
        AssessBiological(wizard);
        SetCleanUpTargets(wizard);
        if (wizard.session.ExSituValid == Flag::True)
            WriteConclusionsFile(wizard);
    }
    ShowMessage(wizard, QStringLiteral("The process is complete"),
                QStringLiteral("Process complete"));
}

} // namespace terravia
