// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Form1.h"
#include "screening/RiskScreening.h"
#include "screening/Selection.h"
#include "support/Columns.h"
#include "support/Heard.h"
#include "support/ModalDriver.h"
#include "support/ScriptedPrompts.h"
#include "support/TestMain.h"
#include "support/Texts.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace terravia;
using namespace terravia::test;

namespace {

int StackIndex(QWidget& form, QWidget* child) {
    return static_cast<int>(form.children().indexOf(child));
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void controlsHaveTheirPlaces_data() {
        Columns<QString, QRect, QString>({"name", "geometry", "caption"});
        const auto row = [](const char* name, QRect geometry, const char* caption) {
            QTest::newRow(name) << QString::fromLatin1(name) << geometry
                                << QString::fromLatin1(caption);
        };
        row("Command1", {16, 16, 113, 33}, "Ready");
        row("Combo1", {136, 16, 281, 24}, "");
        row("Command2", {16, 16, 113, 33}, "COC or Land Use?");
        row("Combo2", {136, 16, 281, 24}, "");
        row("Command3", {16, 16, 113, 33}, "Select land use");
        row("Combo3", {136, 16, 281, 24}, "");
        row("Command4", {16, 16, 113, 33}, "Select COC");
        row("Command5", {16, 56, 113, 33}, "Clear all");
        row("Text1", {136, 56, 281, 25}, "");
        row("Picture1", {8, 152, 801, 249}, "");
    }

    void controlsHaveTheirPlaces() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        ScriptedPrompts script;
        Form1 form(&script);
        auto* control = form.findChild<QWidget*>(name);
        QVERIFY(control != nullptr);
        QCOMPARE(control->geometry(), geometry);
        if (auto* button = qobject_cast<QPushButton*>(control))
            QCOMPARE(button->text(), caption);
    }

    void startStage() {
        ScriptedPrompts script;
        Form1 form(&script);
        form.show();
        QCOMPARE(form.windowTitle(), u"Terravia 1.0"_s);
        QCOMPARE(form.size(), QSize(818, 410));
        QCOMPARE(form.palette().color(QPalette::Window), QColor(220, 220, 220));

        for (const char* name : {"Command1", "Command5"}) {
            QVERIFY(Control<QPushButton>(form, name)->isVisible());
            QVERIFY(Control<QPushButton>(form, name)->isEnabled());
        }
        for (const char* name : {"Command2", "Command3", "Command4"}) {
            QVERIFY(!Control<QPushButton>(form, name)->isVisible());
            QVERIFY(!Control<QPushButton>(form, name)->isEnabled());
        }
        for (const char* name : {"Combo1", "Combo2", "Combo3"}) {
            auto* combo = Control<QComboBox>(form, name);
            QVERIFY(!combo->isVisible());
            QVERIFY(!combo->isEnabled());
            QCOMPARE(combo->count(), 0);
            QCOMPARE(combo->currentText(), QString());
#if defined(Q_OS_WIN)
            QCOMPARE(combo->font().families(),
                     (QStringList{u"Microsoft Sans Serif"_s, u"Segoe UI"_s}));
#else
            QCOMPARE(combo->font().family(), u"MS Sans Serif"_s);
#endif
            QCOMPARE(combo->font().pointSizeF(), 9.75);
        }
        QVERIFY(!Control<QComboBox>(form, "Combo1")->isEditable());
        QVERIFY(!Control<QComboBox>(form, "Combo2")->isEditable());
        QVERIFY(Control<QComboBox>(form, "Combo3")->isEditable());
        QVERIFY(Control<QLineEdit>(form, "Text1")->isVisible());
        QCOMPARE(Control<QLineEdit>(form, "Text1")->text(), QString());
        const QPixmap picture = Control<QLabel>(form, "Picture1")->pixmap();
        QCOMPARE(picture.size(), QSize(803, 248));
        QCOMPARE(form.session().ConclusionCount, 0);
        QCOMPARE(form.session().ExSituValid, Flag::False);
        VERIFY_SCRIPT(script);
    }

    void newerControlsAreDrawnOver() {
        ScriptedPrompts script;
        Form1 form(&script);
        const char* buttons[] = {"Command1", "Command2", "Command3", "Command4"};
        const char* lists[] = {"Combo1", "Combo2", "Combo3"};
        for (std::size_t i = 1; i < std::size(buttons); ++i)
            QVERIFY(StackIndex(form, Control<QWidget>(form, buttons[i])) >
                    StackIndex(form, Control<QWidget>(form, buttons[i - 1])));
        for (std::size_t i = 1; i < std::size(lists); ++i)
            QVERIFY(StackIndex(form, Control<QWidget>(form, lists[i])) >
                    StackIndex(form, Control<QWidget>(form, lists[i - 1])));
    }

    void tabOrderFollowsTheControlNumbers() {
        ScriptedPrompts script;
        Form1 form(&script);
        const char* order[] = {"Command1", "Combo1",   "Command2", "Combo2", "Command3",
                               "Combo3",   "Command4", "Command5", "Text1"};
        for (std::size_t i = 1; i < std::size(order); ++i) {
            QWidget* previous = Control<QWidget>(form, order[i - 1]);
            QWidget* expected = Control<QWidget>(form, order[i]);
            QWidget* next = previous->nextInFocusChain();
            // An editable list brings its own line edit into the chain.
            while (next != expected && next->parentWidget() == previous)
                next = next->nextInFocusChain();
            QCOMPARE(next->objectName(), expected->objectName());
        }
    }

    // Each list is heard by what it chooses, empty, filled, open and after a choice.
    void listsAreHeardByTheirPurpose() {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form, Deadline));
        const std::pair<const char*, QString> lists[] = {{"Combo1", u"Selection mode"_s},
                                                         {"Combo2", u"Historical land use"_s},
                                                         {"Combo3", u"COC group"_s}};
        for (const auto& [name, purpose] : lists)
            QCOMPARE(ListHeardWrongly(*Control<QComboBox>(form, name), purpose), QString());
        OfferSelectionMode(form.wizard());
        FillLandUseList(form.wizard());
        FillCocList(form.wizard());
        for (const auto& [name, purpose] : lists) {
            auto* list = Control<QComboBox>(form, name);
            QCOMPARE(ListHeardWrongly(*list, purpose), QString());
            list->showPopup();
            QCOMPARE(ListHeardWrongly(*list, purpose), QString());
            list->hidePopup();
            list->setCurrentIndex(list->count() - 1);
            QCOMPARE(ListHeardWrongly(*list, purpose), QString());
        }
    }

    void clearAllFromModeChoiceThenScreenAgain() {
        ScriptedPrompts script{Yes(SiteHistory)};
        Form1 form(&script);
        form.show();
        auto* combo1 = Control<QComboBox>(form, "Combo1");
        Control<QPushButton>(form, "Command1")->click();
        QCOMPARE(combo1->count(), 2);

        Control<QPushButton>(form, "Command5")->click();
        QVERIFY(!combo1->isVisible());
        QCOMPARE(combo1->count(), 0);
        QVERIFY(!Control<QPushButton>(form, "Command2")->isVisible());
        QVERIFY(Control<QPushButton>(form, "Command1")->isVisible());

        script.add(Yes(SiteHistory));
        Control<QPushButton>(form, "Command1")->click();
        QCOMPARE(combo1->count(), 2);
        QCOMPARE(combo1->itemText(0), test::CocMode);
        QCOMPARE(combo1->itemText(1), test::LandUseMode);
        QCOMPARE(combo1->currentText(), QString());
        VERIFY_SCRIPT(script);
    }
};

TERRAVIA_TEST_MAIN(Form1Test)
#include "Form1Test.moc"
