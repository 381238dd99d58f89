// SPDX-License-Identifier: GPL-3.0-or-later

#include "biological/BiologicalAssessment.h"

#include "core/Conclusions.h"

#include "support/Columns.h"
#include "support/Runs.h"
#include "support/Texts.h"

#include <QTest>

using namespace terravia;
using namespace terravia::test;

namespace {

using Steps = std::vector<Step>;

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
    const QString prefix = u"Nutrient requirement - "_s;
    const QString n = QString::fromLatin1(nitrogenHalf);
    return {prefix + n + u" mg N/kg to be added at this stage"_s,
            prefix + n + u" mg N/kg to be irrigated in"_s,
            prefix + QString::fromLatin1(phosphorus) + u" mg P/kg to be added at this stage"_s};
}

// A pass with no value on a boundary, SoilPh 7 and BulkDensity 1.2.
std::vector<Part> StandardPass() {
    return {
        {{Value(Degraders, u"50000"_s)}, {u"CFU degraders - suitable for bioremediation"_s}},
        {{Value(Heterotrophs, u"50000"_s)}, {u"CFU heterotrophs - suitable for bioremediation"_s}},
        {{Value(Respiration, u"0.5"_s)}, {u"Respiration rate after bioaugmentation - good"_s}},
        {{Value(Microcosm, u"50"_s)}, {u"Biodegradation rate in microcosm - okay"_s}},
        {{}, {u"No pH treatment required"_s}},
        {{Value(Nutrients, u"1000"_s)}, NutrientLines("60", "10")},
        {{Value(CoContaminants, u"50"_s)}, {u"Co-contaminants - no concern"_s}},
        {{Yes(AssayDone), Yes(Degradation), No(Exceeded)}, {NoExceedence}},
        {{}, {u"Bulk density - okay"_s}},
    };
}

} // namespace

class BiologicalAssessmentTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void findings_data() {
        // A standard pass in which the part `stage` is asked and answered as given.
        Columns<int, Steps, QStringList, double, double>(
            {"stage", "steps", "lines", "soilPh", "bulkDensity"});
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
            {Value(CoContaminants, u"0"_s), Message(Info, EnterAValue),
             Value(CoContaminants, u"2000"_s)},
            {u"Co-contaminants - more detailed testing required"_s});

        row("pH 5.7", PhTreatment, {}, {u"Use lime to raise pH to 7"_s}, 5.7);
        row("pH 5.8", PhTreatment, {}, {u"No pH treatment required"_s}, 5.8);
        row("pH 7.4", PhTreatment, {},
            {u"pH - may need to consider urea as N source if urease activity present"_s}, 7.4);

        const auto nutrients = [&row](const char* carbon, const char* n, const char* p) {
            row(qPrintable(u"C = "_s + QString::fromLatin1(carbon)), Nutrients,
                {Value(Nutrients, QString::fromLatin1(carbon))}, NutrientLines(n, p));
        };
        nutrients("1000", "60", "10");
        nutrients("123", "7.38", "1.23");
        nutrients("2500", "150", "25");
        nutrients("50", "3", "0.5");

        row("no assay", Bioavailability, {No(AssayDone), Message(u"Assay required"_s, AssayNeeded)},
            {AssayNeeded});
        row("degradation bioassay", Bioavailability,
            {Yes(AssayDone), Yes(Degradation), No(Exceeded)}, {NoExceedence});
        row("alcohol", Bioavailability,
            {Yes(AssayDone), No(Degradation), Yes(Chemical), Yes(Alcohol), No(Exceeded)},
            {u"Chemical bioavailability assay used alcohol"_s, NoExceedence});
        row("cyclodextrin", Bioavailability,
            {Yes(AssayDone), No(Degradation), Yes(Chemical), No(Alcohol), Yes(Cyclodextrin),
             No(Exceeded)},
            {u"Chemical bioavailability assay used cyclodextrin, TENAX or XAD"_s, NoExceedence});
        row("unknown substance", Bioavailability,
            {Yes(AssayDone), No(Degradation), Yes(Chemical), No(Alcohol), No(Cyclodextrin),
             No(Exceeded)},
            {u"Chemical bioavailability assay used an unknown substance"_s, NoExceedence});
        row("neither assay twice, then degradation", Bioavailability,
            {Yes(AssayDone), No(Degradation), No(Chemical), Message(SelectionMade, OneOfTwo),
             No(Degradation), No(Chemical), Message(SelectionMade, OneOfTwo), Yes(Degradation),
             No(Exceeded)},
            {NoExceedence});
        row("neither assay, then chemical", Bioavailability,
            {Yes(AssayDone), No(Degradation), No(Chemical), Message(SelectionMade, OneOfTwo),
             No(Degradation), Yes(Chemical), Yes(Alcohol), No(Exceeded)},
            {u"Chemical bioavailability assay used alcohol"_s, NoExceedence});
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

        row("bulk density 0.79", BulkDensity, {}, {u"Bulk density - what is intended re-use?"_s}, 7,
            0.79);
        row("bulk density 0.8", BulkDensity, {}, {u"Bulk density - okay"_s}, 7, 0.8);
        row("bulk density 1.4", BulkDensity, {},
            {u"Bulk density - consider use of bulking agents"_s}, 7, 1.4);
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
        AppendConclusion(wizard, GreenLine);
        AssessBiological(wizard);
        VERIFY_SCRIPT(script);
        QCOMPARE(ConclusionLines(session),
                 QStringList({GreenLine, u"CFU degraders - suitable for bioremediation"_s,
                              u"CFU heterotrophs - suitable for bioremediation"_s,
                              u"Respiration rate after bioaugmentation - good"_s,
                              u"Biodegradation rate in microcosm - okay"_s,
                              u"No pH treatment required"_s}) +
                     NutrientLines("60", "10") +
                     QStringList({u"Co-contaminants - no concern"_s, NoExceedence,
                                  u"Bulk density - okay"_s}));
        QCOMPARE(session.ExSituValid, Flag::True);
    }
};

QTEST_GUILESS_MAIN(BiologicalAssessmentTest)
#include "BiologicalAssessmentTest.moc"
