// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLatin1StringView>

class QComboBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace terravia {

// The controls of the main window that the wizard's procedures drive.
struct MainControls {
    QWidget* Form1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QComboBox* Combo3 = nullptr;
    QLineEdit* Text1 = nullptr;
};

// A new control of the form, named as tests and screen readers find it.
template <typename Control> Control* NewControl(QWidget* form, const char* name) {
    auto* control = new Control(form);
    control->setObjectName(QLatin1StringView(name));
    return control;
}

// Creates the controls on the form, named as tests and screen readers find them, in tab order,
// with their captions and their behaviour; where they stand and how they look is the
// window's own affair.
void CreateMainControls(QWidget* form, MainControls& controls);

} // namespace terravia
