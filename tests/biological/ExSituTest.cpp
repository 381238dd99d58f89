// SPDX-License-Identifier: GPL-3.0-or-later

#include "biological/ExSitu.h"

#include "support/Columns.h"
#include "support/Runs.h"
#include "support/Texts.h"

#include <QTest>

using namespace terravia;
using namespace terravia::test;

namespace {

using Steps = std::vector<Step>;

const QString Hydrocarbons[] = {
    LightAliphatic,
    GasolineRange,
    u"Is the hydrocarbon a manufactured gas plant residue?"_s,
    u"Is the hydrocarbon bunker oil?"_s,
    u"Is the hydrocarbon a heavy distillate/refinery waste?"_s,
};

enum Stage { Concentration, Hydrocarbon, Respiration, Ph, BulkDensity, WaterHolding, StageCount };

struct NumericInput {
    QString title;
    QString prompt;
    QString standardReply; // the gasoline-range green example
};

const NumericInput Inputs[StageCount] = {
    {ConcentrationTitle, ConcentrationPrompt, u"500"_s},
    {},
    {RespirationTitle, RespirationPrompt, u"0.5"_s},
    {SoilPhTitle, SoilPhPrompt, u"7"_s},
    {BulkDensityTitle, BulkDensityPrompt, u"1.2"_s},
    {WaterHoldingTitle, WaterHoldingPrompt, u"30"_s},
};

Step Reply(int stage, const QString& reply) {
    return Input(Inputs[stage].title, Inputs[stage].prompt, reply);
}

// The hydrocarbon series answered Yes at `chosen`, after `rounds` rounds of five No answers.
Steps HydrocarbonSeries(int chosen, int rounds = 0) {
    Steps steps;
    for (int round = 0; round < rounds; ++round) {
        for (const QString& question : Hydrocarbons)
            steps.push_back(No(question));
        steps.push_back(Message(Info, u"One of these options must be selected"_s));
    }
    for (int i = 0; i < chosen; ++i)
        steps.push_back(No(Hydrocarbons[i]));
    steps.push_back(Yes(Hydrocarbons[chosen]));
    if (chosen == 0)
        steps.push_back(Message(PrecautionRequired, VolatileLoss));
    return steps;
}

Steps StandardStages(int from, int to) {
    Steps steps;
    for (int stage = from; stage < to; ++stage) {
        if (stage == Hydrocarbon) {
            const Steps series = HydrocarbonSeries(1);
            steps.insert(steps.end(), series.begin(), series.end());
        } else {
            steps.push_back(Reply(stage, Inputs[stage].standardReply));
        }
    }
    return steps;
}

Steps Before(int stage) {
    return StandardStages(0, stage);
}
Steps After(int stage) {
    return StandardStages(stage + 1, StageCount);
}

Step Red() {
    return Message(Info, NotOption);
}
Step Amber() {
    return Message(WarningTitle, AmberLine);
}
Step Green() {
    return Message(ValidTitle, GreenLine);
}

} // namespace

class ExSituTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void boundaries_data() {
        // The run answers the standard green example, except `reply` at `stage`, which is followed
        // by the prompts `then`.
        Columns<int, QString, Steps, QStringList, bool, double, double>(
            {"stage", "reply", "then", "lines", "valid", "soilPh", "bulkDensity"});
        const auto row = [](const char* name, int stage, const char* reply, const Steps& then,
                            const QStringList& lines, bool valid, double ph, double bulk) {
            QTest::newRow(name) << stage << QString::fromLatin1(reply) << then << lines << valid
                                << ph << bulk;
        };
        const Steps toGreen = After(Concentration) + Steps{Green()};
        row("green example", Concentration, "500", toGreen, {GreenLine}, true, 7, 1.2);
        row("99.9 recalcitrant", Concentration, "99.9", {Yes(Recalcitrant), Red()}, {}, false, 0,
            0);
        row("99.9 not recalcitrant", Concentration, "99.9", Steps{No(Recalcitrant)} + toGreen,
            {GreenLine}, true, 7, 1.2);
        row("100 asks nothing", Concentration, "100", toGreen, {GreenLine}, true, 7, 1.2);
        row("9999 asks nothing", Concentration, "9999", toGreen, {GreenLine}, true, 7, 1.2);
        row("10000 no pre-treatment", Concentration, "10000", {No(PreTreatment), Red()}, {}, false,
            0, 0);
        row("10000 pre-treatment", Concentration, "10000", Steps{Yes(PreTreatment)} + toGreen,
            {GreenLine}, true, 7, 1.2);

        row("respiration 0.019", Respiration, "0.019",
            {Message(LowRespiration,
                     u"Such low respiration is unlikely to be enhanced by augmentation"_s),
             Red()},
            {}, false, 0, 0);
        row("respiration 0.02", Respiration, "0.02", {Message(LowRespiration, EnhanceFirst)}, {},
            false, 0, 0);
        row("respiration 0.2", Respiration, "0.2", After(Respiration) + Steps{Green()}, {GreenLine},
            true, 7, 1.2);

        const Steps afterPh = After(Ph);
        row("pH 4.4", Ph, "4.4", {Red()}, {}, false, 4.4, 0);
        row("pH 4.5", Ph, "4.5", afterPh + Steps{Amber()}, {AmberLine}, true, 4.5, 1.2);
        row("pH 5.5", Ph, "5.5", afterPh + Steps{Green()}, {GreenLine}, true, 5.5, 1.2);
        row("pH 8", Ph, "8", afterPh + Steps{Amber()}, {AmberLine}, true, 8, 1.2);
        row("pH 8.5", Ph, "8.5", {Red()}, {}, false, 8.5, 0);

        const Steps afterBulk = After(BulkDensity);
        row("bulk density 0.49", BulkDensity, "0.49", {Red()}, {}, false, 7, 0.49);
        row("bulk density 0.5", BulkDensity, "0.5", afterBulk + Steps{Green()}, {GreenLine}, true,
            7, 0.5);
        row("bulk density 1.9", BulkDensity, "1.9", {Red()}, {}, false, 7, 1.9);

        row("water holding 9.9", WaterHolding, "9.9", {Red()}, {NotOption}, false, 7, 1.2);
        row("water holding 10", WaterHolding, "10", {Green()}, {GreenLine}, true, 7, 1.2);
        row("water holding 60", WaterHolding, "60", {Red()}, {NotOption}, false, 7, 1.2);
    }

    void boundaries() {
        QFETCH(int, stage);
        QFETCH(QString, reply);
        QFETCH(Steps, then);
        QFETCH(QStringList, lines);
        QFETCH(bool, valid);
        QFETCH(double, soilPh);
        QFETCH(double, bulkDensity);
        ScriptedPrompts script;
        script.add(Before(stage) + Steps{Reply(stage, reply)} + then);
        const Session session = AfterStage(script, AssessExSitu);
        VERIFY_SCRIPT(script);
        QCOMPARE(ConclusionLines(session), lines);
        QCOMPARE(session.ExSituValid, valid ? Flag::True : Flag::False);
        QCOMPARE(session.SoilPh, soilPh);
        QCOMPARE(session.BulkDensity, bulkDensity);
    }

    void hydrocarbonSeries_data() {
        Columns<int, int, QString>({"chosen", "rounds", "line"});
        QTest::newRow("a: volatile, amber") << 0 << 0 << AmberLine;
        QTest::newRow("b: gasoline range, green") << 1 << 0 << GreenLine;
        QTest::newRow("c: gas plant residue, amber") << 2 << 0 << AmberLine;
        QTest::newRow("d: bunker oil, amber") << 3 << 0 << AmberLine;
        QTest::newRow("e: heavy distillate, amber") << 4 << 0 << AmberLine;
        QTest::newRow("none, then b") << 1 << 1 << GreenLine;
        QTest::newRow("none twice, then a") << 0 << 2 << AmberLine;
    }

    void hydrocarbonSeries() {
        QFETCH(int, chosen);
        QFETCH(int, rounds);
        QFETCH(QString, line);
        ScriptedPrompts script;
        script.add(Before(Hydrocarbon) + HydrocarbonSeries(chosen, rounds) + After(Hydrocarbon) +
                   Steps{line == GreenLine ? Green() : Amber()});
        const Session session = AfterStage(script, AssessExSitu);
        VERIFY_SCRIPT(script);
        QCOMPARE(ConclusionLines(session), QStringList{line});
        QCOMPARE(session.ExSituValid, Flag::True);
    }

    void rejectedReplies_data() {
        Columns<int, std::optional<QString>>({"stage", "reply"});
        const std::pair<const char*, std::optional<QString>> replies[] = {
            {"0", u"0"_s},        {"-3", u"-3"_s},          {"abc", u"abc"_s},
            {"empty", QString()}, {"cancel", std::nullopt},
        };
        for (int stage = 0; stage < StageCount; ++stage) {
            if (stage == Hydrocarbon)
                continue;
            for (const auto& [name, reply] : replies)
                QTest::addRow("%s %s", qPrintable(Inputs[stage].title), name) << stage << reply;
        }
    }

    void rejectedReplies() {
        QFETCH(int, stage);
        QFETCH(std::optional<QString>, reply);
        const Step rejected =
            reply ? Reply(stage, *reply) : Cancel(Inputs[stage].title, Inputs[stage].prompt);
        ScriptedPrompts script;
        script.add(
            Before(stage) +
            Steps{rejected, Message(Info, EnterAValue), Reply(stage, Inputs[stage].standardReply)} +
            After(stage) + Steps{Green()});
        const Session session = AfterStage(script, AssessExSitu);
        VERIFY_SCRIPT(script);
        QCOMPARE(ConclusionLines(session), QStringList{GreenLine});
    }

    void eachRunFollowsItsOwnVerdict_data() {
        Columns<Steps, QStringList>({"second", "secondLines"});
        QTest::newRow("red stop") << Steps{Reply(Concentration, u"99.9"_s), Yes(Recalcitrant),
                                           Red()}
                                  << QStringList{};
        QTest::newRow("red verdict")
            << Before(WaterHolding) + Steps{Reply(WaterHolding, u"60"_s), Red()}
            << QStringList{NotOption};
        QTest::newRow("no verdict")
            << Before(Respiration) +
                   Steps{Reply(Respiration, u"0.1"_s), Message(LowRespiration, EnhanceFirst)}
            << QStringList{};
    }

    void eachRunFollowsItsOwnVerdict() {
        QFETCH(Steps, second);
        QFETCH(QStringList, secondLines);
        ScriptedPrompts script;
        script.add(Before(StageCount) + Steps{Green()} + second);
        Session session;
        ResetSession(session);
        Conversation wizard{session, script, script};
        AssessExSitu(wizard);
        QCOMPARE(session.ExSituValid, Flag::True);
        AssessExSitu(wizard);
        VERIFY_SCRIPT(script);
        QCOMPARE(session.ExSituValid, Flag::False);
        QCOMPARE(ConclusionLines(session), QStringList{GreenLine} + secondLines);
    }

    void windowShowsVerdictColour_data() {
        Columns<Steps, Rgb>({"steps", "colour"});
        QTest::newRow("green") << Before(StageCount) + Steps{Green()} << Rgb{0, 192, 0};
        QTest::newRow("amber") << Before(Hydrocarbon) + HydrocarbonSeries(3) + After(Hydrocarbon) +
                                      Steps{Amber()}
                               << Rgb{192, 64, 0};
        QTest::newRow("red verdict")
            << Before(WaterHolding) + Steps{Reply(WaterHolding, u"60"_s), Red()} << Rgb{192, 0, 0};
        QTest::newRow("red stop") << Steps{Reply(Concentration, u"10000"_s), No(PreTreatment),
                                           Red()}
                                  << Rgb{192, 0, 0};
    }

    void windowShowsVerdictColour() {
        QFETCH(Steps, steps);
        QFETCH(Rgb, colour);
        ScriptedPrompts script;
        std::vector<Rgb> whileOpen;
        steps.back().whileOpen = [&] { whileOpen = script.backColors(); };
        script.add(steps);
        const Session session = AfterStage(script, AssessExSitu);
        VERIFY_SCRIPT(script);
        QCOMPARE(whileOpen, std::vector<Rgb>{colour});
        QCOMPARE(script.backColors(), (std::vector<Rgb>{colour, NeutralBackColor}));
    }
};

QTEST_GUILESS_MAIN(ExSituTest)
#include "ExSituTest.moc"
