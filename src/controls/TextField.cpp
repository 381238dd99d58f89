// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/TextField.h"

#include <QFocusEvent>

namespace terravia {

void TextField::focusInEvent(QFocusEvent* event) {
    if (!text().isEmpty())
        return QLineEdit::focusInEvent(event);
    QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&plain);
}

} // namespace terravia
