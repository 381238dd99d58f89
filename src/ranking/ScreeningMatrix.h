// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Session.h"

namespace terravia {

// Marks each technology's rating class for the session's COC group. A group outside 1 to 12
// leaves every technology unrated.
void FillScreeningMatrix(Session& session);

void FillCriterionScores(Session& session);

// Rating class 1 or 2 for the current group; class 3 is screened out like no class at all.
bool IsCandidate(const Session& session, int technology);

} // namespace terravia
