// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/Wizard.h"
#include "core/Prompts.h"
#include "core/Session.h"
#include "support/ScriptedPrompts.h"

#include <QWidget>

class QComboBox;

namespace terravia::test {

// The main window's controls and buttons on a plain widget, without the window's layout,
// picture or real boxes: what the tests of a stage drive a run through.
class TestForm : public QWidget {
public:
    explicit TestForm(Prompts* prompts);

    Session& session() { return session_; }
    Wizard& wizard() { return wizard_; }

private:
    Session session_;
    Wizard wizard_;
};

// A shown form and the script it asks through, at the mode's stage where a mode is given.
struct ShownForm {
    explicit ShownForm(const QString& mode = {});
    ScriptedPrompts script;
    TestForm form{&script};
};

// Brings the window through a positive screening to the stage of the mode ("Define ...").
void ChooseMode(QWidget& form, ScriptedPrompts& script, const QString& mode);

// Clicks the named button of the window.
void Click(QWidget& form, const char* button);
QComboBox* List(QWidget& form, const char* combo);
// Picks the entry of the list that has this text.
void Pick(QWidget& form, const char* combo, const QString& text);

} // namespace terravia::test
