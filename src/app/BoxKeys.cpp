// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/BoxKeys.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QDialog>

namespace terravia {

BoxKeys::BoxKeys(QDialog& box, QWidget* owner)
    : owner_(owner)
    , filter_(KeysToTheBox(box)) {
    QCoreApplication::instance()->installNativeEventFilter(filter_.get());
}

BoxKeys::~BoxKeys() {
    QCoreApplication::instance()->removeNativeEventFilter(filter_.get());
}

bool KeyIsTheBoxs(const QDialog& box, const QWidget* window) {
    if (QApplication::activeModalWidget() != &box)
        return false;
    // Not isAncestorOf, which stops at the window: a list's popup is a window of its own.
    for (const QWidget* widget = window; widget != nullptr; widget = widget->parentWidget()) {
        if (widget == &box)
            return false;
    }
    return true;
}

} // namespace terravia
