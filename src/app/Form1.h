// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/Wizard.h"
#include "core/Prompts.h"
#include "core/Session.h"

#include <QWidget>

#include <memory>

class QLabel;
class QPushButton;

namespace terravia {

class QtPrompts;

// The window's own font, which the buttons take, and the lists' font, in points.
inline constexpr qreal WindowPoints = 8.25;
inline constexpr qreal ListPoints = 9.75;
// A caption fits its button when its advance, with this many pixels on either side, fits
// inside the style's frame; a caption that would not is drawn smaller, down to the minimum.
inline constexpr int CaptionMargin = 2;
inline constexpr qreal MinimumPoints = 4;

// The room the style leaves for a button's caption, and the room its caption needs.
int CaptionRoom(const QPushButton* button);
int CaptionWidth(const QPushButton* button);
// Draws the button's caption smaller until it fits.
void FitCaption(QPushButton* button);

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
