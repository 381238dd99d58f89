// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/Wizard.h"

class QObject;

namespace terravia {

// What each button of the main window does: the road of a run.
void ConnectButtons(Wizard& wizard, QObject* context);

} // namespace terravia
