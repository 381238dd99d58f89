// SPDX-License-Identifier: GPL-3.0-or-later

// Whole runs through scripted prompts, the writing of large conclusions files, and the cost
// of the main window beside a bare widget showing the same picture.

#include "app/Form1.h"
#include "core/Conclusions.h"
#include "output/ConclusionsFile.h"
#include "output/ReplaceFile.h"
#include "ranking/CocGroups.h"
#include "ranking/RankTechnologies.h"
#include "support/Runs.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QTemporaryDir>

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
