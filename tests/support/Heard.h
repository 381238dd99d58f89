// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QStringList>

namespace terravia::test {

// What Qt's accessibility tells a screen reader of a list, against what this system's readers
// need: empty where all is as needed, else what was told and what was needed.
inline QString ListHeardWrongly(QComboBox& list, const QString& purpose) {
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(&list);
    QLineEdit* field = list.lineEdit();
    const QString entry = field != nullptr ? field->text() : list.currentText();
#if defined(Q_OS_WIN)
    // Narrator and NVDA announce the name, then the value; the field is announced by its name.
    const QStringList needed = {purpose, entry, field != nullptr ? purpose : QString()};
    const QStringList told = {heard->text(QAccessible::Name), heard->text(QAccessible::Value),
                              field != nullptr ? field->accessibleName() : QString()};
#else
    // Orca speaks the entry as the name and the purpose beside it; no name of ours, which the
    // bridge would show only while no entry is chosen.
    const QStringList needed = {entry, purpose, QString()};
    const QStringList told = {heard->text(QAccessible::Name), heard->text(QAccessible::Description),
                              list.accessibleName() +
                                  (field ? field->accessibleName() : QString())};
#endif
    return told == needed ? QString()
                          : told.join(u" | ") + QStringLiteral(" where ") + needed.join(u" | ");
}

} // namespace terravia::test
