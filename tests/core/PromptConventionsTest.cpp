// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/PromptConventions.h"
#include "support/ScriptedPrompts.h"
#include "support/Texts.h"

#include <QTest>

using namespace terravia;
using namespace terravia::test;

namespace {

Step Rejected() {
    return Message(Info, Rejection);
}

} // namespace

class PromptConventionsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void askPositiveNumberRejects_data() {
        QTest::addColumn<std::optional<QString>>("reply");
        QTest::newRow("zero") << std::optional<QString>(u"0"_s);
        QTest::newRow("negative") << std::optional<QString>(u"-4"_s);
        QTest::newRow("text") << std::optional<QString>(u"abc"_s);
        QTest::newRow("empty") << std::optional<QString>(QString());
        QTest::newRow("blank") << std::optional<QString>(u"   "_s);
        QTest::newRow("cancel") << std::optional<QString>();
        QTest::newRow("not finite") << std::optional<QString>(u"1E999"_s);
        QTest::newRow("negative zero") << std::optional<QString>(u"-0"_s);
    }

    void askPositiveNumberRejects() {
        QFETCH(std::optional<QString>, reply);
        Step first = reply ? Input(TonnageTitle, TonnagePrompt, *reply)
                           : Cancel(TonnageTitle, TonnagePrompt);
        ScriptedPrompts script{first, Rejected(), first, Rejected(),
                               Input(TonnageTitle, TonnagePrompt, u"0.001"_s)};
        Session session;
        Conversation wizard{session, script, script};
        QCOMPARE(AskPositiveNumber(wizard, TonnagePrompt, TonnageTitle, Rejection), 0.001);
        VERIFY_SCRIPT(script);
    }

    void askPositiveNumberAcceptsFirstPositiveReply() {
        ScriptedPrompts script{Input(TonnageTitle, TonnagePrompt, u"12 t"_s)};
        Session session;
        Conversation wizard{session, script, script};
        QCOMPARE(AskPositiveNumber(wizard, TonnagePrompt, TonnageTitle, Rejection), 12.0);
        VERIFY_SCRIPT(script);
    }

    void askYesNoAnswersOnlyYesOrNo() {
        const QString question = u"Is it?"_s;
        ScriptedPrompts script{Yes(question), No(question)};
        Session session;
        Conversation wizard{session, script, script};
        QCOMPARE(AskYesNo(wizard, question), Answer::Yes);
        QCOMPARE(AskYesNo(wizard, question), Answer::No);
        QCOMPARE(static_cast<int>(Answer::Yes), 6);
        QCOMPARE(static_cast<int>(Answer::No), 7);
        VERIFY_SCRIPT(script);
    }
};

QTEST_GUILESS_MAIN(PromptConventionsTest)
#include "PromptConventionsTest.moc"
