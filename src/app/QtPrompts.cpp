// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/QtPrompts.h"

#include "app/BoxKeys.h"
#include "core/Errand.h"
#include "dialog/Dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

#include <cstdlib>

namespace terravia {
namespace {

// Boxes carry no icon, and some styles put one on every standard button: keep them plain.
void PlainButtons(QDialog& box) {
    for (QAbstractButton* button : box.findChildren<QAbstractButton*>())
        button->setIcon(QIcon());
}

// Qt answers a button's letter, alone or with Alt, only once the button has been shown
// pressed for a tenth of a second, and a key typed meanwhile goes nowhere: here the letter
// answers at once, as Windows' own boxes do, and the next key reaches the next box.
class LettersAnswerAtOnce : public QObject {
public:
    explicit LettersAnswerAtOnce(QMessageBox& box)
        : box_(box) {
        box.installEventFilter(this);
        for (QAbstractButton* button : box.buttons())
            button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Shortcut) { // Alt and the letter
            auto* button = qobject_cast<QAbstractButton*>(watched);
            if (button == nullptr || !box_.buttons().contains(button))
                return false;
            button->click();
            return true;
        }
        if (event->type() != QEvent::KeyPress || watched != &box_)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier)) != 0)
            return false;
        for (QAbstractButton* button : box_.buttons()) {
            const QKeySequence letter = button->shortcut();
            if (!letter.isEmpty() && letter[0].key() == key->key()) {
                button->click();
                return true;
            }
        }
        return false;
    }

private:
    QMessageBox& box_;
};

// Most saves end at once: the window's thread looks this long before it draws and reads
// the windows while it waits, well within a key's or a screen reader's patience.
constexpr std::chrono::milliseconds FirstLook(20);

// While the wizard waits for a save, its windows are drawn and read by screen readers, but
// take no key, click or touch, as nothing may start meanwhile. Closing the main window ends
// the program at once: a call still in the system's hands stays there, and the report's name
// then holds the earlier file or the whole new one.
class TakeNoInput : public QObject {
public:
    explicit TakeNoInput(QWidget* owner)
        : owner_(owner) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::ContextMenu:
            return true;
        case QEvent::Close:
            if (owner_ != nullptr &&
                (watched == owner_ ||
                 watched == static_cast<QObject*>(owner_->window()->windowHandle())))
                std::_Exit(EXIT_SUCCESS);
            return true;
        default:
            return false;
        }
    }

private:
    QWidget* owner_;
};

} // namespace

bool QtPrompts::askYesNo(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, owner_);
    box.setDefaultButton(QMessageBox::Yes);
    PlainButtons(box);
    const LettersAnswerAtOnce letters(box);
    const BoxKeys keys(box, owner_);
    box.exec();
    // However the box was closed, the answer is Yes or No.
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

void QtPrompts::showMessage(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, owner_);
    PlainButtons(box);
    const LettersAnswerAtOnce letters(box);
    const BoxKeys keys(box, owner_);
    box.exec();
}

std::optional<QString> QtPrompts::askText(const QString& prompt, const QString& title) {
    QInputDialog box(owner_);
    box.setInputMode(QInputDialog::TextInput);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(QString());
    PlainButtons(box);
    const BoxKeys keys(box, owner_);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}

std::optional<QString> QtPrompts::askSaveLocation(const QString& caption) {
    Dialog dialog(owner_);
    dialog.setWindowTitle(caption);
    const BoxKeys keys(dialog, owner_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.path();
}

bool QtPrompts::waitFor(Errand& errand, std::chrono::milliseconds patience) {
    if (errand.await(patience, FirstLook))
        return true;
    TakeNoInput filter(owner_);
    QCoreApplication::instance()->installEventFilter(&filter);
    QEventLoop loop;
    QTimer look;
    look.setInterval(FirstLook);
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (errand.finished() || errand.stuck(patience))
            loop.quit();
    });
    look.start();
    loop.exec();
    return errand.finished();
}

} // namespace terravia
