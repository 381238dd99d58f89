// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/Wizard.h"

namespace terravia {

// Puts the window into its start stage and empties the session.
void StartUp(Wizard& wizard);
// "Clear all": start-up without setting the background colour again.
void ClearAll(Wizard& wizard);

} // namespace terravia
