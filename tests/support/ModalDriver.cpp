// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/ModalDriver.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace terravia::test {

using namespace Qt::Literals::StringLiterals;

ModalDriver::ModalDriver() {
    qApp->installEventFilter(this);
}

ModalDriver::~ModalDriver() {
    qApp->removeEventFilter(this);
}

bool ModalDriver::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* window = static_cast<QWidget*>(watched);
        if (window->isWindow() && window->isModal()) {
            QPointer<QWidget> guarded(window);
            QMetaObject::invokeMethod(
                this,
                [this, guarded] {
                    if (guarded)
                        act(guarded);
                },
                Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}

void ModalDriver::act(QWidget* window) {
    QPointer<QWidget> guarded(window);
    if (actions_.empty()) {
        failures_.append(u"unexpected modal window: "_s + window->windowTitle());
    } else {
        Action action = std::move(actions_.front());
        actions_.pop_front();
        action(window);
    }
    if (guarded && guarded->isVisible()) {
        failures_.append(u"modal window left open: "_s + guarded->windowTitle());
        guarded->close();
    }
}

QStringList ModalDriver::failures() const {
    QStringList all = failures_;
    if (!actions_.empty())
        all.append(u"%1 modal window(s) never came"_s.arg(actions_.size()));
    return all;
}

} // namespace terravia::test
