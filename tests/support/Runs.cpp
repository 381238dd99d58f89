// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/Runs.h"
#include "support/Texts.h"

namespace terravia::test {

std::vector<Step> PositiveScreening() {
    return {Yes(SiteHistory)};
}

std::vector<Step> TonnageAndMedium(const QString& tonnage) {
    return {Input(TonnageTitle, TonnagePrompt, tonnage), Yes(Solid)};
}

std::vector<Step> RedStopTail() {
    return {
        Input(ConcentrationTitle, ConcentrationPrompt, QStringLiteral("50")),
        Yes(Recalcitrant),
        Message(Info, NotOption),
        ProcessComplete().front(),
    };
}

std::vector<Step> GreenExSitu() {
    return {
        Input(ConcentrationTitle, ConcentrationPrompt, QStringLiteral("500")),
        No(LightAliphatic),
        Yes(GasolineRange),
        Input(RespirationTitle, RespirationPrompt, QStringLiteral("0.5")),
        Input(SoilPhTitle, SoilPhPrompt, QStringLiteral("7")),
        Input(BulkDensityTitle, BulkDensityPrompt, QStringLiteral("1.2")),
        Input(WaterHoldingTitle, WaterHoldingPrompt, QStringLiteral("30")),
        Message(ValidTitle, GreenLine),
    };
}

std::vector<Step> PlainBiological() {
    return {
        Input(CfuDegradersTitle, CfuDegradersPrompt, QStringLiteral("50000")),
        Input(CfuHeterotrophsTitle, CfuHeterotrophsPrompt, QStringLiteral("2000")),
        Input(BioaugmentationTitle, BioaugmentationPrompt, QStringLiteral("0.1")),
        Input(BiodegradationTitle, BiodegradationPrompt, QStringLiteral("150")),
        Input(CarbonTitle, CarbonPrompt, QStringLiteral("123")),
        Input(CoContaminantsTitle, CoContaminantsPrompt, QStringLiteral("500")),
        Yes(AssayDone),
        Yes(Degradation),
        No(Exceeded),
    };
}

std::vector<Step> OffSiteTargets() {
    return {
        Yes(Analysis),
        No(OnSite),
    };
}

std::vector<Step> SaveAs(const QString& path) {
    return {Save(Caption, path)};
}

std::vector<Step> ProcessComplete() {
    return {Message(CompleteTitle, QStringLiteral("The process is complete"))};
}

std::vector<Step> GreenRun(const QString& path) {
    return Join({TonnageAndMedium(), GreenExSitu(), PlainBiological(), OffSiteTargets(),
                 SaveAs(path), ProcessComplete()});
}

std::vector<Step> Join(std::initializer_list<std::vector<Step>> parts) {
    std::vector<Step> all;
    for (const std::vector<Step>& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

QStringList ConclusionLines(const Session& session) {
    QStringList lines;
    for (int i = 1; i <= session.ConclusionCount; ++i)
        lines.append(session.Conclusions[static_cast<std::size_t>(i)]);
    return lines;
}

Session AfterStage(ScriptedPrompts& script, void (*stage)(Conversation&),
                   const std::function<void(Session&)>& prepare) {
    Session session;
    ResetSession(session);
    if (prepare)
        prepare(session);
    Conversation wizard{session, script, script};
    stage(wizard);
    return session;
}

} // namespace terravia::test
