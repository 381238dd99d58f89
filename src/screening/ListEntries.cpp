// SPDX-License-Identifier: GPL-3.0-or-later

#include "screening/ListEntries.h"

#include <QComboBox>
#include <QPushButton>

namespace terravia {

void AddEntries(QComboBox* combo, std::span<const QLatin1StringView> texts) {
    const bool wasEmpty = combo->count() == 0;
    for (const QLatin1StringView text : texts)
        combo->addItem(text);
    // A combo box makes its first entry current as soon as one is added to an empty list.
    if (wasEmpty)
        combo->setCurrentIndex(-1);
}

void ShowList(QComboBox* combo, QPushButton* button, std::span<const QLatin1StringView> texts) {
    combo->show();
    combo->setEnabled(true);
    AddEntries(combo, texts);
    button->setEnabled(true);
    button->show();
    combo->setFocus();
}

} // namespace terravia
