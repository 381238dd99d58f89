// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Conversation.h"

namespace terravia {

// Appends the ranked report of ranking `key` (1 to 3): a 13-line block for every listed
// technology, in list order.
void AppendRankedReport(Conversation& wizard, int key);

} // namespace terravia
