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

QString Wizard::conclusionsPath() const {
    return controls.Text1 != nullptr ? controls.Text1->text() : conclusionsPath_;
}

void Wizard::setConclusionsPath(const QString& path) {
    if (controls.Text1 != nullptr)
        controls.Text1->setText(path);
    else
        conclusionsPath_ = path;
}

} // namespace terravia
