// SPDX-License-Identifier: GPL-3.0-or-later

#include "screening/ListEntries.h"

#include <QComboBox>

namespace terravia {

void AddEntries(QComboBox* combo, std::span<const QLatin1StringView> texts) {
    const bool wasEmpty = combo->count() == 0;
    for (const QLatin1StringView text : texts)
        combo->addItem(text);
    // A combo box makes its first entry current as soon as one is added to an empty list.
    if (wasEmpty)
        combo->setCurrentIndex(-1);
}

} // namespace terravia
