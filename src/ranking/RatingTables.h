// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

namespace terravia {

inline constexpr int CocGroupCount = 12;

// Rating class 1 to 3 of each technology for each COC group, 0 where the technology has no
// class for the group. Indexed [technology][group - 1]; row 0 is unused.
using RatingRow = std::array<std::int16_t, CocGroupCount>;
extern const std::array<RatingRow, 65> RatingClasses;

// The ten criterion scores of each technology, indexed [technology][criterion - 1]; row 0 is
// unused. The combined criteria 9 and 10 are kept as scored, not recomputed: two economic
// totals differ from the sum of their parts, and the stored totals are the ones ranked.
using CriterionRow = std::array<std::int16_t, 10>;
extern const std::array<CriterionRow, 65> CriterionValues;

} // namespace terravia
