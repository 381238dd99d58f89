// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/TestForm.h"

#include "support/Runs.h"

#include "controls/StartUp.h"
#include "screening/Buttons.h"

#include <QComboBox>
#include <QPushButton>

namespace terravia::test {

TestForm::TestForm(Prompts* prompts)
    : wizard_(session_, *prompts) {
    CreateMainControls(this, wizard_.controls);
    ConnectButtons(wizard_, this);
    StartUp(wizard_);
}

ShownForm::ShownForm(const QString& mode) {
    form.show();
    if (!mode.isEmpty())
        ChooseMode(form, script, mode);
}

void ChooseMode(QWidget& form, ScriptedPrompts& script, const QString& mode) {
    script.add(PositiveScreening());
    Click(form, "Command1");
    Pick(form, "Combo1", mode);
    Click(form, "Command2");
}

void Click(QWidget& form, const char* button) {
    auto* control = form.findChild<QPushButton*>(QLatin1StringView(button));
    if (control == nullptr)
        qFatal("no button %s", button);
    control->click();
}

QComboBox* List(QWidget& form, const char* combo) {
    auto* control = form.findChild<QComboBox*>(QLatin1StringView(combo));
    if (control == nullptr)
        qFatal("no list %s", combo);
    return control;
}

void Pick(QWidget& form, const char* combo, const QString& text) {
    QComboBox* list = List(form, combo);
    const int index = list->findText(text, Qt::MatchExactly);
    if (index < 0)
        qFatal("no entry %s in %s", qPrintable(text), combo);
    list->setCurrentIndex(index);
}

} // namespace terravia::test
