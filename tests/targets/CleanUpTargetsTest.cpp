// SPDX-License-Identifier: GPL-3.0-or-later

#include "targets/CleanUpTargets.h"

#include "core/Conclusions.h"
#include "support/Columns.h"
#include "support/ScriptedPrompts.h"
#include "support/Texts.h"

#include <QTest>

using namespace terravia;
using namespace terravia::test;

namespace {

using Steps = std::vector<Step>;

Steps OnSiteStart() {
    return {Yes(Analysis), Yes(OnSite)};
}

} // namespace

class CleanUpTargetsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyPath_data() {
        Columns<Steps, QStringList>({"steps", "lines"});
        const auto onSite = [](const char* name, Steps questions, bool zone, QStringList lines) {
            Steps steps = OnSiteStart();
            steps.insert(steps.end(), questions.begin(), questions.end());
            steps.push_back(zone ? Yes(Zone) : No(Zone));
            lines << Water << (zone ? ThreeLevels : TwoLevels) << Negotiation;
            QTest::newRow(name) << steps << lines;
        };
        QTest::newRow("no chemical analysis")
            << Steps{No(Analysis), Message(ChemicalAnalysisRequired, NoTargetsLine)}
            << QStringList{AnalysisRequiredLine};
        QTest::newRow("off-site") << Steps{Yes(Analysis), No(OnSite)}
                                  << QStringList{WasteInert, WasteHazardous};
        onSite("topsoil, zone", {Yes(Residential), Yes(Topsoil)}, true,
               {RiskAssessment, ToddlerSgvs});
        onSite("topsoil, no zone", {Yes(Residential), Yes(Topsoil)}, false,
               {RiskAssessment, ToddlerSgvs});
        onSite("foundations suitable",
               {Yes(Residential), No(Topsoil), Yes(Foundations), Yes(Suitable)}, true,
               {RiskAssessment, ToddlerSgvs});
        onSite("foundations not suitable",
               {Yes(Residential), No(Topsoil), Yes(Foundations), No(Suitable)}, false, {});
        onSite("capped recreational", {Yes(Residential), No(Topsoil), No(Foundations), Yes(Capped)},
               true, {RiskAssessment, ToddlerSgvs});
        onSite("not capped", {Yes(Residential), No(Topsoil), No(Foundations), No(Capped)}, true,
               {});
        onSite("industrial", {No(Residential), Yes(Industrial)}, true, {RiskAssessment});
        onSite("neither residential nor industrial", {No(Residential), No(Industrial)}, false,
               {RiskAssessment});
    }

    void everyPath() {
        QFETCH(Steps, steps);
        QFETCH(QStringList, lines);
        ScriptedPrompts script;
        script.add(steps);
        Session session;
        ResetSession(session);
        session.ExSituValid = Flag::True;
        Conversation wizard{session, script, script};
        AppendConclusion(wizard, u"earlier"_s);

        SetCleanUpTargets(wizard);

        VERIFY_SCRIPT(script);
        QStringList appended;
        for (int i = 2; i <= session.ConclusionCount; ++i)
            appended.append(session.Conclusions[static_cast<std::size_t>(i)]);
        QCOMPARE(appended, lines);
        QCOMPARE(session.Conclusions[1], u"earlier"_s);
        QCOMPARE(session.ExSituValid, Flag::True);
    }
};

QTEST_GUILESS_MAIN(CleanUpTargetsTest)
#include "CleanUpTargetsTest.moc"
