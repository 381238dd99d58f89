// SPDX-License-Identifier: GPL-3.0-or-later

#include "screening/Buttons.h"

#include "controls/StartUp.h"
#include "screening/RiskScreening.h"
#include "screening/Selection.h"

#include <QPushButton>

namespace terravia {

void ConnectButtons(Wizard& wizard, QObject* context) {
    const MainControls& c = wizard.controls;
    const auto on = [&wizard, context](QPushButton* button, void (*procedure)(Wizard&)) {
        QObject::connect(button, &QPushButton::clicked, context,
                         [&wizard, procedure] { procedure(wizard); });
    };
    on(c.Command1, Command1Click);
    on(c.Command2, Command2Click);
    on(c.Command3, Command3Click);
    on(c.Command4, Command4Click);
    on(c.Command5, ClearAll);
}

} // namespace terravia
