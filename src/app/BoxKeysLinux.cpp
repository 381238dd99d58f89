// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/BoxKeys.h"

#include <QAbstractNativeEventFilter>
#include <QDialog>
#include <QWidget>
#include <QWindow>

#include <cstdint>

namespace terravia {
namespace {

// A key press or release as the X11 protocol lays it out.
struct XKeyEvent {
    std::uint8_t responseType;
    std::uint8_t detail;
    std::uint16_t sequence;
    std::uint32_t time;
    std::uint32_t root;
    std::uint32_t event;
    std::uint32_t child;
    std::int16_t rootX, rootY, eventX, eventY;
    std::uint16_t state;
    std::uint8_t sameScreen;
    std::uint8_t pad;
};
constexpr std::uint8_t XKeyPress = 2;
constexpr std::uint8_t XKeyRelease = 3;
constexpr std::uint8_t XSentFlag = 0x80;

// Qt gives a key to the window the server names, and drops it when a box blocks that window:
// such a key is handed on to the box by naming the box instead.
class ToTheBox : public QAbstractNativeEventFilter {
public:
    explicit ToTheBox(QDialog& box)
        : box_(box) {}

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t")
            return false;
        auto* key = static_cast<XKeyEvent*>(message);
        const std::uint8_t kind = key->responseType & ~XSentFlag;
        if (kind != XKeyPress && kind != XKeyRelease)
            return false;
        if (KeyIsTheBoxs(box_, QWidget::find(key->event))) {
            key->event = static_cast<std::uint32_t>(box_.winId());
            key->child = 0;
        }
        return false;
    }

private:
    QDialog& box_;
};

} // namespace

std::unique_ptr<QAbstractNativeEventFilter> KeysToTheBox(QDialog& box) {
    return std::make_unique<ToTheBox>(box);
}

// Without a window manager, the server gives the keyboard to no window of the program's
// once the box is gone, and keys typed before the next box stands would go nowhere.
void BoxKeys::answered() {
    if (owner_ == nullptr)
        return;
    if (QWindow* window = owner_->window()->windowHandle())
        window->requestActivate();
}

} // namespace terravia
