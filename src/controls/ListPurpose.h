// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QComboBox;
class QString;

namespace terravia {

// Tells screen readers what a list chooses, where each system's readers look for it
// (ListPurposeLinux.cpp, ListPurposeWindows.cpp). An editable list must be editable already,
// so that its field is told too.
void TellListPurpose(QComboBox& list, const QString& chooses);

} // namespace terravia
