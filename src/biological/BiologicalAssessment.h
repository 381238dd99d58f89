// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Conversation.h"

namespace terravia {

// Microbial activity, pH and nutrient needs, co-contaminants, bioavailability, residual soil
// and bulk density, each finding a conclusion line. Reads the SoilPh and BulkDensity that
// AssessExSitu stored.
void AssessBiological(Conversation& wizard);

} // namespace terravia
