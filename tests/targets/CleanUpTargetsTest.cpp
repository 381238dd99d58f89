// SPDX-License-Identifier: GPL-3.0-or-later

#include "targets/CleanUpTargets.h"

#include "core/Conclusions.h"
#include "support/ScriptedPrompts.h"

#include <QTest>

using namespace terravia;
using namespace terravia::test;

namespace {

using Steps = std::vector<Step>;

const QString Analysis =
    QStringLiteral("Has a full chemical analysis been conducted of the materials?");
const QString OnSite = QStringLiteral("Is the intended end-use on-site?");
const QString Residential = QStringLiteral("Is the intended land use residential?");
const QString Industrial = QStringLiteral("Is the intended land use industrial?");
const QString Topsoil = QStringLiteral("Will the cleaned materials be used for topsoil?");
const QString Foundations = QStringLiteral("Will the cleaned materials be used for foundations?");
const QString Suitable = QStringLiteral("Is structure and bulk density suitable for construction?");
const QString Capped =
    QStringLiteral("Will the cleaned materials be capped and used in recreational areas?");
const QString Zone =
    QStringLiteral("Is there a zone for attenuation and dilution of source materials at the site?");

const QString RiskAssessment = QStringLiteral("Carry out quantitative risk assessment");
const QString ToddlerSgvs = QStringLiteral("Estimate SGVs where toddler ingestion is key receptor");
const QString Water = QStringLiteral(
    "Assume the regulators will require water with <10 micrograms per ml TPH and other COCs "
    "defined");
const QString ThreeLevels = QStringLiteral("Develop data for P20 at levels 1, 2 and 3");
const QString TwoLevels = QStringLiteral("Develop data for P20 at levels 1 and 2");
const QString Negotiation =
    QStringLiteral("Water quality targets to be met in negotiation with regulator");

Steps OnSiteStart() {
    return {Yes(Analysis), Yes(OnSite)};
}

} // namespace

class CleanUpTargetsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyPath_data();
    void everyPath();
};

void CleanUpTargetsTest::everyPath_data() {
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QStringList>("lines");
    const auto onSite = [](const char* name, Steps questions, bool zone, QStringList lines) {
        Steps steps = OnSiteStart();
        steps.insert(steps.end(), questions.begin(), questions.end());
        steps.push_back(zone ? Yes(Zone) : No(Zone));
        lines << Water << (zone ? ThreeLevels : TwoLevels) << Negotiation;
        QTest::newRow(name) << steps << lines;
    };
    QTest::newRow("no chemical analysis")
        << Steps{No(Analysis),
                 Message(QStringLiteral("Chemical analysis required"),
                         QStringLiteral("Clean-up targets can only be conducted with full "
                                        "chemical analysis"))}
        << QStringList{QStringLiteral("A full chemical analysis of the materials is required")};
    QTest::newRow("off-site")
        << Steps{Yes(Analysis), No(OnSite)}
        << QStringList{QStringLiteral("WASTE acceptance criteria through leachate testing - "
                                      "determine if materials are inert"),
                       QStringLiteral("WASTE acceptance criteria through leachate testing - "
                                      "determine if materials are hazardous")};
    onSite("topsoil, zone", {Yes(Residential), Yes(Topsoil)}, true, {RiskAssessment, ToddlerSgvs});
    onSite("topsoil, no zone", {Yes(Residential), Yes(Topsoil)}, false,
           {RiskAssessment, ToddlerSgvs});
    onSite("foundations suitable", {Yes(Residential), No(Topsoil), Yes(Foundations), Yes(Suitable)},
           true, {RiskAssessment, ToddlerSgvs});
    onSite("foundations not suitable",
           {Yes(Residential), No(Topsoil), Yes(Foundations), No(Suitable)}, false, {});
    onSite("capped recreational", {Yes(Residential), No(Topsoil), No(Foundations), Yes(Capped)},
           true, {RiskAssessment, ToddlerSgvs});
    onSite("not capped", {Yes(Residential), No(Topsoil), No(Foundations), No(Capped)}, true, {});
    onSite("industrial", {No(Residential), Yes(Industrial)}, true, {RiskAssessment});
    onSite("neither residential nor industrial", {No(Residential), No(Industrial)}, false,
           {RiskAssessment});
}

void CleanUpTargetsTest::everyPath() {
    QFETCH(Steps, steps);
    QFETCH(QStringList, lines);
    ScriptedPrompts script;
    script.add(steps);
    Session session;
    ResetSession(session);
    session.ExSituValid = Flag::True;
    Conversation wizard{session, script, script};
    AppendConclusion(wizard, QStringLiteral("earlier"));

    SetCleanUpTargets(wizard);

    VERIFY_SCRIPT(script);
    QStringList appended;
    for (int i = 2; i <= session.ConclusionCount; ++i)
        appended.append(session.Conclusions[static_cast<std::size_t>(i)]);
    QCOMPARE(appended, lines);
    QCOMPARE(session.Conclusions[1], QStringLiteral("earlier"));
    QCOMPARE(session.ExSituValid, Flag::True);
}

QTEST_GUILESS_MAIN(CleanUpTargetsTest)
#include "CleanUpTargetsTest.moc"
