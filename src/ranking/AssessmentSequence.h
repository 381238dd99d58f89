// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Conversation.h"

namespace terravia {

// What follows the ranked reports in a run: the ex-situ verdict and, when it is valid, the
// biological assessment, the clean-up targets and the conclusions file. Every run ends with
// "The process is complete".
void RunAssessmentSequence(Conversation& wizard);

} // namespace terravia
