// SPDX-License-Identifier: GPL-3.0-or-later

#include "screening/TonnageMedium.h"

#include "core/PromptConventions.h"

namespace terravia {

void AskTonnage(Wizard& wizard) {
    wizard.session.Tonnage = AskPositiveNumber(
        wizard, QStringLiteral("Enter the tonnage of contaminated material"),
        QStringLiteral("Tonnage"), QStringLiteral("Please enter a numerical value"));
}

void AskMedium(Wizard& wizard) {
    for (;;) {
        if (AskYesNo(wizard, QStringLiteral("Soil, Sediment, Bedrock and Sludge Treatment "
                                            "Technologies?")) == Answer::Yes) {
            wizard.session.Medium = QStringLiteral("solid");
            return;
        }
        if (AskYesNo(wizard, QStringLiteral("Ground Water, Surface Water, and Leachate "
                                            "Treatment Technologies?")) == Answer::Yes) {
            wizard.session.Medium = QStringLiteral("liquid");
            return;
        }
        ShowMessage(wizard, QStringLiteral("You have to choose solid or liquid"),
                    InformationRequired);
    }
}

} // namespace terravia
