// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/MainControls.h"
#include "core/Conversation.h"

namespace terravia {

// What every procedure of the wizard works on: the one session, the prompts and the main
// window's controls.
struct Wizard : Conversation {
    MainControls controls;
};

} // namespace terravia
