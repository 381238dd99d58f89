// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Conversation.h"

namespace terravia {

// Whether ex-situ biological treatment is technically possible: a red, amber or green
// verdict, shown in the main window's colour while its message is open. Sets ExSituValid at
// an amber or green verdict and clears it at the start, so that it always follows this
// call's own verdict. Stores SoilPh and BulkDensity once they are entered.
void AssessExSitu(Conversation& wizard);

} // namespace terravia
