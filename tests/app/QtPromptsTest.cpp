// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/QtPrompts.h"
#include "app/BoxKeys.h"
#include "support/ModalDriver.h"
#include "support/TestMain.h"
#include "support/Texts.h"

#include <QAbstractButton>
#include <QDialog>
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

using namespace terravia;
using namespace terravia::test;

// The prompts as real boxes, answered from inside their own event loops.
class QtPromptsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A fresh driver for each test, whose boxes must all have been answered as expected.
    void init() { driver_ = std::make_unique<ModalDriver>(); }
    void cleanup() {
        QVERIFY2(driver_->failures().isEmpty(), qPrintable(driver_->failures().join(u'\n')));
    }

    void realQuestionBox() {
        for (const QMessageBox::StandardButton answer : {QMessageBox::Yes, QMessageBox::No}) {
            driver_->then([this, answer](QWidget* window) {
                auto* box = qobject_cast<QMessageBox*>(window);
                if (box == nullptr)
                    return driver_->fail(u"not a message box"_s);
                if (box->windowTitle() != Info || box->text() != u"Is it so?"_s ||
                    box->icon() != QMessageBox::NoIcon ||
                    box->standardButtons() != (QMessageBox::Yes | QMessageBox::No))
                    driver_->fail(u"wrong question box"_s);
                box->button(answer)->click();
            });
        }
        QCOMPARE(prompts_.askYesNo(u"Is it so?"_s, Info), true);
        QCOMPARE(prompts_.askYesNo(u"Is it so?"_s, Info), false);
        // Answered by the keyboard, at once, so that the next key reaches the next box: the
        // letters alone or with Alt, Space and Return on the focused Yes, and Escape as No.
        struct Key {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            bool yes;
        };
        const Key keys[] = {{Qt::Key_Y, {}, true},
                            {Qt::Key_N, {}, false},
                            {Qt::Key_Y, Qt::AltModifier, true},
                            {Qt::Key_N, Qt::AltModifier, false},
                            {Qt::Key_Space, {}, true},
                            {Qt::Key_Return, {}, true},
                            {Qt::Key_Escape, {}, false}};
        for (const Key& key : keys) {
            driver_->then([this, key](QWidget* window) {
                // As the platform gives a key to the active window, shortcuts first; not
                // through QTest::keyClick, whose own event processing after the key swallows the
                // box's wake-up on Windows.
                if (!QTest::qWaitForWindowActive(window))
                    return driver_->fail(u"the box never became active"_s);
                QWindow* handle = window->windowHandle();
                const QString text = QKeySequence(key.key).toString().toLower();
                if (key.modifiers == Qt::AltModifier)
                    qt_handleKeyEvent(handle, QEvent::KeyPress, Qt::Key_Alt, {});
                for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
                    qt_handleKeyEvent(handle, type, key.key, key.modifiers,
                                      text.size() == 1 ? text : QString());
                if (key.modifiers == Qt::AltModifier)
                    qt_handleKeyEvent(handle, QEvent::KeyRelease, Qt::Key_Alt, key.modifiers);
                if (window->isVisible())
                    driver_->fail(QKeySequence(key.key | key.modifiers).toString() +
                                  u" did not answer at once"_s);
            });
            QCOMPARE(prompts_.askYesNo(u"Q"_s, Info), key.yes);
        }
    }

    // While a box is up, a key the system gives to a window it blocks, or to a window gone,
    // is the box's; the box's own windows, such as a list's popup, keep theirs.
    void keysOfTheWindowsABoxBlocksAreItsOwn() {
        QWidget owner;
        owner.show();
        QDialog box(&owner);
        QWidget popup(&box, Qt::Popup);
        QVERIFY(!KeyIsTheBoxs(box, &owner)); // not up yet
        driver_->then([&](QWidget*) {
            if (!KeyIsTheBoxs(box, &owner) || !KeyIsTheBoxs(box, nullptr))
                driver_->fail(u"a key for a blocked or gone window was not the box's"_s);
            if (KeyIsTheBoxs(box, &box) || KeyIsTheBoxs(box, &popup))
                driver_->fail(u"a key for the box's own window was taken from it"_s);
            box.accept();
        });
        box.exec();
    }

    void realMessageBox() {
        driver_->then([this](QWidget* window) {
            auto* box = qobject_cast<QMessageBox*>(window);
            if (box == nullptr)
                return driver_->fail(u"not a message box"_s);
            if (box->windowTitle() != NoActionTitle || box->text() != NoActionText ||
                box->icon() != QMessageBox::NoIcon || box->standardButtons() != QMessageBox::Ok)
                driver_->fail(u"wrong message box"_s);
            QTest::keyClick(box, Qt::Key_Return);
        });
        prompts_.showMessage(NoActionText, NoActionTitle);
    }

    void realInputBox() {
        driver_->then([this](QWidget* window) {
            auto* box = qobject_cast<QInputDialog*>(window);
            if (box == nullptr)
                return driver_->fail(u"not an input box"_s);
            if (box->windowTitle() != TonnageTitle || box->labelText() != u"Enter the tonnage"_s ||
                !box->textValue().isEmpty())
                driver_->fail(u"wrong input box"_s);
            QLineEdit* field = box->findChild<QLineEdit*>();
            QTest::keyClicks(field, u"12 t"_s);
            QTest::keyClick(field, Qt::Key_Return);
        });
        QCOMPARE(prompts_.askText(u"Enter the tonnage"_s, TonnageTitle),
                 std::optional<QString>(u"12 t"_s));
    }

    void realInputBoxCancelled() {
        driver_->then([](QWidget* window) {
            QTest::keyClicks(window->findChild<QLineEdit*>(), u"5"_s);
            QTest::keyClick(window, Qt::Key_Escape);
        });
        QCOMPARE(prompts_.askText(u"P"_s, u"T"_s), std::nullopt);
    }

    void realPromptsShowAFreshDialog() {
        // An owner elsewhere on the screen must not pull the dialog away from its place.
        QWidget owner;
        owner.setGeometry(500, 400, 300, 200);
        owner.show();
        QtPrompts prompts(&owner);
        driver_->then([this](QWidget* window) {
            if (window->windowTitle() != Caption)
                driver_->fail(u"caption "_s + window->windowTitle());
            if (window->geometry() != QRect(184, 250, 354, 488))
                driver_->fail(u"the dialog was moved"_s);
            QTest::keyClicks(Control<QLineEdit>(*window, "Text1"), u"report"_s);
            Control<QPushButton>(*window, "OKButton")->click();
        });
        driver_->then([this](QWidget* window) {
            if (!Control<QLineEdit>(*window, "Text1")->text().isEmpty())
                driver_->fail(u"the name of the earlier save was kept"_s);
            window->close();
        });

        const std::optional<QString> chosen = prompts.askSaveLocation(Caption);
        const std::optional<QString> closed = prompts.askSaveLocation(Caption);

        QVERIFY(chosen.has_value());
#if defined(Q_OS_WIN)
        // A fresh dialog opens on drive c's root, which already ends in a backslash; Windows
        // paths ignore case.
        QCOMPARE(chosen->toLower(), u"c:\\\\report"_s);
#else
        QVERIFY(chosen->startsWith(QDir::toNativeSeparators(QDir::homePath())));
        QVERIFY(chosen->endsWith(QDir::separator() + u"report"_s));
#endif
        QVERIFY(!closed.has_value());
    }

private:
    QWidget owner_;
    QtPrompts prompts_{&owner_};
    std::unique_ptr<ModalDriver> driver_;
};

TERRAVIA_TEST_MAIN(QtPromptsTest)
#include "QtPromptsTest.moc"
