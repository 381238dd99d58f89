// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranking/AssessmentSequence.h"

#include "biological/BiologicalAssessment.h"
#include "biological/ExSitu.h"
#include "core/PromptConventions.h"
#include "output/ConclusionsFile.h"
#include "targets/CleanUpTargets.h"

namespace terravia {

void RunAssessmentSequence(Wizard& wizard) {
    AssessExSitu(wizard);
    if (wizard.session.ExSituValid == True) {
        AssessBiological(wizard);
        SetCleanUpTargets(wizard);
        if (wizard.session.ExSituValid == True)
            WriteConclusionsFile(wizard);
    }
    ShowMessage(wizard, QStringLiteral("The process is complete"),
                QStringLiteral("Process complete"));
}

} // namespace terravia
