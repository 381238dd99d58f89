// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Session.h"

#include "core/Conclusions.h"

namespace terravia {

void ResetSession(Session& session) {
    session.Tonnage = 0;
    session.CocName.clear();
    session.CocGroup = 0;
    session.LandUseName.clear();
    session.Medium.clear();
    session.ExSituValid = Flag::False;
    ResetConclusions(session);
    session.BulkDensity = 0;
    session.SoilPh = 0;
    session.ConclusionCount = 0;
    session.CapacityReported = false;
}

} // namespace terravia
