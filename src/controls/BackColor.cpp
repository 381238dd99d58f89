// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/BackColor.h"

#include <QPalette>
#include <QWidget>

namespace terravia {

void SetBackColor(Wizard& wizard, const QColor& color) {
    QWidget* form = wizard.controls.Form1;
    if (form == nullptr)
        return;
    QPalette palette = form->palette();
    palette.setColor(QPalette::Window, color);
    form->setPalette(palette);
    form->setAutoFillBackground(true);
    form->update();
}

} // namespace terravia
