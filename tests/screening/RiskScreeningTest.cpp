// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/Columns.h"
#include "support/Runs.h"
#include "support/TestForm.h"
#include "support/TestMain.h"
#include "support/Texts.h"

#include <QComboBox>
#include <QPushButton>

using namespace terravia;
using namespace terravia::test;

namespace {

const QString Questions[] = {
    SiteHistory,
    u"Has a potential risk been identified during the risk assessment?"_s,
    u"Has an exposure risk been identified during the generic risk assessment?"_s,
    u"Has an exposure risk been identified during the site specific risk assessment?"_s,
    u"Is there exceedence by COCs of screening values (SSAC)?"_s,
};

Step NoFurtherAction() {
    return Message(NoActionTitle, NoActionText);
}

bool IsModeChoice(QWidget& form) {
    QComboBox* combo = List(form, "Combo1");
    auto* command2 = form.findChild<QPushButton*>(u"Command2"_s);
    return combo->isVisible() && combo->isEnabled() && combo->count() == 2 &&
           combo->itemText(0) == CocMode && combo->itemText(1) == LandUseMode &&
           combo->currentText().isEmpty() && command2->isVisible() && command2->isEnabled();
}

bool IsStartStage(QWidget& form) {
    return !List(form, "Combo1")->isVisible() && List(form, "Combo1")->count() == 0 &&
           !form.findChild<QPushButton*>(u"Command2"_s)->isVisible() &&
           form.findChild<QPushButton*>(u"Command1"_s)->isVisible();
}

} // namespace

class RiskScreeningTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyPath_data() {
        // The answers to the questions in order; the screening must ask exactly these.
        Columns<QString, bool>({"answers", "callsForAction"});
        QTest::newRow("site history") << "Y" << true;
        QTest::newRow("no potential risk") << "NN" << false;
        QTest::newRow("no generic exposure") << "NYN" << false;
        QTest::newRow("no site specific exposure") << "NYYN" << false;
        QTest::newRow("no exceedence") << "NYYYN" << false;
        QTest::newRow("every risk confirmed") << "NYYYY" << true;
    }

    void everyPath() {
        QFETCH(QString, answers);
        QFETCH(bool, callsForAction);
        ScriptedPrompts script;
        for (qsizetype i = 0; i < answers.size(); ++i)
            script.add(answers[i] == u'Y' ? Yes(Questions[i]) : No(Questions[i]));
        if (!callsForAction)
            script.add(NoFurtherAction());
        TestForm form(&script);
        form.show();
        Click(form, "Command1");
        VERIFY_SCRIPT(script);
        QCOMPARE(IsModeChoice(form), callsForAction);
        QCOMPARE(IsStartStage(form), !callsForAction);
        QCOMPARE(form.session().ConclusionCount, 0);
    }

    void readyAgainAfterNoFurtherAction() {
        ScriptedPrompts script{No(Questions[0]),  No(Questions[1]),  NoFurtherAction(),
                               No(Questions[0]),  Yes(Questions[1]), Yes(Questions[2]),
                               Yes(Questions[3]), Yes(Questions[4])};
        TestForm form(&script);
        form.show();
        Click(form, "Command1");
        QVERIFY(IsStartStage(form));
        Click(form, "Command1");
        QVERIFY(IsModeChoice(form));
        VERIFY_SCRIPT(script);
    }

    void screeningAgainWithoutClearAllDoublesTheModes() {
        ScriptedPrompts script{Yes(Questions[0]), Yes(Questions[0])};
        TestForm form(&script);
        form.show();
        Click(form, "Command1");
        // The covered "Ready" is still enabled and reachable from the keyboard.
        auto* ready = form.findChild<QPushButton*>(u"Command1"_s);
        QVERIFY(ready->isVisible() && ready->isEnabled());
        Click(form, "Command1");
        QComboBox* combo = List(form, "Combo1");
        QCOMPARE(combo->count(), 4);
        QCOMPARE(combo->itemText(2), CocMode);
        QCOMPARE(combo->itemText(3), LandUseMode);
        QCOMPARE(combo->currentText(), QString());
        VERIFY_SCRIPT(script);
    }
};

TERRAVIA_TEST_MAIN(RiskScreeningTest)
#include "RiskScreeningTest.moc"
