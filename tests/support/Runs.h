#pragma once

#include "support/ScriptedPrompts.h"

#include <QWidget>

#include <vector>

class QComboBox;

namespace terravia::test {

// The prompts of the common stretches of a run, so that each test spells out only the part
// it is about.
std::vector<Step> PositiveScreening();
std::vector<Step> TonnageAndMedium(const QString& tonnage = QStringLiteral("10"));
// What follows the ranking when the ex-situ assessment stops red at its first question:
// no conclusion line, no file, and the closing message.
std::vector<Step> RedStopTail();

// Clicks the named button of the window.
void Click(QWidget& form, const char* button);
QComboBox* List(QWidget& form, const char* combo);
// Picks the entry of the list that has this text.
void Pick(QWidget& form, const char* combo, const QString& text);

} // namespace terravia::test
