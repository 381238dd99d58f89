// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/Wizard.h"
#include "core/Prompts.h"
#include "core/Session.h"

#include <QWidget>

#include <memory>

class QLabel;

namespace terravia {

class QtPrompts;

// The main window: the home of the one session, with the controls that the wizard shows
// and hides as the user moves through it.
class Form1 : public QWidget {
    Q_OBJECT

public:
    // With no prompts given, the window asks through real message and input boxes.
    explicit Form1(Prompts* prompts = nullptr, QWidget* parent = nullptr);
    ~Form1() override;

    Session& session() { return session_; }
    Wizard& wizard() { return wizard_; }

private:
    void CreateControls();

    Session session_;
    std::unique_ptr<QtPrompts> ownPrompts_;
    Wizard wizard_;
    QLabel* Picture1 = nullptr;
};

} // namespace terravia
