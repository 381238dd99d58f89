// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Conversation.h"

namespace terravia {

// Screens, scores and ranks the 64 technologies for the chosen COC group, appends the
// ranked reports and leads the run on through the assessments to the conclusions file.
void RankTechnologies(Conversation& wizard);

} // namespace terravia
