// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/StartUp.h"

#include <QComboBox>
#include <QPushButton>

namespace terravia {
namespace {

void ResetControls(MainControls& c) {
    for (QComboBox* combo : {c.Combo1, c.Combo2, c.Combo3}) {
        combo->setEnabled(false);
        combo->hide();
        combo->clear();
        // Emptying an editable list leaves a typed text in its field.
        combo->clearEditText();
    }
    c.Command1->setEnabled(true);
    c.Command1->show();
    for (QPushButton* button : {c.Command2, c.Command3, c.Command4}) {
        button->setEnabled(false);
        button->hide();
    }
}

} // namespace

void StartUp(Wizard& wizard) {
    wizard.setBackColor(NeutralBackColor);
    ClearAll(wizard);
}

void ClearAll(Wizard& wizard) {
    ResetControls(wizard.controls);
    ResetSession(wizard.session);
}

} // namespace terravia
