// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/Wizard.h"

#include <QLatin1StringView>

#include <array>

namespace terravia {

// The historical land uses, in the order in which they are offered (not sorted).
extern const std::array<QLatin1StringView, 52> LandUses;

// "COC or Land Use?": takes the mode chosen in Combo1.
void Command2Click(Wizard& wizard);
void FillLandUseList(Wizard& wizard);
void FillCocList(Wizard& wizard);
// "Select land use" and "Select COC": store the choice and run the analysis.
void Command3Click(Wizard& wizard);
void Command4Click(Wizard& wizard);

} // namespace terravia
