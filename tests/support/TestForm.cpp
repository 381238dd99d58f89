// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/TestForm.h"

#include "controls/StartUp.h"
#include "screening/Buttons.h"

namespace terravia::test {

TestForm::TestForm(Prompts* prompts)
    : wizard_{session_, *prompts, {}} {
    CreateMainControls(this, wizard_.controls);
    ConnectButtons(wizard_, this);
    StartUp(wizard_);
}

} // namespace terravia::test
