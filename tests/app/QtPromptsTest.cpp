// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/QtPrompts.h"
#include "support/ModalDriver.h"
#include "support/TestMain.h"
#include "support/Texts.h"

#include <QAbstractButton>
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
    void realQuestionBox() {
        QWidget owner;
        QtPrompts prompts(&owner);
        ModalDriver driver;
        for (const QMessageBox::StandardButton answer : {QMessageBox::Yes, QMessageBox::No}) {
            driver.then([&driver, answer](QWidget* window) {
                auto* box = qobject_cast<QMessageBox*>(window);
                if (box == nullptr)
                    return driver.fail(u"not a message box"_s);
                if (box->windowTitle() != Info || box->text() != u"Is it so?"_s ||
                    box->icon() != QMessageBox::NoIcon ||
                    box->standardButtons() != (QMessageBox::Yes | QMessageBox::No))
                    driver.fail(u"wrong question box"_s);
                box->button(answer)->click();
            });
        }
        QCOMPARE(prompts.askYesNo(Info, u"Is it so?"_s), true);
        QCOMPARE(prompts.askYesNo(Info, u"Is it so?"_s), false);
        // Answered by the keyboard: the mnemonic letters, and Escape counts as No.
        const std::pair<int, bool> keys[] = {
            {Qt::Key_Y, true}, {Qt::Key_N, false}, {Qt::Key_Escape, false}, {Qt::Key_Return, true}};
        for (const auto& [key, expected] : keys) {
            driver.then([key](QWidget* window) {
                QTest::keyClick(window, Qt::Key(key));
                // A mnemonic key clicks its button with a short animation.
                (void)QTest::qWaitFor([window] { return !window->isVisible(); }, LoadedDeadlineMs);
            });
            QCOMPARE(prompts.askYesNo(Info, u"Q"_s), expected);
        }
        QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join(u'\n')));
    }

    void realMessageBox() {
        QWidget owner;
        QtPrompts prompts(&owner);
        ModalDriver driver;
        driver.then([&driver](QWidget* window) {
            auto* box = qobject_cast<QMessageBox*>(window);
            if (box == nullptr)
                return driver.fail(u"not a message box"_s);
            if (box->windowTitle() != NoActionTitle || box->text() != NoActionText ||
                box->icon() != QMessageBox::NoIcon || box->standardButtons() != QMessageBox::Ok)
                driver.fail(u"wrong message box"_s);
            QTest::keyClick(box, Qt::Key_Return);
        });
        prompts.showMessage(NoActionTitle, NoActionText);
        QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join(u'\n')));
    }

    void realInputBox() {
        QWidget owner;
        QtPrompts prompts(&owner);
        ModalDriver driver;
        driver.then([&driver](QWidget* window) {
            auto* box = qobject_cast<QInputDialog*>(window);
            if (box == nullptr)
                return driver.fail(u"not an input box"_s);
            if (box->windowTitle() != TonnageTitle || box->labelText() != u"Enter the tonnage"_s ||
                !box->textValue().isEmpty())
                driver.fail(u"wrong input box"_s);
            QLineEdit* field = box->findChild<QLineEdit*>();
            QTest::keyClicks(field, u"12 t"_s);
            QTest::keyClick(field, Qt::Key_Return);
        });
        QCOMPARE(prompts.askText(TonnageTitle, u"Enter the tonnage"_s),
                 std::optional<QString>(u"12 t"_s));
        QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join(u'\n')));
    }

    void realInputBoxCancelled() {
        QWidget owner;
        QtPrompts prompts(&owner);
        ModalDriver driver;
        driver.then([](QWidget* window) {
            QTest::keyClicks(window->findChild<QLineEdit*>(), u"5"_s);
            QTest::keyClick(window, Qt::Key_Escape);
        });
        QCOMPARE(prompts.askText(u"T"_s, u"P"_s), std::nullopt);
        QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join(u'\n')));
    }
};

TERRAVIA_TEST_MAIN(QtPromptsTest)
#include "QtPromptsTest.moc"
