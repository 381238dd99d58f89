// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/Runs.h"

#include "support/Texts.h"
#include <QFile>

namespace terravia::test {

std::vector<Step> PositiveScreening() {
    return {Yes(SiteHistory)};
}

std::vector<Step> TonnageAndMedium(const QString& tonnage) {
    return {Input(TonnageTitle, TonnagePrompt, tonnage), Yes(Solid)};
}

std::vector<Step> RedStopTail() {
    return {
        Input(ConcentrationTitle, ConcentrationPrompt, u"50"_s),
        Yes(Recalcitrant),
        Message(Info, NotOption),
        ProcessComplete().front(),
    };
}

std::vector<Step> GreenExSitu() {
    return {
        Input(ConcentrationTitle, ConcentrationPrompt, u"500"_s),
        No(LightAliphatic),
        Yes(GasolineRange),
        Input(RespirationTitle, RespirationPrompt, u"0.5"_s),
        Input(SoilPhTitle, SoilPhPrompt, u"7"_s),
        Input(BulkDensityTitle, BulkDensityPrompt, u"1.2"_s),
        Input(WaterHoldingTitle, WaterHoldingPrompt, u"30"_s),
        Message(ValidTitle, GreenLine),
    };
}

std::vector<Step> PlainBiological() {
    return {
        Input(CfuDegradersTitle, CfuDegradersPrompt, u"50000"_s),
        Input(CfuHeterotrophsTitle, CfuHeterotrophsPrompt, u"2000"_s),
        Input(BioaugmentationTitle, BioaugmentationPrompt, u"0.1"_s),
        Input(BiodegradationTitle, BiodegradationPrompt, u"150"_s),
        Input(CarbonTitle, CarbonPrompt, u"123"_s),
        Input(CoContaminantsTitle, CoContaminantsPrompt, u"500"_s),
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
    return {Message(CompleteTitle, u"The process is complete"_s)};
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

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace terravia::test
