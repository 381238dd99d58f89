// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <chrono>
#include <optional>

namespace terravia {

class Errand;

// Every modal box of the wizard, and the save-location dialog, goes through this seam, so
// that a whole run can be driven by a script in tests. The main window implements it with
// real boxes (QtPrompts).
class Prompts {
public:
    virtual ~Prompts() = default;

    // A question with the buttons Yes and No; true means Yes.
    virtual bool askYesNo(const QString& text, const QString& title) = 0;
    // A message with an OK button only.
    virtual void showMessage(const QString& text, const QString& title) = 0;
    // A single-line input box with an empty default; no value when it was cancelled.
    virtual std::optional<QString> askText(const QString& prompt, const QString& title) = 0;
    // The save-location dialog under the given caption; the chosen path when OK was
    // clicked, no value when the dialog was closed otherwise.
    virtual std::optional<QString> askSaveLocation(const QString& caption) = 0;
    // Waits while the errand runs on its thread, the windows drawn and read but taking no
    // input; true once it has ended, false as soon as one of its calls has been under way for
    // the patience.
    virtual bool waitFor(Errand& errand, std::chrono::milliseconds patience) = 0;
};

} // namespace terravia
