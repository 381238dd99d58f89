// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/BoxKeys.h"

#include <QAbstractNativeEventFilter>
#include <QDialog>
#include <QWidget>

#include <windows.h>

namespace terravia {
namespace {

// Windows gives the keyboard to the owner of a box that closes, and Qt drops a key for a
// window that a box blocks: such a key is posted again to the box. Posted messages are taken
// before the keys still waiting in the input queue, so the keys keep their order.
class ToTheBox : public QAbstractNativeEventFilter {
public:
    explicit ToTheBox(QDialog& box)
        : box_(box) {}

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "windows_generic_MSG")
            return false;
        const auto* msg = static_cast<const MSG*>(message);
        switch (msg->message) {
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
        case WM_CHAR:
        case WM_SYSCHAR:
            break;
        default:
            return false;
        }
        if (!KeyIsTheBoxs(box_, QWidget::find(reinterpret_cast<WId>(msg->hwnd))))
            return false;
        return PostMessageW(reinterpret_cast<HWND>(box_.winId()), msg->message, msg->wParam,
                            msg->lParam) != 0;
    }

private:
    QDialog& box_;
};

} // namespace

std::unique_ptr<QAbstractNativeEventFilter> KeysToTheBox(QDialog& box) {
    return std::make_unique<ToTheBox>(box);
}

// Windows itself gives the keyboard to the box's owner as the box closes.
void BoxKeys::answered() {}

} // namespace terravia
