// SPDX-License-Identifier: GPL-3.0-or-later

#include "biological/BiologicalAssessment.h"

#include "core/Conclusions.h"

#include "support/Runs.h"
#include "support/Texts.h"

#include <QTest>

using namespace terravia;
using namespace terravia::test;

namespace {

using Steps = std::vector<Step>;

const QString AssayNeeded = QStringLiteral("A bioavailability assay needs to be carried out");
const QString Chemical = QStringLiteral("Has a chemical bioavailability assay been carried out?");
const QString Alcohol = QStringLiteral("Did the chemical bioavailability assay use alcohol?");
const QString Cyclodextrin =
    QStringLiteral("Did the chemical bioavailability assay use cyclodextrin, TENAX or XAD?");
const QString WideRange = QStringLiteral("Was the residue a wide range of TPH?");
const QString Competing = QStringLiteral("Were there other forms of carbon competing?");
const QString Pahs = QStringLiteral("Was the residue mainly recaltricent PAHs?");
const QString Enhanced = QStringLiteral("Would enhanced bioavailability enable SGV to be met?");
const QString NoExceedence =
    QStringLiteral("Residual soil after extraction - no exceedence, continue with the process");
const QString AddSolvent = QStringLiteral(
    "Residual soil after extraction - add solvent or surfactant to enable SGV to be met");
const QString Steam = QStringLiteral(
    "Residual soil after extraction - enhanced biotreatment such as steam may be needed");
const QString Reconsider = QStringLiteral(
    "Residual soil after extraction - may need to reconsider future use of the site");
const QString SelectionMade = QStringLiteral("A selection must be made");
const QString OneOfTwo = QStringLiteral("One of these two assays must have been carried out");

// The parts of one pass, in the order they are asked. pH treatment and bulk density ask
// nothing; their lines come from the session.
enum Stage {
    Degraders,
    Heterotrophs,
    Respiration,
    Microcosm,
    PhTreatment,
    Nutrients,
    CoContaminants,
    Bioavailability,
    BulkDensity,
    StageCount
};

struct Part {
    Steps steps;
    QStringList lines;
};

Step Value(int stage, const QString& reply) {
    static const std::pair<QString, QString> inputs[StageCount] = {
        {CfuDegradersTitle, CfuDegradersPrompt},
        {CfuHeterotrophsTitle, CfuHeterotrophsPrompt},
        {BioaugmentationTitle, BioaugmentationPrompt},
        {BiodegradationTitle, BiodegradationPrompt},
        {},
        {CarbonTitle, CarbonPrompt},
        {CoContaminantsTitle, CoContaminantsPrompt},
        {},
        {},
    };
    return Input(inputs[stage].first, inputs[stage].second, reply);
}

QStringList NutrientLines(const char* nitrogenHalf, const char* phosphorus) {
    const QString prefix = QStringLiteral("Nutrient requirement - ");
    const QString n = QString::fromLatin1(nitrogenHalf);
    return {prefix + n + QStringLiteral(" mg N/kg to be added at this stage"),
            prefix + n + QStringLiteral(" mg N/kg to be irrigated in"),
            prefix + QString::fromLatin1(phosphorus) +
                QStringLiteral(" mg P/kg to be added at this stage")};
}

// A pass with no value on a boundary, SoilPh 7 and BulkDensity 1.2.
std::vector<Part> StandardPass() {
    return {
        {{Value(Degraders, QStringLiteral("50000"))},
         {QStringLiteral("CFU degraders - suitable for bioremediation")}},
        {{Value(Heterotrophs, QStringLiteral("50000"))},
         {QStringLiteral("CFU heterotrophs - suitable for bioremediation")}},
        {{Value(Respiration, QStringLiteral("0.5"))},
         {QStringLiteral("Respiration rate after bioaugmentation - good")}},
        {{Value(Microcosm, QStringLiteral("50"))},
         {QStringLiteral("Biodegradation rate in microcosm - okay")}},
        {{}, {QStringLiteral("No pH treatment required")}},
        {{Value(Nutrients, QStringLiteral("1000"))}, NutrientLines("60", "10")},
        {{Value(CoContaminants, QStringLiteral("50"))},
         {QStringLiteral("Co-contaminants - no concern")}},
        {{Yes(AssayDone), Yes(Degradation), No(Exceeded)}, {NoExceedence}},
        {{}, {QStringLiteral("Bulk density - okay")}},
    };
}

} // namespace

class BiologicalAssessmentTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void findings_data() {
        // A standard pass in which the part `stage` is asked and answered as given.
        QTest::addColumn<int>("stage");
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<double>("soilPh");
        QTest::addColumn<double>("bulkDensity");
        const auto row = [](const char* name, int stage, const Steps& steps,
                            const QStringList& lines, double ph = 7, double bulk = 1.2) {
            QTest::newRow(name) << stage << steps << lines << ph << bulk;
        };
        // A row named after the part and the reply, "microcosm 20", with the one line it gives.
        const auto value = [&row](int stage, const char* reply, const char* line) {
            const char* const part[] = {
                "degraders", "heterotrophs", "respiration", "microcosm", "", "", "co-contaminants"};
            const QByteArray name = QByteArray(part[stage]) + ' ' + reply;
            row(name.constData(), stage, {Value(stage, QString::fromLatin1(reply))},
                {QString::fromLatin1(line)});
        };
        value(Degraders, "10000", "CFU degraders - suitable for bioremediation");
        value(Degraders, "9999", "CFU degraders - bioaugmentation required");
        value(Heterotrophs, "10000", "CFU heterotrophs - suitable for bioremediation");
        value(Heterotrophs, "9999", "CFU heterotrophs - find out if there is a habitat constraint");
        value(Respiration, "0.019", "Respiration rate after bioaugmentation - problem exists");
        value(Respiration, "0.02", "Respiration rate after bioaugmentation - okay");
        value(Respiration, "0.19", "Respiration rate after bioaugmentation - okay");
        value(Respiration, "0.2", "Respiration rate after bioaugmentation - good");
        value(Microcosm, "19", "Biodegradation rate in microcosm - too slow");
        value(Microcosm, "20", "Biodegradation rate in microcosm - okay");
        value(Microcosm, "99.5", "Biodegradation rate in microcosm - okay");
        value(Microcosm, "100", "Biodegradation rate in microcosm - good");
        value(CoContaminants, "99", "Co-contaminants - no concern");
        value(CoContaminants, "100", "Co-contaminants - pH manipulation should be cautious");
        value(CoContaminants, "2000", "Co-contaminants - more detailed testing required");
        row("co-contaminants 0 rejected", CoContaminants,
            {Value(CoContaminants, QStringLiteral("0")), Message(Info, EnterAValue),
             Value(CoContaminants, QStringLiteral("2000"))},
            {QStringLiteral("Co-contaminants - more detailed testing required")});

        row("pH 5.7", PhTreatment, {}, {QStringLiteral("Use lime to raise pH to 7")}, 5.7);
        row("pH 5.8", PhTreatment, {}, {QStringLiteral("No pH treatment required")}, 5.8);
        row("pH 7.4", PhTreatment, {},
            {QStringLiteral(
                "pH - may need to consider urea as N source if urease activity present")},
            7.4);

        const auto nutrients = [&row](const char* carbon, const char* n, const char* p) {
            row(qPrintable(QStringLiteral("C = ") + QString::fromLatin1(carbon)), Nutrients,
                {Value(Nutrients, QString::fromLatin1(carbon))}, NutrientLines(n, p));
        };
        nutrients("1000", "60", "10");
        nutrients("123", "7.38", "1.23");
        nutrients("2500", "150", "25");
        nutrients("50", "3", "0.5");

        row("no assay", Bioavailability,
            {No(AssayDone), Message(QStringLiteral("Assay required"), AssayNeeded)}, {AssayNeeded});
        row("degradation bioassay", Bioavailability,
            {Yes(AssayDone), Yes(Degradation), No(Exceeded)}, {NoExceedence});
        row("alcohol", Bioavailability,
            {Yes(AssayDone), No(Degradation), Yes(Chemical), Yes(Alcohol), No(Exceeded)},
            {QStringLiteral("Chemical bioavailability assay used alcohol"), NoExceedence});
        row("cyclodextrin", Bioavailability,
            {Yes(AssayDone), No(Degradation), Yes(Chemical), No(Alcohol), Yes(Cyclodextrin),
             No(Exceeded)},
            {QStringLiteral("Chemical bioavailability assay used cyclodextrin, TENAX or XAD"),
             NoExceedence});
        row("unknown substance", Bioavailability,
            {Yes(AssayDone), No(Degradation), Yes(Chemical), No(Alcohol), No(Cyclodextrin),
             No(Exceeded)},
            {QStringLiteral("Chemical bioavailability assay used an unknown substance"),
             NoExceedence});
        row("neither assay twice, then degradation", Bioavailability,
            {Yes(AssayDone), No(Degradation), No(Chemical), Message(SelectionMade, OneOfTwo),
             No(Degradation), No(Chemical), Message(SelectionMade, OneOfTwo), Yes(Degradation),
             No(Exceeded)},
            {NoExceedence});
        row("neither assay, then chemical", Bioavailability,
            {Yes(AssayDone), No(Degradation), No(Chemical), Message(SelectionMade, OneOfTwo),
             No(Degradation), Yes(Chemical), Yes(Alcohol), No(Exceeded)},
            {QStringLiteral("Chemical bioavailability assay used alcohol"), NoExceedence});
        const Steps exceeded{Yes(AssayDone), Yes(Degradation), Yes(Exceeded)};
        row("residue, all No", Bioavailability,
            exceeded + Steps{No(WideRange), No(Competing), No(Pahs)}, {Steam, Steam, Steam});
        row("residue, all Yes", Bioavailability,
            exceeded +
                Steps{Yes(WideRange), Yes(Enhanced), Yes(Competing), Yes(Enhanced), Yes(Pahs)},
            {AddSolvent, AddSolvent, Reconsider});
        row("residue, not enhanced", Bioavailability,
            exceeded + Steps{Yes(WideRange), No(Enhanced), No(Competing), Yes(Pahs)},
            {Steam, Reconsider});

        row("bulk density 0.79", BulkDensity, {},
            {QStringLiteral("Bulk density - what is intended re-use?")}, 7, 0.79);
        row("bulk density 0.8", BulkDensity, {}, {QStringLiteral("Bulk density - okay")}, 7, 0.8);
        row("bulk density 1.4", BulkDensity, {},
            {QStringLiteral("Bulk density - consider use of bulking agents")}, 7, 1.4);
    }

    void findings() {
        QFETCH(int, stage);
        QFETCH(Steps, steps);
        QFETCH(QStringList, lines);
        QFETCH(double, soilPh);
        QFETCH(double, bulkDensity);
        std::vector<Part> pass = StandardPass();
        pass[static_cast<std::size_t>(stage)] = {steps, lines};
        ScriptedPrompts script;
        QStringList expected;
        for (const Part& part : pass) {
            script.add(part.steps);
            expected += part.lines;
        }
        const Session session = AfterStage(script, AssessBiological, [&](Session& start) {
            start.SoilPh = soilPh;
            start.BulkDensity = bulkDensity;
        });
        VERIFY_SCRIPT(script);
        QCOMPARE(ConclusionLines(session), expected);
    }

    void fullPassAppendsAfterEarlierLines() {
        ScriptedPrompts script;
        for (const Part& part : StandardPass())
            script.add(part.steps);
        Session session;
        ResetSession(session);
        session.ExSituValid = Flag::True;
        session.SoilPh = 7;
        session.BulkDensity = 1.2;
        Conversation wizard{session, script, script};
        const QString verdict = GreenLine;
        AppendConclusion(wizard, verdict);
        AssessBiological(wizard);
        VERIFY_SCRIPT(script);
        QCOMPARE(
            ConclusionLines(session),
            QStringList({verdict, QStringLiteral("CFU degraders - suitable for bioremediation"),
                         QStringLiteral("CFU heterotrophs - suitable for bioremediation"),
                         QStringLiteral("Respiration rate after bioaugmentation - good"),
                         QStringLiteral("Biodegradation rate in microcosm - okay"),
                         QStringLiteral("No pH treatment required")}) +
                NutrientLines("60", "10") +
                QStringList({QStringLiteral("Co-contaminants - no concern"), NoExceedence,
                             QStringLiteral("Bulk density - okay")}));
        QCOMPARE(session.ExSituValid, Flag::True);
    }
};

QTEST_GUILESS_MAIN(BiologicalAssessmentTest)
#include "BiologicalAssessmentTest.moc"
