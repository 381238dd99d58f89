// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Conversation.h"
#include "core/Session.h"
#include "support/ScriptedPrompts.h"

#include <functional>
#include <vector>

namespace terravia::test {

// The prompts of the common stretches of a run, so that each test spells out only the part
// it is about.
std::vector<Step> PositiveScreening();
std::vector<Step> TonnageAndMedium(const QString& tonnage = QStringLiteral("10"));
// What follows the ranking when the ex-situ assessment stops red at its first question:
// no conclusion line, no file, and the closing message.
std::vector<Step> RedStopTail();
// An ex-situ assessment of a gasoline-range hydrocarbon at 500 mg/kg, respiration 0.5, pH 7,
// bulk density 1.2 and water holding capacity 30: the green verdict.
std::vector<Step> GreenExSitu();
// A biological assessment with no boundary value, no co-contaminant concern, a degradation
// bioassay and no exceedence in the residual soil.
std::vector<Step> PlainBiological();
// Clean-up targets for an off-site end use.
std::vector<Step> OffSiteTargets();
std::vector<Step> SaveAs(const QString& path);
std::vector<Step> ProcessComplete();
// A whole run after "Select COC" or "Select land use": tonnage and medium, the green
// ex-situ verdict, the plain biological assessment, off-site targets and the file at the path.
std::vector<Step> GreenRun(const QString& path);

// Joins stretches of a run into one script.
std::vector<Step> Join(std::initializer_list<std::vector<Step>> parts);

// A fresh session after the stage has run on it over the script; prepare sets what earlier
// stages would have left in it.
Session AfterStage(ScriptedPrompts& script, void (*stage)(Conversation&),
                   const std::function<void(Session&)>& prepare = {});

// The file's bytes, or "<unreadable>".
QByteArray ReadAll(const QString& path);

// Lines 1 to ConclusionCount of the conclusions.
QStringList ConclusionLines(const Session& session);

} // namespace terravia::test
