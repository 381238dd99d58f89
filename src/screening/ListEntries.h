// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLatin1StringView>

#include <span>

class QComboBox;

namespace terravia {

// Adds the texts to the end of the list. A list that was empty keeps no entry picked, so
// that its text stays empty until the user picks one.
void AddEntries(QComboBox* combo, std::span<const QLatin1StringView> texts);

} // namespace terravia
