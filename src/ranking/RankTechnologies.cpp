// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranking/RankTechnologies.h"

#include "ranking/AssessmentSequence.h"
#include "ranking/Catalogue.h"
#include "ranking/CocGroups.h"
#include "ranking/RankedReports.h"
#include "ranking/Ranking.h"
#include "ranking/ScreeningMatrix.h"

namespace terravia {
namespace {

// Nothing of an earlier run may carry over into this one's tables.
void CreateWorkingTables(Session& session) {
    session.ScreeningMatrix = {};
    session.CriterionScores = {};
    session.RankingScores = {};
    session.TechnologyNames = {};
}

void FillTechnologyNames(Session& session) {
    for (int t = 1; t <= TechnologyCount; ++t)
        session.TechnologyNames[static_cast<std::size_t>(t)] = DisplayText(t);
}

} // namespace

// Called by "Select land use" and "Select COC" (screening/Selection.cpp); after the three
// reports it leads the run on to its closing stage (ranking/AssessmentSequence.cpp).
void RankTechnologies(Conversation& wizard) {
    Session& session = wizard.session;
    session.CapacityReported = false;
    CreateWorkingTables(session);
    FillTechnologyNames(session);
    session.CocGroup = CocGroupOf(session.CocName, session.CocGroup);
    FillScreeningMatrix(session);
    FillCriterionScores(session);
    BuildRankingScores(session);
    for (int key = 1; key <= RankingCount; ++key)
        AppendRankedReport(wizard, key);
    RunAssessmentSequence(wizard);
}

} // namespace terravia
