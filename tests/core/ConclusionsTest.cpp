// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Conclusions.h"
#include "core/PromptConventions.h"
#include "support/ScriptedPrompts.h"
#include "support/Texts.h"

#include <QTest>

using namespace terravia;
using namespace terravia::test;

namespace {} // namespace

class ConclusionsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void conclusionsAreNumberedFromOne() {
        ScriptedPrompts script;
        Session session;
        ResetSession(session);
        Conversation wizard{session, script, script};
        QCOMPARE(session.Conclusions.size(), std::size_t(1001));
        AppendConclusion(wizard, u"first"_s);
        AppendConclusion(wizard, u"second"_s);
        QCOMPARE(session.ConclusionCount, 2);
        QCOMPARE(session.Conclusions[0], QString());
        QCOMPARE(session.Conclusions[1], u"first"_s);
        QCOMPARE(session.Conclusions[2], u"second"_s);
        QCOMPARE(session.Conclusions[3], QString());
        ResetSession(session);
        QCOMPARE(session.ConclusionCount, 0);
        QCOMPARE(session.Conclusions[1], QString());
        VERIFY_SCRIPT(script);
    }

    void conclusionsBeyondTheStartSlotsAreKept() {
        ScriptedPrompts script;
        Session session;
        ResetSession(session);
        Conversation wizard{session, script, script};
        for (int i = 1; i <= 2496; ++i)
            AppendConclusion(wizard, QString::number(i));
        QCOMPARE(session.ConclusionCount, 2496);
        QCOMPARE(session.Conclusions[1000], u"1000"_s);
        QCOMPARE(session.Conclusions[1001], u"1001"_s);
        QCOMPARE(session.Conclusions[2496], u"2496"_s);
        VERIFY_SCRIPT(script);
    }

    void fullListRefusesAndTellsOncePerRun() {
        ScriptedPrompts script{Message(FullTitle, FullText)};
        Session session;
        ResetSession(session);
        Conversation wizard{session, script, script};
        for (int i = 1; i <= ConclusionCapacity; ++i)
            AppendConclusion(wizard, QString::number(i));
        QCOMPARE(session.ConclusionCount, 32767);
        AppendConclusion(wizard, u"refused"_s);
        AppendConclusion(wizard, u"refused too"_s);
        QCOMPARE(session.ConclusionCount, 32767);
        QCOMPARE(session.Conclusions[32767], u"32767"_s);
        QCOMPARE(session.Conclusions.size(), std::size_t(32768));
        VERIFY_SCRIPT(script);

        // A new run tells the user again.
        session.CapacityReported = false;
        script.add(Message(FullTitle, FullText));
        AppendConclusion(wizard, u"refused in the next run"_s);
        QCOMPARE(session.ConclusionCount, 32767);
        VERIFY_SCRIPT(script);
    }
};

QTEST_GUILESS_MAIN(ConclusionsTest)
#include "ConclusionsTest.moc"
