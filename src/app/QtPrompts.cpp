// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/QtPrompts.h"

#include "dialog/Dialog.h"

#include <QAbstractButton>
#include <QInputDialog>
#include <QMessageBox>

namespace terravia {
namespace {

// Boxes carry no icon, and some styles put one on every standard button: keep them plain.
void PlainButtons(QDialog& box) {
    for (QAbstractButton* button : box.findChildren<QAbstractButton*>())
        button->setIcon(QIcon());
}

} // namespace

bool QtPrompts::askYesNo(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, owner_);
    box.setDefaultButton(QMessageBox::Yes);
    PlainButtons(box);
    box.exec();
    // However the box was closed, the answer is Yes or No.
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

void QtPrompts::showMessage(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, owner_);
    PlainButtons(box);
    box.exec();
}

std::optional<QString> QtPrompts::askText(const QString& title, const QString& prompt) {
    QInputDialog box(owner_);
    box.setInputMode(QInputDialog::TextInput);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(QString());
    PlainButtons(box);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}

std::optional<QString> QtPrompts::askSaveLocation(const QString& caption) {
    Dialog dialog(owner_);
    dialog.setWindowTitle(caption);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.path();
}

} // namespace terravia
