// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Session.h"

#include <cstdint>
#include <vector>

namespace terravia {

// The three rankings by key: 1 permissibility and certainty, 2 economic and duration,
// 3 environmental credit. A higher score is better in each.

struct RankedTechnology {
    std::int16_t rank = 0;
    std::int16_t technology = 0;
    friend bool operator==(const RankedTechnology&, const RankedTechnology&) = default;
};

// Copies each candidate's ranked criteria into RankingScores; a non-candidate scores 0.
void BuildRankingScores(Session& session);

// The highest score, from 20 down, that at least five technologies reach: ties at it are
// all listed, so a ranking shows five technologies or more.
std::int16_t RankingThreshold(const Session& session, int key);

// The technologies at or above the threshold, in catalogue order, ranked 1, 2, 3, ...
std::vector<RankedTechnology> RankedTechnologies(const Session& session, int key);

} // namespace terravia
