// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/MainControls.h"

#include "controls/TextField.h"

#include <QComboBox>
#include <QPushButton>

namespace terravia {
namespace {

QPushButton* MakeButton(QWidget* form, const char* name, const QString& caption) {
    auto* button = NewControl<QPushButton>(form, name);
    button->setText(caption);
    return button;
}

} // namespace

void CreateMainControls(QWidget* form, MainControls& c) {
    c.Form1 = form;
    c.Command1 = MakeButton(form, "Command1", QStringLiteral("Ready"));
    c.Combo1 = NewControl<QComboBox>(form, "Combo1");
    c.Command2 = MakeButton(form, "Command2", QStringLiteral("COC or Land Use?"));
    c.Combo2 = NewControl<QComboBox>(form, "Combo2");
    c.Command3 = MakeButton(form, "Command3", QStringLiteral("Select land use"));
    c.Combo3 = NewControl<QComboBox>(form, "Combo3");
    c.Combo3->setEditable(true);
    // A typed text is stored exactly as typed: no completion, and never added to the list.
    c.Combo3->setCompleter(nullptr);
    c.Combo3->setInsertPolicy(QComboBox::NoInsert);
    c.Command4 = MakeButton(form, "Command4", QStringLiteral("Select COC"));
    c.Command5 = MakeButton(form, "Command5", QStringLiteral("Clear all"));
    c.Text1 = NewControl<TextField>(form, "Text1");
}

} // namespace terravia
