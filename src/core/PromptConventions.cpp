// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/PromptConventions.h"

#include "core/ReadNumber.h"

namespace terravia {

Answer AskYesNo(Conversation& wizard, const QString& question) {
    return wizard.prompts.askYesNo(question, InformationRequired) ? Answer::Yes : Answer::No;
}

void ShowMessage(Conversation& wizard, const QString& text, const QString& title) {
    wizard.prompts.showMessage(text, title);
}

double AskPositiveNumber(Conversation& wizard, const QString& prompt, const QString& title,
                         const QString& rejection) {
    for (;;) {
        const QString reply = wizard.prompts.askText(prompt, title).value_or(QString());
        if (!reply.isEmpty()) {
            const double value = ReadNumber(reply);
            if (value > 0)
                return value;
        }
        ShowMessage(wizard, rejection, InformationRequired);
    }
}

} // namespace terravia
