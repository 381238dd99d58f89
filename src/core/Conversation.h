// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Prompts.h"
#include "core/Session.h"

namespace terravia {

// What the foundation's conventions work on: the one session, and the prompts through which
// the wizard asks and tells. The wizard adds the main window's controls one floor up.
struct Conversation {
    Session& session;
    Prompts& prompts;
};

} // namespace terravia
