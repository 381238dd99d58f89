// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>

namespace terravia {

// A text field that a screen reader names when Tab reaches it empty. A line edit reached by
// Tab selects all its text, and reports a caret in it, before the accessibility bridge
// reports the focus; Orca then moves to the field silently and has nothing to say when the
// focus follows. With no text there is nothing to select, so the field takes the focus as
// from a click.
class TextField : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace terravia
