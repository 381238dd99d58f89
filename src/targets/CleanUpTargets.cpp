// SPDX-License-Identifier: GPL-3.0-or-later

#include "targets/CleanUpTargets.h"

#include "core/Conclusions.h"
#include "core/PromptConventions.h"

namespace terravia {
namespace {

bool Asked(Conversation& wizard, const QString& question) {
    return AskYesNo(wizard, question) == Answer::Yes;
}

void AppendRiskAssessment(Conversation& wizard) {
    AppendConclusion(wizard, QStringLiteral("Carry out quantitative risk assessment"));
}

void AppendRiskAssessmentWithToddlerSgvs(Conversation& wizard) {
    AppendRiskAssessment(wizard);
    AppendConclusion(wizard,
                     QStringLiteral("Estimate SGVs where toddler ingestion is key receptor"));
}

// A residential re-use that needs toddler SGVs: topsoil, foundations of suitable structure,
// or capped recreational areas.
bool NeedsToddlerSgvs(Conversation& wizard) {
    if (Asked(wizard, QStringLiteral("Will the cleaned materials be used for topsoil?")))
        return true;
    if (Asked(wizard, QStringLiteral("Will the cleaned materials be used for foundations?")))
        return Asked(wizard,
                     QStringLiteral("Is structure and bulk density suitable for construction?"));
    return Asked(
        wizard,
        QStringLiteral("Will the cleaned materials be capped and used in recreational areas?"));
}

void AppendOnSiteLandUse(Conversation& wizard) {
    if (Asked(wizard, QStringLiteral("Is the intended land use residential?"))) {
        if (NeedsToddlerSgvs(wizard))
            AppendRiskAssessmentWithToddlerSgvs(wizard);
        return;
    }
    // Asked for the record only: either industrial answer calls for the same assessment.
    AskYesNo(wizard, QStringLiteral("Is the intended land use industrial?"));
    AppendRiskAssessment(wizard);
}

void AppendWaterTargets(Conversation& wizard) {
    AppendConclusion(wizard, QStringLiteral("Assume the regulators will require water with <10 "
                                            "micrograms per ml TPH and other COCs defined"));
    const bool attenuationZone =
        Asked(wizard, QStringLiteral("Is there a zone for attenuation and dilution of source "
                                     "materials at the site?"));
    AppendConclusion(wizard, attenuationZone
                                 ? QStringLiteral("Develop data for P20 at levels 1, 2 and 3")
                                 : QStringLiteral("Develop data for P20 at levels 1 and 2"));
    AppendConclusion(
        wizard, QStringLiteral("Water quality targets to be met in negotiation with regulator"));
}

} // namespace

void SetCleanUpTargets(Conversation& wizard) {
    if (!Asked(wizard,
               QStringLiteral("Has a full chemical analysis been conducted of the materials?"))) {
        ShowMessage(
            wizard,
            QStringLiteral("Clean-up targets can only be conducted with full chemical analysis"),
            QStringLiteral("Chemical analysis required"));
        AppendConclusion(wizard,
                         QStringLiteral("A full chemical analysis of the materials is required"));
        return;
    }
    if (!Asked(wizard, QStringLiteral("Is the intended end-use on-site?"))) {
        AppendConclusion(wizard, QStringLiteral("WASTE acceptance criteria through leachate "
                                                "testing - determine if materials are inert"));
        AppendConclusion(wizard, QStringLiteral("WASTE acceptance criteria through leachate "
                                                "testing - determine if materials are hazardous"));
        return;
    }
    AppendOnSiteLandUse(wizard);
    AppendWaterTargets(wizard);
}

} // namespace terravia
