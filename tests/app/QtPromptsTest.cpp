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
                    return driver.fail(QStringLiteral("not a message box"));
                if (box->windowTitle() != Info || box->text() != QStringLiteral("Is it so?") ||
                    box->icon() != QMessageBox::NoIcon ||
                    box->standardButtons() != (QMessageBox::Yes | QMessageBox::No))
                    driver.fail(QStringLiteral("wrong question box"));
                box->button(answer)->click();
            });
        }
        QCOMPARE(prompts.askYesNo(Info, QStringLiteral("Is it so?")), true);
        QCOMPARE(prompts.askYesNo(Info, QStringLiteral("Is it so?")), false);
        // Answered by the keyboard: the mnemonic letters, and Escape counts as No.
        const std::pair<int, bool> keys[] = {
            {Qt::Key_Y, true}, {Qt::Key_N, false}, {Qt::Key_Escape, false}, {Qt::Key_Return, true}};
        for (const auto& [key, expected] : keys) {
            driver.then([key](QWidget* window) {
                QTest::keyClick(window, Qt::Key(key));
                // A mnemonic key clicks its button with a short animation.
                (void)QTest::qWaitFor([window] { return !window->isVisible(); }, LoadedDeadlineMs);
            });
            QCOMPARE(prompts.askYesNo(Info, QStringLiteral("Q")), expected);
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
                return driver.fail(QStringLiteral("not a message box"));
            if (box->windowTitle() != NoActionTitle || box->text() != NoActionText ||
                box->icon() != QMessageBox::NoIcon || box->standardButtons() != QMessageBox::Ok)
                driver.fail(QStringLiteral("wrong message box"));
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
                return driver.fail(QStringLiteral("not an input box"));
            if (box->windowTitle() != TonnageTitle ||
                box->labelText() != QStringLiteral("Enter the tonnage") ||
                !box->textValue().isEmpty())
                driver.fail(QStringLiteral("wrong input box"));
            QLineEdit* field = box->findChild<QLineEdit*>();
            QTest::keyClicks(field, QStringLiteral("12 t"));
            QTest::keyClick(field, Qt::Key_Return);
        });
        QCOMPARE(prompts.askText(TonnageTitle, QStringLiteral("Enter the tonnage")),
                 std::optional<QString>(QStringLiteral("12 t")));
        QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join(u'\n')));
    }

    void realInputBoxCancelled() {
        QWidget owner;
        QtPrompts prompts(&owner);
        ModalDriver driver;
        driver.then([](QWidget* window) {
            QTest::keyClicks(window->findChild<QLineEdit*>(), QStringLiteral("5"));
            QTest::keyClick(window, Qt::Key_Escape);
        });
        QCOMPARE(prompts.askText(QStringLiteral("T"), QStringLiteral("P")), std::nullopt);
        QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join(u'\n')));
    }
};

TERRAVIA_TEST_MAIN(QtPromptsTest)
#include "QtPromptsTest.moc"
