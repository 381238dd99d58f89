// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/Wizard.h"

namespace terravia {

// The two ways of defining the problem that a positive screening offers in Combo1.
inline constexpr QLatin1StringView CocMode("Define chemicals of concern (COCs)");
inline constexpr QLatin1StringView LandUseMode("Define historical land use");

// "Ready": the risk-screening questions, ending in the choice of mode or in
// "No further action is required".
void Command1Click(Wizard& wizard);
void OfferSelectionMode(Wizard& wizard);
void ReportNoFurtherAction(Wizard& wizard);

} // namespace terravia
