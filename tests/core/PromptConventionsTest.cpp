// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/PromptConventions.h"
#include "core/Conclusions.h"
#include "support/ScriptedPrompts.h"
#include "support/TestMain.h"

using namespace terravia;
using namespace terravia::test;

namespace {

const QString Title = QStringLiteral("Tonnage");
const QString Prompt = QStringLiteral("Enter the tonnage of contaminated material");
const QString Rejection = QStringLiteral("Please enter a numerical value");

Step Rejected() {
    return Message(QStringLiteral("Information required"), Rejection);
}

const QString FullText = QStringLiteral(
    "The conclusions list is full: no further lines can be added. The lines collected so far "
    "are kept and written to the conclusions file. \"Clear all\" empties the list.");

} // namespace

class PromptConventionsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void askPositiveNumberRejects_data();
    void askPositiveNumberRejects();
    void askPositiveNumberAcceptsFirstPositiveReply();
    void askYesNoAnswersOnlyYesOrNo();
    void conclusionsAreNumberedFromOne();
    void conclusionsBeyondTheStartSlotsAreKept();
    void fullListRefusesAndTellsOncePerRun();
};

void PromptConventionsTest::askPositiveNumberRejects_data() {
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

void PromptConventionsTest::askPositiveNumberRejects() {
    QFETCH(std::optional<QString>, reply);
    Step first = reply ? Input(Title, Prompt, *reply) : Cancel(Title, Prompt);
    ScriptedPrompts script{first, Rejected(), first, Rejected(),
                           Input(Title, Prompt, QStringLiteral("0.001"))};
    Session session;
    Wizard wizard{session, script, {}};
    QCOMPARE(AskPositiveNumber(wizard, Prompt, Title, Rejection), 0.001);
    VERIFY_SCRIPT(script);
}

void PromptConventionsTest::askPositiveNumberAcceptsFirstPositiveReply() {
    ScriptedPrompts script{Input(Title, Prompt, QStringLiteral("12 t"))};
    Session session;
    Wizard wizard{session, script, {}};
    QCOMPARE(AskPositiveNumber(wizard, Prompt, Title, Rejection), 12.0);
    VERIFY_SCRIPT(script);
}

void PromptConventionsTest::askYesNoAnswersOnlyYesOrNo() {
    const QString question = QStringLiteral("Is it?");
    ScriptedPrompts script{Yes(question), No(question)};
    Session session;
    Wizard wizard{session, script, {}};
    QCOMPARE(AskYesNo(wizard, question), Answer::Yes);
    QCOMPARE(AskYesNo(wizard, question), Answer::No);
    QCOMPARE(static_cast<int>(Answer::Yes), 6);
    QCOMPARE(static_cast<int>(Answer::No), 7);
    VERIFY_SCRIPT(script);
}

void PromptConventionsTest::conclusionsAreNumberedFromOne() {
    ScriptedPrompts script;
    Session session;
    ResetSession(session);
    Wizard wizard{session, script, {}};
    QCOMPARE(session.Conclusions.size(), std::size_t(1001));
    AppendConclusion(wizard, QStringLiteral("first"));
    AppendConclusion(wizard, QStringLiteral("second"));
    QCOMPARE(session.ConclusionCount, 2);
    QCOMPARE(session.Conclusions[0], QString());
    QCOMPARE(session.Conclusions[1], QStringLiteral("first"));
    QCOMPARE(session.Conclusions[2], QStringLiteral("second"));
    QCOMPARE(session.Conclusions[3], QString());
    ResetSession(session);
    QCOMPARE(session.ConclusionCount, 0);
    QCOMPARE(session.Conclusions[1], QString());
    VERIFY_SCRIPT(script);
}

void PromptConventionsTest::conclusionsBeyondTheStartSlotsAreKept() {
    ScriptedPrompts script;
    Session session;
    ResetSession(session);
    Wizard wizard{session, script, {}};
    for (int i = 1; i <= 2496; ++i)
        AppendConclusion(wizard, QString::number(i));
    QCOMPARE(session.ConclusionCount, 2496);
    QCOMPARE(session.Conclusions[1000], QStringLiteral("1000"));
    QCOMPARE(session.Conclusions[1001], QStringLiteral("1001"));
    QCOMPARE(session.Conclusions[2496], QStringLiteral("2496"));
    VERIFY_SCRIPT(script);
}

void PromptConventionsTest::fullListRefusesAndTellsOncePerRun() {
    ScriptedPrompts script{Message(QStringLiteral("Conclusions full"), FullText)};
    Session session;
    ResetSession(session);
    Wizard wizard{session, script, {}};
    for (int i = 1; i <= ConclusionCapacity; ++i)
        AppendConclusion(wizard, QString::number(i));
    QCOMPARE(session.ConclusionCount, 32767);
    AppendConclusion(wizard, QStringLiteral("refused"));
    AppendConclusion(wizard, QStringLiteral("refused too"));
    QCOMPARE(session.ConclusionCount, 32767);
    QCOMPARE(session.Conclusions[32767], QStringLiteral("32767"));
    QCOMPARE(session.Conclusions.size(), std::size_t(32768));
    VERIFY_SCRIPT(script);

    // A new run tells the user again.
    session.CapacityReported = false;
    script.add(Message(QStringLiteral("Conclusions full"), FullText));
    AppendConclusion(wizard, QStringLiteral("refused in the next run"));
    QCOMPARE(session.ConclusionCount, 32767);
    VERIFY_SCRIPT(script);
}

TERRAVIA_TEST_MAIN(PromptConventionsTest)
#include "PromptConventionsTest.moc"
