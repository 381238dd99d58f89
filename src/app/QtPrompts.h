// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Prompts.h"

class QWidget;

namespace terravia {

// The prompts as real modal boxes: message boxes without an icon and with exactly the
// buttons asked for, input boxes with OK and Cancel, and the save-location dialog.
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* owner)
        : owner_(owner) {}

    bool askYesNo(const QString& text, const QString& title) override;
    void showMessage(const QString& text, const QString& title) override;
    std::optional<QString> askText(const QString& prompt, const QString& title) override;
    std::optional<QString> askSaveLocation(const QString& caption) override;
    bool waitFor(Errand& errand, std::chrono::milliseconds patience) override;

private:
    QWidget* owner_;
};

} // namespace terravia
