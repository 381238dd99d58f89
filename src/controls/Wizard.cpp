// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/Wizard.h"

#include <QLineEdit>
#include <QPalette>
#include <QWidget>

namespace terravia {

void Wizard::setBackColor(Rgb color) {
    QWidget* form = controls.Form1;
    if (form == nullptr)
        return;
    QPalette palette = form->palette();
    palette.setColor(QPalette::Window, QColor(color.red, color.green, color.blue));
    form->setPalette(palette);
    form->setAutoFillBackground(true);
    form->update();
}

QString Wizard::chosenPath() const {
    return controls.Text1 != nullptr ? controls.Text1->text() : chosenPath_;
}

void Wizard::setChosenPath(const QString& path) {
    if (controls.Text1 != nullptr)
        controls.Text1->setText(path);
    else
        chosenPath_ = path;
}

} // namespace terravia
