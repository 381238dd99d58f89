// SPDX-License-Identifier: GPL-3.0-or-later

// Whole runs through scripted prompts, the writing of large conclusions files, and the cost
// of the main window beside a bare widget showing the same picture.

#include "app/Form1.h"
#include "app/QtPrompts.h"
#include "core/Conclusions.h"
#include "output/ConclusionsFile.h"
#include "output/ReplaceFile.h"
#include "ranking/CocGroups.h"
#include "ranking/RankTechnologies.h"
#include "screening/TonnageMedium.h"
#include "support/ModalDriver.h"
#include "support/Runs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

using namespace terravia;
using namespace terravia::test;

namespace {

QTemporaryDir* scratch = nullptr;

// One run from "Select COC" (or "Select land use") to the written file, with a green verdict.
void WholeRun(benchmark::State& state) {
    const int group = static_cast<int>(state.range(0));
    const QString path = scratch->filePath(QStringLiteral("run-%1.txt").arg(group));
    const std::vector<Step> steps =
        Join({GreenExSitu(), PlainBiological(), OffSiteTargets(), SaveAs(path), ProcessComplete()});
    for (auto _ : state) {
        Session session;
        ResetSession(session);
        session.CocName = group == 0 ? QString() : QString(CocGroupNames[std::size_t(group - 1)]);
        ScriptedPrompts script;
        script.add(steps);
        Wizard wizard{session, script};
        RankTechnologies(wizard);
        if (!script.failures().isEmpty())
            state.SkipWithError("the run did not follow its script");
        benchmark::DoNotOptimize(session.ConclusionCount);
    }
}

void WriteFile(benchmark::State& state) {
    Session session;
    ResetSession(session);
    ScriptedPrompts script;
    Wizard wizard{session, script};
    for (int i = 0; i < state.range(0); ++i)
        AppendConclusion(wizard, QStringLiteral("Permissibility and certainty -  9"));
    const QString path = scratch->filePath(QStringLiteral("lines.txt"));
    for (auto _ : state) {
        if (ReplaceWholeFile(path, ConclusionsBytes(session)))
            state.SkipWithError("the file could not be written");
    }
}

void ShowForm1(benchmark::State& state) {
    ScriptedPrompts script;
    for (auto _ : state) {
        Form1 form(&script);
        form.show();
        QApplication::processEvents();
    }
}

void ShowPicture(benchmark::State& state) {
    const QPixmap picture(QStringLiteral(":/picture1.bmp"));
    for (auto _ : state) {
        QLabel label;
        label.setPixmap(picture);
        label.show();
        QApplication::processEvents();
    }
}

// Keeps the times of the window benchmarks to report their ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter()
        : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            times_[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    double time(const std::string& name) const {
        const auto found = times_.find(name);
        return found == times_.end() ? 0 : found->second;
    }

private:
    std::map<std::string, double> times_;
};

} // namespace

namespace {

// A key given to a real box as the platform gives it, shortcuts first.
void Press(QWidget* box, Qt::Key key) {
    QTest::keyClick(box->windowHandle(), key);
}

// From a key that answers a real question box to the next box on screen: N, by its letter,
// and Return, on the focused Yes.
void AnswerToNextBox(benchmark::State& state) {
    const Qt::Key key = state.range(0) == 0 ? Qt::Key_N : Qt::Key_Return;
    QWidget owner;
    QtPrompts prompts(&owner);
    for (auto _ : state) {
        ModalDriver driver;
        QElapsedTimer clock;
        qint64 elapsed = 0;
        driver.then([&](QWidget* box) {
            clock.start();
            Press(box, key);
        });
        driver.then([&](QWidget* box) {
            elapsed = clock.nsecsElapsed();
            box->close();
        });
        prompts.askYesNo(QStringLiteral("First?"), QStringLiteral("Information required"));
        prompts.askYesNo(QStringLiteral("Second?"), QStringLiteral("Information required"));
        state.SetIterationTime(double(elapsed) / 1e9);
    }
}

// The heaviest step between two boxes: Return on the medium's first question, the ranking of
// the technologies that follows (for a land use, with no group chosen: the largest report),
// up to the ex-situ assessment's first box; the run then stops red at once.
void RankingToNextBox(benchmark::State& state) {
    QWidget owner;
    QtPrompts prompts(&owner);
    int lines = 0;
    for (auto _ : state) {
        Session session;
        ResetSession(session);
        ModalDriver driver;
        QElapsedTimer clock;
        qint64 elapsed = 0;
        driver.then([&](QWidget* box) {
            clock.start();
            Press(box, Qt::Key_Return);
        });
        driver.then([&](QWidget* box) {
            elapsed = clock.nsecsElapsed();
            box->findChild<QLineEdit*>()->setText(QStringLiteral("50"));
            Press(box, Qt::Key_Return);
        });
        for (int later = 0; later < 3; ++later) // recalcitrant, not an option, process complete
            driver.then([](QWidget* box) { Press(box, Qt::Key_Return); });
        Wizard wizard{session, prompts};
        AskMedium(wizard);
        RankTechnologies(wizard);
        if (!driver.failures().isEmpty())
            state.SkipWithError("the run did not follow its boxes");
        lines = session.ConclusionCount;
        state.SetIterationTime(double(elapsed) / 1e9);
    }
    state.counters["lines"] = lines;
}

} // namespace

BENCHMARK(AnswerToNextBox)
    ->ArgName("return")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(RankingToNextBox)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(WholeRun)->ArgName("group")->Arg(4)->Arg(12)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteFile)->ArgName("lines")->Arg(2496)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(ShowForm1)->Unit(benchmark::kMillisecond);
BENCHMARK(ShowPicture)->Unit(benchmark::kMillisecond);

int main(int argc, char* argv[]) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    QTemporaryDir dir;
    scratch = &dir;
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double picture = reporter.time("ShowPicture");
    if (picture > 0)
        std::printf("Form1 shown / bare picture widget shown: %.2f\n",
                    reporter.time("ShowForm1") / picture);
    benchmark::Shutdown();
    return 0;
}
