// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMetaObject>

#include <memory>
#include <vector>

class QAbstractNativeEventFilter;
class QDialog;
class QWidget;

namespace terravia {

// Keys typed as one box gives way to the next belong to the next, however long it takes to
// stand on a busy machine: they reach the program, and while a box is up, a key that the
// system gives to a window the box blocks is the box's, in the order typed. Each system's
// part is in BoxKeysLinux.cpp and BoxKeysWindows.cpp.
class BoxKeys {
public:
    // From now until this object goes, the keys of the windows that box blocks are its own,
    // and as a message or input box is answered, the keyboard stays with the program.
    BoxKeys(QDialog& box, QWidget* owner);
    BoxKeys(const BoxKeys&) = delete;
    BoxKeys& operator=(const BoxKeys&) = delete;
    ~BoxKeys();

private:
    // The box is answered and about to close.
    void answered();

    QWidget* owner_;
    std::unique_ptr<QAbstractNativeEventFilter> filter_;
    std::vector<QMetaObject::Connection> answers_;
};

// Each system's filter that hands the box the keys of the windows it blocks.
std::unique_ptr<QAbstractNativeEventFilter> KeysToTheBox(QDialog& box);

// True where the key meant for that window is the box's: the box is the one that takes keys
// now, and the window is neither the box nor one of its own, such as a list's popup. A window
// that is no longer there counts as blocked, as the box that it was has given way.
bool KeyIsTheBoxs(const QDialog& box, const QWidget* window);

} // namespace terravia
