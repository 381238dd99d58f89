// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/Columns.h"
#include "support/Runs.h"
#include "support/TestForm.h"
#include "support/TestMain.h"
#include "support/Texts.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPalette>
#include <QTemporaryDir>

#include <algorithm>

using namespace terravia;
using namespace terravia::test;

namespace {

// The lines that PlainBiological and OffSiteTargets add after a green verdict.
const char* const PlainBiologicalLines[] = {
    "CFU degraders - suitable for bioremediation",
    "CFU heterotrophs - find out if there is a habitat constraint",
    "Respiration rate after bioaugmentation - okay",
    "Biodegradation rate in microcosm - good",
    "No pH treatment required",
    "Nutrient requirement - 7.38 mg N/kg to be added at this stage",
    "Nutrient requirement - 7.38 mg N/kg to be irrigated in",
    "Nutrient requirement - 1.23 mg P/kg to be added at this stage",
    "Co-contaminants - pH manipulation should be cautious",
    "Residual soil after extraction - no exceedence, continue with the process",
    "Bulk density - okay",
};

QList<QByteArray> Lines(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& line : lines) {
        if (!line.endsWith('\r'))
            return {"<a line without CR LF>"};
        line.chop(1);
    }
    return lines;
}

// A window that has come through a positive screening to the stage of the given list.
void ReachStage(TestForm& form, ScriptedPrompts& script, bool coc, const QString& entry) {
    ChooseMode(form, script, coc ? CocMode : LandUseMode);
    Pick(form, coc ? "Combo3" : "Combo2", entry);
}

} // namespace

class WholeRunTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void greenRunWritesTheGoldenFile() {
        ShownForm shown;
        auto& [script, form] = shown;
        ReachStage(form, script, true, Others);
        const QString path = dir_.filePath(u"green"_s);
        std::vector<Step> run = GreenRun(path);
        // The window shows the verdict's colour while it is open, and keeps the path.
        QColor whileOpen;
        std::find_if(run.begin(), run.end(), [](const Step& step) {
            return step.title == ValidTitle;
        })->whileOpen = [&] { whileOpen = form.palette().color(QPalette::Window); };
        script.add(run);
        Click(form, "Command4");
        VERIFY_SCRIPT(script);
        QCOMPARE(whileOpen, QColor(0, 192, 0));
        QCOMPARE(form.palette().color(QPalette::Window), QColor(220, 220, 220));
        QCOMPARE(form.findChild<QLineEdit*>(u"Text1"_s)->text(), path);
        const QByteArray written = ReadAll(path + u".txt"_s);
        const QString goldenPath = QStringLiteral(TERRAVIA_GOLDEN_DIR "/green-group12.txt");
        // A changed golden file is written on request, to be checked by hand before it is kept.
        if (qEnvironmentVariableIsSet("TERRAVIA_UPDATE_GOLDEN")) {
            QFile update(goldenPath);
            QVERIFY(update.open(QIODevice::WriteOnly) && update.write(written) == written.size());
        }
        const QByteArray golden = ReadAll(goldenPath);
        QCOMPARE(Lines(written).size(), 326);
        QCOMPARE(written, golden);
    }

    void amberRun() {
        ShownForm shown;
        auto& [script, form] = shown;
        ReachStage(form, script, true, Others);
        std::vector<Step> exSitu = GreenExSitu();
        exSitu[1] = Yes(LightAliphatic);
        exSitu[2] = Message(PrecautionRequired, VolatileLoss);
        exSitu.back() = Message(WarningTitle, AmberLine);
        const QString path = dir_.filePath(u"amber.txt"_s);
        script.add(Join({TonnageAndMedium(), exSitu, PlainBiological(), OffSiteTargets(),
                         SaveAs(path), ProcessComplete()}));
        Click(form, "Command4");
        VERIFY_SCRIPT(script);
        const QList<QByteArray> lines = Lines(ReadAll(path));
        QCOMPARE(lines.size(), 326);
        QCOMPARE(lines[312],
                 QByteArray("Ex-situ is a valid technical option, with an amber warning"));
        QCOMPARE(form.session().ExSituValid, Flag::True);
    }

    void redRunWritesNoFile() {
        ShownForm shown;
        auto& [script, form] = shown;
        ReachStage(form, script, true, Others);
        script.add(Join({TonnageAndMedium(), RedStopTail()}));
        Click(form, "Command4");
        VERIFY_SCRIPT(script);
        QCOMPARE(form.session().ConclusionCount, 312);
        QCOMPARE(form.session().ExSituValid, Flag::False);
    }

    void respirationStopWritesNoFile() {
        ShownForm shown;
        auto& [script, form] = shown;
        ReachStage(form, script, true, Others);
        std::vector<Step> exSitu = GreenExSitu();
        exSitu.resize(4);
        exSitu[3].reply = u"0.1"_s;
        exSitu.push_back(Message(LowRespiration, EnhanceFirst));
        script.add(Join({TonnageAndMedium(), exSitu, ProcessComplete()}));
        Click(form, "Command4");
        VERIFY_SCRIPT(script);
        QCOMPARE(form.session().ConclusionCount, 312);
        QCOMPARE(form.session().SoilPh, 0.0);
    }

    void cleanUpTargetPaths_data() {
        // Answers to the clean-up questions (Y / N in order) and the lines they add.
        Columns<QStringList, QString, QStringList>({"questions", "answers", "lines"});
        QTest::newRow("no analysis")
            << QStringList{Analysis} << "N" << QStringList{AnalysisRequiredLine};
        QTest::newRow("off-site") << QStringList{Analysis, OnSite} << "YN"
                                  << QStringList{WasteInert, WasteHazardous};
        QTest::newRow("residential topsoil, zone")
            << QStringList{Analysis, OnSite, Residential, Topsoil, Zone} << "YYYYY"
            << QStringList{RiskAssessment, ToddlerSgvs, Water, ThreeLevels, Negotiation};
        QTest::newRow("foundations, suitable")
            << QStringList{Analysis, OnSite, Residential, Topsoil, Foundations, Suitable, Zone}
            << "YYYNYYN" << QStringList{RiskAssessment, ToddlerSgvs, Water, TwoLevels, Negotiation};
        QTest::newRow("foundations, not suitable")
            << QStringList{Analysis, OnSite, Residential, Topsoil, Foundations, Suitable, Zone}
            << "YYYNYNN" << QStringList{Water, TwoLevels, Negotiation};
        QTest::newRow("capped for recreation")
            << QStringList{Analysis, OnSite, Residential, Topsoil, Foundations, Capped, Zone}
            << "YYYNNYY"
            << QStringList{RiskAssessment, ToddlerSgvs, Water, ThreeLevels, Negotiation};
        QTest::newRow("not capped")
            << QStringList{Analysis, OnSite, Residential, Topsoil, Foundations, Capped, Zone}
            << "YYYNNNN" << QStringList{Water, TwoLevels, Negotiation};
        QTest::newRow("industrial")
            << QStringList{Analysis, OnSite, Residential, Industrial, Zone} << "YYNYY"
            << QStringList{RiskAssessment, Water, ThreeLevels, Negotiation};
        QTest::newRow("neither residential nor industrial")
            << QStringList{Analysis, OnSite, Residential, Industrial, Zone} << "YYNNN"
            << QStringList{RiskAssessment, Water, TwoLevels, Negotiation};
    }

    void cleanUpTargetPaths() {
        QFETCH(QStringList, questions);
        QFETCH(QString, answers);
        QFETCH(QStringList, lines);
        ShownForm shown;
        auto& [script, form] = shown;
        ReachStage(form, script, true, Others);
        std::vector<Step> targets;
        for (qsizetype i = 0; i < questions.size(); ++i)
            targets.push_back(answers[i] == u'Y' ? Yes(questions[i]) : No(questions[i]));
        if (answers == u"N"_s)
            targets.push_back(Message(ChemicalAnalysisRequired, NoTargetsLine));
        const QString path = dir_.filePath(u"targets-"_s + answers + u".txt"_s);
        script.add(Join({TonnageAndMedium(), GreenExSitu(), PlainBiological(), targets,
                         SaveAs(path), ProcessComplete()}));
        Click(form, "Command4");
        VERIFY_SCRIPT(script);
        const QList<QByteArray> written = Lines(ReadAll(path));
        QCOMPARE(written.size(), 324 + lines.size());
        for (qsizetype i = 0; i < lines.size(); ++i)
            QCOMPARE(QString::fromLatin1(written[324 + i]), lines[i]);
    }

    void twoRunsWithoutClearAll() {
        ShownForm shown;
        const auto [once, twice] = TwoGreenRuns(shown, u"first.txt"_s, u"second.txt"_s, [] {});
        VERIFY_SCRIPT(shown.script);
        QCOMPARE(twice, once + once);
        QCOMPARE(shown.form.session().ConclusionCount, 652);
    }

    void clearAllBetweenRuns() {
        ShownForm shown;
        const auto [before, after] =
            TwoGreenRuns(shown, u"before-clear.txt"_s, u"after-clear.txt"_s, [&shown] {
                Click(shown.form, "Command5");
                ReachStage(shown.form, shown.script, true, Others);
            });
        VERIFY_SCRIPT(shown.script);
        QCOMPARE(after, before);
    }

    void redRunAfterAValidOneWritesNoFile() {
        ShownForm shown;
        auto& [script, form] = shown;
        ReachStage(form, script, true, Others);
        script.add(GreenRun(dir_.filePath(u"valid-first.txt"_s)));
        Click(form, "Command4");
        // Each run follows its own verdict: no biological assessment, targets or file.
        script.add(Join({TonnageAndMedium(), RedStopTail()}));
        Click(form, "Command4");
        VERIFY_SCRIPT(script);
        QCOMPARE(form.session().ExSituValid, Flag::False);
        QCOMPARE(form.session().ConclusionCount, 326 + 312);
    }

    void landUseRunAfterStartUpKeepsEveryReportLine() {
        ShownForm shown;
        auto& [script, form] = shown;
        ReachStage(form, script, false, Airports);
        const QString path = dir_.filePath(u"land-use.txt"_s);
        script.add(GreenRun(path));
        Click(form, "Command3");
        VERIFY_SCRIPT(script);
        const QList<QByteArray> lines = Lines(ReadAll(path));
        QCOMPARE(lines.size(), 2496 + 14);
        QCOMPARE(lines[0], QByteArray("Ranked 1 for permissibility & certainty"));
        QCOMPARE(lines[2496 - 13], QByteArray("Ranked 64 for environmental credit"));
        QCOMPARE(lines[2496],
                 QByteArray("Ex-situ is a valid technical option, with a green light"));
        for (std::size_t i = 0; i < std::size(PlainBiologicalLines); ++i)
            QCOMPARE(lines[2497 + qsizetype(i)], QByteArray(PlainBiologicalLines[i]));
    }

    void fullListIsWrittenAndReportedOnce() {
        // Each green land-use run with no group adds 2,510 lines: the 14th run reaches the
        // 16-bit limit of the count after 137 of its lines.
        ShownForm shown;
        auto& [script, form] = shown;
        ReachStage(form, script, false, Airports);
        const QString path = dir_.filePath(u"full.txt"_s);
        for (int run = 1; run <= 14; ++run) {
            std::vector<Step> steps = GreenRun(path);
            if (run == 14) {
                const Step full = Message(FullTitle, FullText);
                steps.insert(steps.begin() + 2, full);
            }
            script.add(steps);
            Click(form, "Command3");
            QCOMPARE(form.session().ConclusionCount, std::min(run * 2510, 32767));
        }
        VERIFY_SCRIPT(script);
        const QList<QByteArray> lines = Lines(ReadAll(path));
        QCOMPARE(lines.size(), 32767);
        QCOMPARE(lines[13 * 2510], QByteArray("Ranked 1 for permissibility & certainty"));
        QCOMPARE(lines.last(), QByteArray("O&M -  1"));
    }

private:
    // Two green runs for "Others e.g. Asbestos" into the two files, with `between` done after
    // the first; the bytes of each file.
    std::pair<QByteArray, QByteArray> TwoGreenRuns(ShownForm& shown, const QString& first,
                                                   const QString& second,
                                                   const std::function<void()>& between) {
        auto& [script, form] = shown;
        ReachStage(form, script, true, Others);
        script.add(GreenRun(dir_.filePath(first)));
        Click(form, "Command4");
        between();
        script.add(GreenRun(dir_.filePath(second)));
        Click(form, "Command4");
        return {ReadAll(dir_.filePath(first)), ReadAll(dir_.filePath(second))};
    }

    QTemporaryDir dir_;
};

TERRAVIA_TEST_MAIN(WholeRunTest)
#include "WholeRunTest.moc"
