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
        QTest::newRow("zero") << std::optional<QString>(QStringLiteral("0"));
        QTest::newRow("negative") << std::optional<QString>(QStringLiteral("-4"));
        QTest::newRow("text") << std::optional<QString>(QStringLiteral("abc"));
        QTest::newRow("empty") << std::optional<QString>(QString());
        QTest::newRow("blank") << std::optional<QString>(QStringLiteral("   "));
        QTest::newRow("cancel") << std::optional<QString>();
        QTest::newRow("not finite") << std::optional<QString>(QStringLiteral("1E999"));
        QTest::newRow("negative zero") << std::optional<QString>(QStringLiteral("-0"));
    }

    void askPositiveNumberRejects() {
        QFETCH(std::optional<QString>, reply);
        Step first = reply ? Input(TonnageTitle, TonnagePrompt, *reply)
                           : Cancel(TonnageTitle, TonnagePrompt);
        ScriptedPrompts script{first, Rejected(), first, Rejected(),
                               Input(TonnageTitle, TonnagePrompt, QStringLiteral("0.001"))};
        Session session;
        Conversation wizard{session, script, script};
        QCOMPARE(AskPositiveNumber(wizard, TonnagePrompt, TonnageTitle, Rejection), 0.001);
        VERIFY_SCRIPT(script);
    }

    void askPositiveNumberAcceptsFirstPositiveReply() {
        ScriptedPrompts script{Input(TonnageTitle, TonnagePrompt, QStringLiteral("12 t"))};
        Session session;
        Conversation wizard{session, script, script};
        QCOMPARE(AskPositiveNumber(wizard, TonnagePrompt, TonnageTitle, Rejection), 12.0);
        VERIFY_SCRIPT(script);
    }

    void askYesNoAnswersOnlyYesOrNo() {
        const QString question = QStringLiteral("Is it?");
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
