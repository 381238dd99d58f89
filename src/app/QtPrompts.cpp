#include "app/QtPrompts.h"

#include "output/Dialog.h"

#include <QInputDialog>
#include <QMessageBox>

namespace terravia {

bool QtPrompts::askYesNo(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, owner_);
    box.setDefaultButton(QMessageBox::Yes);
    box.exec();
    // However the box was closed, the answer is Yes or No.
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

void QtPrompts::showMessage(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, owner_);
    box.exec();
}

std::optional<QString> QtPrompts::askText(const QString& title, const QString& prompt) {
    QInputDialog box(owner_);
    box.setInputMode(QInputDialog::TextInput);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(QString());
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
