// SPDX-License-Identifier: GPL-3.0-or-later

#include "biological/ExSitu.h"

#include "biological/Bands.h"
#include "core/Conclusions.h"
#include "core/PromptConventions.h"

namespace terravia {
namespace {

using namespace Qt::Literals::StringLiterals;

enum class Effect { None, AmberWarning, RuleOut };

// What the answers so far say; both start False at every call.
struct Findings {
    bool notOption = false;
    bool amberWarning = false;

    void apply(Effect effect) {
        notOption = notOption || effect == Effect::RuleOut;
        amberWarning = amberWarning || effect == Effect::AmberWarning;
    }
};

struct Verdict {
    Rgb color;
    QString message; // also the verdict's conclusion line
    QString title;
    bool valid;
};

const Verdict RedVerdict{Rgb{192, 0, 0}, QStringLiteral("Ex-situ is not a technical option"),
                         InformationRequired, false};
const Verdict AmberVerdict{
    Rgb{192, 64, 0}, QStringLiteral("Ex-situ is a valid technical option, with an amber warning"),
    QStringLiteral("Ex situ is valid, with warning"), true};
const Verdict GreenVerdict{
    Rgb{0, 192, 0}, QStringLiteral("Ex-situ is a valid technical option, with a green light"),
    QStringLiteral("Ex situ is valid"), true};

struct HydrocarbonType {
    QLatin1StringView question;
    Effect effect;
    QLatin1StringView precaution; // shown right after a Yes, when there is one
};

constexpr HydrocarbonType HydrocarbonTypes[] = {
    {"Is the hydrocarbon light aliphatic/monoaromatic?"_L1, Effect::AmberWarning,
     "Precautions for volatile loss is required"_L1},
    {"Is the hydrocarbon in the gasoline/paraffin/diesel range?"_L1, Effect::None, {}},
    {"Is the hydrocarbon a manufactured gas plant residue?"_L1, Effect::AmberWarning, {}},
    {"Is the hydrocarbon bunker oil?"_L1, Effect::AmberWarning, {}},
    {"Is the hydrocarbon a heavy distillate/refinery waste?"_L1, Effect::AmberWarning, {}},
};

constexpr Band<Effect> PhBands[] = {
    {4.5, Effect::RuleOut},      {5.5, Effect::AmberWarning},  {8, Effect::None},
    {8.5, Effect::AmberWarning}, {Unbounded, Effect::RuleOut},
};
constexpr Band<Effect> BulkDensityBands[] = {
    {0.5, Effect::RuleOut}, {1.9, Effect::None}, {Unbounded, Effect::RuleOut}};
constexpr Band<Effect> WaterHoldingBands[] = {
    {10, Effect::RuleOut}, {60, Effect::None}, {Unbounded, Effect::RuleOut}};

constexpr double LowestRespiration = 0.02;
constexpr double GoodRespiration = 0.2;
const QString LowRespirationTitle = QStringLiteral("Low respiration problem");

void ShowVerdict(Conversation& wizard, const Verdict& verdict) {
    if (verdict.valid)
        wizard.session.ExSituValid = Flag::True;
    wizard.window.setBackColor(verdict.color);
    ShowMessage(wizard, verdict.message, verdict.title);
    wizard.window.setBackColor(NeutralBackColor);
}

// A red verdict before the last step: shown, but not recorded as a conclusion.
void StopRed(Conversation& wizard) {
    ShowVerdict(wizard, RedVerdict);
}

bool RuledOutByConcentration(Conversation& wizard) {
    const double c =
        AskMeasurement(wizard, QStringLiteral("Enter the concentration of COCs (mg/kg)"),
                       QStringLiteral("Concentration"));
    if (c < 100)
        return AskYesNo(wizard, QStringLiteral("Is the material particularly recaltricent?")) ==
               Answer::Yes;
    if (c >= 10000)
        return AskYesNo(wizard, QStringLiteral("Can pre-treatment reduce the concentration?")) ==
               Answer::No;
    return false;
}

Effect AskHydrocarbonType(Conversation& wizard) {
    for (;;) {
        for (const HydrocarbonType& type : HydrocarbonTypes) {
            if (AskYesNo(wizard, type.question) == Answer::Yes) {
                if (!type.precaution.isEmpty())
                    ShowMessage(wizard, type.precaution, QStringLiteral("Precaution required"));
                return type.effect;
            }
        }
        ShowMessage(wizard, QStringLiteral("One of these options must be selected"),
                    InformationRequired);
    }
}

double AskRespiration(Conversation& wizard) {
    return AskMeasurement(
        wizard,
        QStringLiteral(
            "Enter the matrix respiration rate (mg CO2 per gram dry weight soil per day)"),
        QStringLiteral("Respiration rate"));
}

} // namespace

void AssessExSitu(Conversation& wizard) {
    Session& session = wizard.session;
    session.ExSituValid = Flag::False;
    Findings findings;

    if (RuledOutByConcentration(wizard)) {
        StopRed(wizard);
        return;
    }
    findings.apply(AskHydrocarbonType(wizard));

    const double respiration = AskRespiration(wizard);
    if (respiration < LowestRespiration) {
        ShowMessage(
            wizard,
            QStringLiteral("Such low respiration is unlikely to be enhanced by augmentation"),
            LowRespirationTitle);
        StopRed(wizard);
        return;
    }
    if (respiration < GoodRespiration) {
        ShowMessage(wizard,
                    QStringLiteral("Respiration may be enhanced by augmentation, this should be "
                                   "done before proceeding"),
                    LowRespirationTitle);
        return;
    }

    session.SoilPh =
        AskMeasurement(wizard, QStringLiteral("Enter the soil pH"), QStringLiteral("Soil pH"));
    findings.apply(Classify(PhBands, session.SoilPh));
    if (findings.notOption) {
        StopRed(wizard);
        return;
    }

    session.BulkDensity = AskMeasurement(wizard, QStringLiteral("Enter the soil bulk density"),
                                         QStringLiteral("Bulk density"));
    findings.apply(Classify(BulkDensityBands, session.BulkDensity));
    if (findings.notOption) {
        StopRed(wizard);
        return;
    }

    const double waterHolding = AskMeasurement(
        wizard,
        QStringLiteral("Enter the water holding capacity (g water per 100g soil to bring to field "
                       "capacity)"),
        QStringLiteral("Water holding capacity"));
    findings.apply(Classify(WaterHoldingBands, waterHolding));

    const Verdict& verdict = findings.notOption      ? RedVerdict
                             : findings.amberWarning ? AmberVerdict
                                                     : GreenVerdict;
    ShowVerdict(wizard, verdict);
    AppendConclusion(wizard, verdict.message);
}

} // namespace terravia
