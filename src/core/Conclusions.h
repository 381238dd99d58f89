// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Conversation.h"

#include <cstdint>
#include <limits>

namespace terravia {

// The list starts with this many empty slots, as the program always has.
inline constexpr int ConclusionSlots = 1000;
// ConclusionCount is a 16-bit signed count: the list holds every line up to its largest
// value and refuses the rest, rather than let the count wrap.
inline constexpr int ConclusionCapacity = std::numeric_limits<std::int16_t>::max();

// Empties the list to its start state: ConclusionSlots empty slots after slot 0.
void ResetConclusions(Session& session);

// The only way a finding reaches the conclusions. A line past the capacity is refused,
// and the first refusal of a run is reported to the user; what was collected is kept.
void AppendConclusion(Conversation& wizard, const QString& line);

} // namespace terravia
