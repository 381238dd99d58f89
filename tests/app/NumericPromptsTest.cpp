// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Form1.h"
#include "support/Runs.h"
#include "support/TestForm.h"
#include "support/TestMain.h"
#include "support/Texts.h"

#include <QFile>
#include <QTemporaryDir>

using namespace terravia;
using namespace terravia::test;

namespace {

// Every numeric prompt of a run, by title.
const char* const NumericPrompts[] = {
    "Tonnage",
    "Concentration",
    "Respiration rate",
    "Soil pH",
    "Bulk density",
    "Water holding capacity",
    "CFU concentration",
    "CFU heterotrophs",
    "Respiration rate after bioaugmentation",
    "Biodegradation rate",
    "C concentration associated with TPH",
    "Co-contaminants",
};

std::size_t StepOf(const std::vector<Step>& steps, const QString& title) {
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (steps[i].kind == Step::Kind::Input && steps[i].title == title)
            return i;
    }
    qFatal("no prompt %s", qPrintable(title));
}

// Group 12, the shortest reports.
void RunFromSelectCoc(Form1& form, ScriptedPrompts& script, const std::vector<Step>& run) {
    ChooseMode(form, script, CocMode);
    Pick(form, "Combo3", QStringLiteral("Others e.g. Asbestos"));
    script.add(run);
    Click(form, "Command4");
}

} // namespace

class NumericPromptsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void badRepliesAreAskedAgain_data() {
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<std::optional<QString>>("reply");
        const std::pair<const char*, std::optional<QString>> replies[] = {
            {"empty", QString()},
            {"cancel", std::nullopt},
            {"zero", QStringLiteral("0")},
            {"negative", QStringLiteral("-3")},
            {"text", QStringLiteral("abc")},
            {"blanks only", QStringLiteral(" \t ")},
            {"not finite", QStringLiteral("1E999")},
            {"ampersand without digits", QStringLiteral("&H")},
        };
        for (const char* prompt : NumericPrompts) {
            for (const auto& [name, reply] : replies)
                QTest::addRow("%s, %s", prompt, name) << QString::fromLatin1(prompt) << reply;
        }
    }

    void badRepliesAreAskedAgain() {
        QFETCH(QString, prompt);
        QFETCH(std::optional<QString>, reply);
        const QString path = dir_.filePath(QStringLiteral("bad.txt"));
        std::vector<Step> run = GreenRun(path);
        const std::size_t at = StepOf(run, prompt);
        Step bad = run[at];
        bad.reply = reply;
        const QString rejection = prompt == TonnageTitle ? Rejection : EnterAValue;
        run.insert(run.begin() + std::ptrdiff_t(at), {bad, Message(Info, rejection)});
        ScriptedPrompts script;
        Form1 form(&script);
        RunFromSelectCoc(form, script, run);
        VERIFY_SCRIPT(script);
        QCOMPARE(form.session().ConclusionCount, 326);
    }

    void repliesReadByTheDecidedRules_data() {
        // Read at the carbon prompt, whose value shows in the nitrogen line (C x 0.06).
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("nitrogen");
        QTest::newRow("comma stops the number") << QStringLiteral("1,5") << QStringLiteral(" 0.06");
        QTest::newRow("blanks inside") << QStringLiteral("1 0\t0\n0") << QStringLiteral(" 60");
        QTest::newRow("trailing unit") << QStringLiteral("1000 mg/kg") << QStringLiteral(" 60");
        QTest::newRow("exponent E") << QStringLiteral("1E3") << QStringLiteral(" 60");
        QTest::newRow("exponent d") << QStringLiteral("1d3") << QStringLiteral(" 60");
        QTest::newRow("hexadecimal") << QStringLiteral("&H3E8") << QStringLiteral(" 60");
        QTest::newRow("octal") << QStringLiteral("&o1750") << QStringLiteral(" 60");
        QTest::newRow("tiny") << QStringLiteral("1E-300") << QStringLiteral(" 6E-302");
        QTest::newRow("huge") << QStringLiteral("1E300") << QStringLiteral(" 6E+298");
    }

    void repliesReadByTheDecidedRules() {
        QFETCH(QString, reply);
        QFETCH(QString, nitrogen);
        const QString path = dir_.filePath(QStringLiteral("read.txt"));
        std::vector<Step> run = GreenRun(path);
        run[StepOf(run, CarbonTitle)].reply = reply;
        ScriptedPrompts script;
        Form1 form(&script);
        RunFromSelectCoc(form, script, run);
        VERIFY_SCRIPT(script);
        QCOMPARE(form.session().Conclusions[319],
                 QStringLiteral("Nutrient requirement -") + nitrogen +
                     QStringLiteral(" mg N/kg to be added at this stage"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains(
            ("Nutrient requirement -" + nitrogen.toLatin1() + " mg N/kg to be irrigated in\r\n")));
    }

private:
    QTemporaryDir dir_;
};

TERRAVIA_TEST_MAIN(NumericPromptsTest)
#include "NumericPromptsTest.moc"
