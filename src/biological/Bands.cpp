// SPDX-License-Identifier: GPL-3.0-or-later

#include "biological/Bands.h"

#include "core/PromptConventions.h"

namespace terravia {

double AskMeasurement(Conversation& wizard, const QString& prompt, const QString& title) {
    return AskPositiveNumber(wizard, prompt, title, QStringLiteral("Please enter a value"));
}

} // namespace terravia
