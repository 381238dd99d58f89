// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranking/ScreeningMatrix.h"

#include "ranking/RatingTables.h"

namespace terravia {

void FillScreeningMatrix(Session& session) {
    const int group = session.CocGroup;
    if (group < 1 || group > CocGroupCount)
        return;
    // "Do nothing" and "Monitor" of the soil list are never rated.
    for (std::size_t t = 3; t <= TechnologyCount; ++t) {
        const std::int16_t rating = RatingClasses[t][static_cast<std::size_t>(group - 1)];
        if (rating >= 1 && rating <= RatingClassCount)
            session.ScreeningMatrix[t][static_cast<std::size_t>(rating)] = 1;
    }
}

void FillCriterionScores(Session& session) {
    for (std::size_t t = 1; t <= TechnologyCount; ++t) {
        for (std::size_t c = 1; c <= CriterionCount; ++c)
            session.CriterionScores[t][c] = CriterionValues[t][c - 1];
    }
}

bool IsCandidate(const Session& session, int technology) {
    const auto& classes = session.ScreeningMatrix[static_cast<std::size_t>(technology)];
    return classes[1] == 1 || classes[2] == 1;
}

} // namespace terravia
