// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranking/Ranking.h"

#include "ranking/ScreeningMatrix.h"

#include <array>

namespace terravia {
namespace {

// The criterion each ranking key copies, by key; key 0 is unused.
constexpr std::array<std::size_t, RankingCount + 1> RankedCriterion = {0, 9, 10, 8};

constexpr int HighestThreshold = 20;
constexpr int LeastListed = 5;

std::int16_t Score(const Session& session, int technology, int key) {
    return session
        .RankingScores[static_cast<std::size_t>(technology)][static_cast<std::size_t>(key)];
}

} // namespace

void BuildRankingScores(Session& session) {
    for (int t = 1; t <= TechnologyCount; ++t) {
        const bool candidate = IsCandidate(session, t);
        const auto row = static_cast<std::size_t>(t);
        for (std::size_t key = 1; key <= RankingCount; ++key) {
            session.RankingScores[row][key] =
                candidate ? session.CriterionScores[row][RankedCriterion[key]] : 0;
        }
    }
}

std::int16_t RankingThreshold(const Session& session, int key) {
    for (int i = HighestThreshold; i >= 0; --i) {
        int count = 0;
        for (int t = 1; t <= TechnologyCount; ++t) {
            if (Score(session, t, key) >= i)
                ++count;
        }
        if (count >= LeastListed)
            return static_cast<std::int16_t>(i);
    }
    return 0;
}

std::vector<RankedTechnology> RankedTechnologies(const Session& session, int key) {
    const std::int16_t threshold = RankingThreshold(session, key);
    std::vector<RankedTechnology> list;
    for (int t = 1; t <= TechnologyCount; ++t) {
        if (Score(session, t, key) >= threshold)
            list.push_back(
                {static_cast<std::int16_t>(list.size() + 1), static_cast<std::int16_t>(t)});
    }
    return list;
}

} // namespace terravia
