// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Prompts.h"
#include "core/Session.h"
#include "core/Window.h"

namespace terravia {

// What the stages work on: the one session, the prompts through which the wizard asks and
// tells, and what they show in the main window. The wizard adds the main window's controls
// some floors up.
struct Conversation {
    Session& session;
    Prompts& prompts;
    Window& window;
};

} // namespace terravia
