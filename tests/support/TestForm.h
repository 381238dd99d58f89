// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/Wizard.h"
#include "core/Prompts.h"
#include "core/Session.h"

#include <QWidget>

namespace terravia::test {

// The main window's controls and buttons on a plain widget, without the window's layout,
// picture or real boxes: what the tests of a stage drive a run through.
class TestForm : public QWidget {
public:
    explicit TestForm(Prompts* prompts);

    Session& session() { return session_; }
    Wizard& wizard() { return wizard_; }

private:
    Session session_;
    Wizard wizard_;
};

} // namespace terravia::test
