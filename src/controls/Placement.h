// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/Wizard.h"

#include <QRect>
#include <QWidget>

namespace terravia {

// The windows are laid out in twips; at 96 dots per inch 15 twips make one pixel.
constexpr int Twips(int twips) {
    return twips / 15;
}

constexpr QRect TwipRect(int left, int top, int width, int height) {
    return {Twips(left), Twips(top), Twips(width), Twips(height)};
}

// A named control of the window, at its place.
template <typename Control>
Control* MakeControl(QWidget* parent, const char* name, const QRect& geometry) {
    auto* control = NewControl<Control>(parent, name);
    control->setGeometry(geometry);
    return control;
}

} // namespace terravia
