// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Wizard.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace terravia {
namespace {

template <typename Control> Control* MakeControl(QWidget* form, const char* name) {
    auto* control = new Control(form);
    control->setObjectName(QLatin1StringView(name));
    return control;
}

QPushButton* MakeButton(QWidget* form, const char* name, const QString& caption) {
    auto* button = MakeControl<QPushButton>(form, name);
    button->setText(caption);
    return button;
}

} // namespace

void CreateMainControls(QWidget* form, MainControls& c) {
    c.Form1 = form;
    c.Command1 = MakeButton(form, "Command1", QStringLiteral("Ready"));
    c.Combo1 = MakeControl<QComboBox>(form, "Combo1");
    c.Command2 = MakeButton(form, "Command2", QStringLiteral("COC or Land Use?"));
    c.Combo2 = MakeControl<QComboBox>(form, "Combo2");
    c.Command3 = MakeButton(form, "Command3", QStringLiteral("Select land use"));
    c.Combo3 = MakeControl<QComboBox>(form, "Combo3");
    c.Combo3->setEditable(true);
    // A typed text is stored exactly as typed: no completion, and never added to the list.
    c.Combo3->setCompleter(nullptr);
    c.Combo3->setInsertPolicy(QComboBox::NoInsert);
    c.Command4 = MakeButton(form, "Command4", QStringLiteral("Select COC"));
    c.Command5 = MakeButton(form, "Command5", QStringLiteral("Clear all"));
    c.Text1 = MakeControl<QLineEdit>(form, "Text1");
}

} // namespace terravia
