// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/ListPurpose.h"

#include <QComboBox>

namespace terravia {

// Linux's screen readers speak a list's current entry as its name, and its description beside
// it. Qt's bridge would show an accessible name only while no entry is chosen, so that the name
// would come and go: the purpose stays in the description alone.
void TellListPurpose(QComboBox& list, const QString& chooses) {
    list.setAccessibleDescription(chooses);
}

} // namespace terravia
