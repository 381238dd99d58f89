// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/Wizard.h"

namespace terravia {

// The two questions every run of the analysis begins with. Their answers are stored in the
// session and read by no later stage.
void AskTonnage(Wizard& wizard);
void AskMedium(Wizard& wizard);

} // namespace terravia
