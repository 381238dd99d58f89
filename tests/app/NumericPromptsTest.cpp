// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Form1.h"
#include "support/Columns.h"
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
    Pick(form, "Combo3", Others);
    script.add(run);
    Click(form, "Command4");
}

} // namespace

class NumericPromptsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void badRepliesAreAskedAgain_data() {
        Columns<QString, std::optional<QString>>({"prompt", "reply"});
        const std::pair<const char*, std::optional<QString>> replies[] = {
            {"empty", QString()},       {"cancel", std::nullopt},
            {"zero", u"0"_s},           {"negative", u"-3"_s},
            {"text", u"abc"_s},         {"blanks only", u" \t "_s},
            {"not finite", u"1E999"_s}, {"ampersand without digits", u"&H"_s},
        };
        for (const char* prompt : NumericPrompts) {
            for (const auto& [name, reply] : replies)
                QTest::addRow("%s, %s", prompt, name) << QString::fromLatin1(prompt) << reply;
        }
    }

    void badRepliesAreAskedAgain() {
        QFETCH(QString, prompt);
        QFETCH(std::optional<QString>, reply);
        const QString path = dir_.filePath(u"bad.txt"_s);
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
        Columns<QString, QString>({"reply", "nitrogen"});
        QTest::newRow("comma stops the number") << u"1,5"_s << u" 0.06"_s;
        QTest::newRow("blanks inside") << u"1 0\t0\n0"_s << u" 60"_s;
        QTest::newRow("trailing unit") << u"1000 mg/kg"_s << u" 60"_s;
        QTest::newRow("exponent E") << u"1E3"_s << u" 60"_s;
        QTest::newRow("exponent d") << u"1d3"_s << u" 60"_s;
        QTest::newRow("hexadecimal") << u"&H3E8"_s << u" 60"_s;
        QTest::newRow("octal") << u"&o1750"_s << u" 60"_s;
        QTest::newRow("tiny") << u"1E-300"_s << u" 6E-302"_s;
        QTest::newRow("huge") << u"1E300"_s << u" 6E+298"_s;
    }

    void repliesReadByTheDecidedRules() {
        QFETCH(QString, reply);
        QFETCH(QString, nitrogen);
        const QString path = dir_.filePath(u"read.txt"_s);
        std::vector<Step> run = GreenRun(path);
        run[StepOf(run, CarbonTitle)].reply = reply;
        ScriptedPrompts script;
        Form1 form(&script);
        RunFromSelectCoc(form, script, run);
        VERIFY_SCRIPT(script);
        QCOMPARE(form.session().Conclusions[319],
                 u"Nutrient requirement -"_s + nitrogen + u" mg N/kg to be added at this stage"_s);
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
