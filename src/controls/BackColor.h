// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/Wizard.h"

#include <QColor>

namespace terravia {

// The main window's own background; the ex-situ verdicts tint it only while their message
// is open.
inline constexpr QColor NeutralBackColor(220, 220, 220);

void SetBackColor(Wizard& wizard, const QColor& color);

} // namespace terravia
