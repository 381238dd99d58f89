// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Conversation.h"

namespace terravia {

// Guidance on clean-up targets from the planned end use of the treated material, as
// conclusion lines. Never touches ExSituValid, so the conclusions file is written after it
// whichever way it goes.
void SetCleanUpTargets(Conversation& wizard);

} // namespace terravia
