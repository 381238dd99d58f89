// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Conversation.h"

#include <cstdint>

namespace terravia {

// The title of every question and of every rejected input.
inline const QString InformationRequired = QStringLiteral("Information required");

// The platform's answer codes, kept so that an answer can only ever be one of the two.
enum class Answer : std::int16_t { Yes = 6, No = 7 };

Answer AskYesNo(Conversation& wizard, const QString& question);
void ShowMessage(Conversation& wizard, const QString& text, const QString& title);
// Asks until the reply is non-empty and reads as a number greater than 0, showing the
// rejection text after every refused reply. Cancel counts as an empty reply.
double AskPositiveNumber(Conversation& wizard, const QString& prompt, const QString& title,
                         const QString& rejection);

} // namespace terravia
