// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/ListPurpose.h"

#include <QComboBox>
#include <QLineEdit>

namespace terravia {

// Windows' screen readers announce a list by its name, then its value, the current entry; the
// field of an editable list, where the keyboard lands, is announced by a name of its own.
void TellListPurpose(QComboBox& list, const QString& chooses) {
    list.setAccessibleName(chooses);
    list.setAccessibleDescription(chooses);
    if (QLineEdit* field = list.lineEdit())
        field->setAccessibleName(chooses);
}

} // namespace terravia
