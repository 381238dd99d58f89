// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/MainControls.h"
#include "core/Conversation.h"

namespace terravia {

// What every procedure of the main window works on: the one session, the prompts and the
// main window's controls, which show what the stages give the window.
struct Wizard : Window, Conversation {
    Wizard(Session& theSession, Prompts& thePrompts)
        : Conversation{theSession, thePrompts, *this} {}
    Wizard(const Wizard&) = delete;
    Wizard& operator=(const Wizard&) = delete;

    void setBackColor(Rgb color) override;
    // Text1 holds the path between saves; without the window, the wizard itself.
    QString conclusionsPath() const override;
    void setConclusionsPath(const QString& path) override;

    MainControls controls;

private:
    QString conclusionsPath_;
};

} // namespace terravia
