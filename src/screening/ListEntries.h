// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLatin1StringView>

#include <span>

class QComboBox;
class QPushButton;

namespace terravia {

// Adds the texts to the end of the list. A list that was empty keeps no entry picked, so
// that its text stays empty until the user picks one.
void AddEntries(QComboBox* combo, std::span<const QLatin1StringView> texts);

// Shows the list with the texts and the button that takes its choice, and gives the list the
// keyboard: it is what the user acts on next, and a screen reader announces it.
void ShowList(QComboBox* combo, QPushButton* button, std::span<const QLatin1StringView> texts);

} // namespace terravia
