// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/BoxKeys.h"

#include <QAbstractButton>
#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QMessageBox>

namespace terravia {

BoxKeys::BoxKeys(QDialog& box, QWidget* owner)
    : owner_(owner)
    , filter_(KeysToTheBox(box)) {
    QCoreApplication::instance()->installNativeEventFilter(filter_.get());
    // A message box's own button box reports its click only once the box is hidden, too late
    // to keep the keyboard; the save dialog is left alone, as its OK may keep it open.
    if (auto* message = qobject_cast<QMessageBox*>(&box)) {
        answers_.push_back(QObject::connect(message, &QMessageBox::buttonClicked, message,
                                            [this] { answered(); }));
    } else if (qobject_cast<QInputDialog*>(&box) != nullptr) {
        for (auto* buttons : box.findChildren<QDialogButtonBox*>())
            answers_.push_back(QObject::connect(buttons, &QDialogButtonBox::clicked, &box,
                                                [this] { answered(); }));
    }
}

BoxKeys::~BoxKeys() {
    for (const QMetaObject::Connection& answer : answers_)
        QObject::disconnect(answer);
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
