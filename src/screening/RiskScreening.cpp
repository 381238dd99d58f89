// SPDX-License-Identifier: GPL-3.0-or-later

#include "screening/RiskScreening.h"

#include "core/PromptConventions.h"
#include "screening/ListEntries.h"

#include <QComboBox>
#include <QPushButton>

namespace terravia {
namespace {

enum class Outcome { Next, OfferMode, NoAction };

struct ScreeningStep {
    QLatin1StringView question;
    Outcome yes;
    Outcome no;
};

// An established site history goes straight to the choice of mode; otherwise every risk
// step must be confirmed before the site calls for action.
constexpr ScreeningStep ScreeningSteps[] = {
    {QLatin1StringView("Has the site history been established?"), Outcome::OfferMode,
     Outcome::Next},
    {QLatin1StringView("Has a potential risk been identified during the risk assessment?"),
     Outcome::Next, Outcome::NoAction},
    {QLatin1StringView("Has an exposure risk been identified during the generic risk "
                       "assessment?"),
     Outcome::Next, Outcome::NoAction},
    {QLatin1StringView("Has an exposure risk been identified during the site specific risk "
                       "assessment?"),
     Outcome::Next, Outcome::NoAction},
    {QLatin1StringView("Is there exceedence by COCs of screening values (SSAC)?"),
     Outcome::OfferMode, Outcome::NoAction},
};

} // namespace

void Command1Click(Wizard& wizard) {
    for (const ScreeningStep& step : ScreeningSteps) {
        const bool yes = AskYesNo(wizard, step.question) == Answer::Yes;
        switch (yes ? step.yes : step.no) {
        case Outcome::Next:
            continue;
        case Outcome::OfferMode:
            OfferSelectionMode(wizard);
            return;
        case Outcome::NoAction:
            ReportNoFurtherAction(wizard);
            return;
        }
    }
}

void OfferSelectionMode(Wizard& wizard) {
    constexpr QLatin1StringView modes[] = {CocMode, LandUseMode};
    ShowList(wizard.controls.Combo1, wizard.controls.Command2, modes);
}

void ReportNoFurtherAction(Wizard& wizard) {
    ShowMessage(wizard, QStringLiteral("No further action is required"),
                QStringLiteral("No further action"));
}

} // namespace terravia
