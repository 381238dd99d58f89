// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdint>

namespace terravia {

// A colour as red, green and blue, 0 to 255 each.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(Rgb, Rgb) = default;
};

// The main window's own background; the ex-situ verdicts tint it only while their message
// is open.
inline constexpr Rgb NeutralBackColor{220, 220, 220};

// What the stages show in the main window besides its boxes: its colour, and the path of
// the conclusions file, which the window keeps where the user may edit it. The main window
// implements it on its controls; scripted runs record what they are told.
class Window {
public:
    virtual ~Window() = default;

    virtual void setBackColor(Rgb color) = 0;
    virtual QString conclusionsPath() const = 0;
    virtual void setConclusionsPath(const QString& path) = 0;
};

} // namespace terravia
