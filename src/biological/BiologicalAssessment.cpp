// SPDX-License-Identifier: GPL-3.0-or-later

#include "biological/BiologicalAssessment.h"

#include "biological/Bands.h"
#include "core/Conclusions.h"
#include "core/NumberText.h"
#include "core/PromptConventions.h"

namespace terravia {
namespace {

using namespace Qt::Literals::StringLiterals;

using LineBand = Band<QLatin1StringView>;

struct Measurement {
    QLatin1StringView prompt;
    QLatin1StringView title;
    std::span<const LineBand> bands;
};

constexpr LineBand DegraderBands[] = {
    {10000, "CFU degraders - bioaugmentation required"_L1},
    {Unbounded, "CFU degraders - suitable for bioremediation"_L1},
};
constexpr LineBand HeterotrophBands[] = {
    {10000, "CFU heterotrophs - find out if there is a habitat constraint"_L1},
    {Unbounded, "CFU heterotrophs - suitable for bioremediation"_L1},
};
constexpr LineBand RespirationBands[] = {
    {0.02, "Respiration rate after bioaugmentation - problem exists"_L1},
    {0.2, "Respiration rate after bioaugmentation - okay"_L1},
    {Unbounded, "Respiration rate after bioaugmentation - good"_L1},
};
constexpr LineBand MicrocosmBands[] = {
    {20, "Biodegradation rate in microcosm - too slow"_L1},
    {100, "Biodegradation rate in microcosm - okay"_L1},
    {Unbounded, "Biodegradation rate in microcosm - good"_L1},
};
constexpr LineBand CoContaminantBands[] = {
    {100, "Co-contaminants - no concern"_L1},
    {2000, "Co-contaminants - pH manipulation should be cautious"_L1},
    {Unbounded, "Co-contaminants - more detailed testing required"_L1},
};

constexpr Measurement MicrobialMeasurements[] = {
    {"Enter the concentration of CFU degraders per gram of soil"_L1, "CFU concentration"_L1,
     DegraderBands},
    {"Enter the concentration of CFU heterotrophs per gram of soil"_L1, "CFU heterotrophs"_L1,
     HeterotrophBands},
    {"Enter the respiration rate after bioaugmentation (mg CO2/gram dry soil)"_L1,
     "Respiration rate after bioaugmentation"_L1, RespirationBands},
    {"Enter the rate of biodegradation measured in microcosm (mg per kg per day)"_L1,
     "Biodegradation rate"_L1, MicrocosmBands},
};
constexpr Measurement CoContaminants{"Enter the concentration of co-contaminants (mg/kg)"_L1,
                                     "Co-contaminants"_L1, CoContaminantBands};

// Drawn from the values entered in the ex-situ assessment, without a prompt.
constexpr LineBand PhTreatmentBands[] = {
    {5.8, "Use lime to raise pH to 7"_L1},
    {7.4, "No pH treatment required"_L1},
    {Unbounded, "pH - may need to consider urea as N source if urease activity present"_L1},
};
constexpr LineBand BulkDensityBands[] = {
    {0.8, "Bulk density - what is intended re-use?"_L1},
    {1.4, "Bulk density - okay"_L1},
    {Unbounded, "Bulk density - consider use of bulking agents"_L1},
};

// Carbon, nitrogen and phosphorus in the proportion 100 : 12 : 1.
constexpr double NitrogenPerCarbon = 0.12;
constexpr double PhosphorusPerCarbon = 0.01;

constexpr auto AddSolvent =
    "Residual soil after extraction - add solvent or surfactant to enable SGV to be met"_L1;
constexpr auto Steam =
    "Residual soil after extraction - enhanced biotreatment such as steam may be needed"_L1;
constexpr auto AssayNeeded = "A bioavailability assay needs to be carried out"_L1;

// Each residue question is asked whatever the earlier answers; No always calls for steam.
struct ResidueQuestion {
    QLatin1StringView question;
    bool yesAsksEnhancedBioavailability;
    QLatin1StringView yesLine;
};

constexpr ResidueQuestion ResidueQuestions[] = {
    {"Was the residue a wide range of TPH?"_L1, true, {}},
    {"Were there other forms of carbon competing?"_L1, true, {}},
    {"Was the residue mainly recaltricent PAHs?"_L1, false,
     "Residual soil after extraction - may need to reconsider future use of the site"_L1},
};

void AppendBandLine(Conversation& wizard, std::span<const LineBand> bands, double value) {
    AppendConclusion(wizard, Classify(bands, value));
}

void Measure(Conversation& wizard, const Measurement& measurement) {
    AppendBandLine(wizard, measurement.bands,
                   AskMeasurement(wizard, measurement.prompt, measurement.title));
}

void AppendNutrientRequirement(Conversation& wizard) {
    const double carbon = AskMeasurement(
        wizard, QStringLiteral("Enter the concentration of C (mg/kg) associated with TPH"),
        QStringLiteral("C concentration associated with TPH"));
    const double nitrogen = carbon * NitrogenPerCarbon;
    const double phosphorus = carbon * PhosphorusPerCarbon;
    const QString prefix = QStringLiteral("Nutrient requirement -");
    // Half of the nitrogen is added at once, the other half irrigated in.
    AppendConclusion(wizard, prefix + DoubleText(nitrogen * 0.5) +
                                 QStringLiteral(" mg N/kg to be added at this stage"));
    AppendConclusion(wizard, prefix + DoubleText(nitrogen * 0.5) +
                                 QStringLiteral(" mg N/kg to be irrigated in"));
    AppendConclusion(wizard, prefix + DoubleText(phosphorus) +
                                 QStringLiteral(" mg P/kg to be added at this stage"));
}

// True for a chemical assay, false for a degradation bioassay; one of the two must have been
// carried out.
bool ChemicalAssayCarriedOut(Conversation& wizard) {
    for (;;) {
        if (AskYesNo(wizard, QStringLiteral("Has a degradation bioassay been carried out?")) ==
            Answer::Yes)
            return false;
        if (AskYesNo(wizard, QStringLiteral("Has a chemical bioavailability assay been carried "
                                            "out?")) == Answer::Yes)
            return true;
        ShowMessage(wizard, QStringLiteral("One of these two assays must have been carried out"),
                    QStringLiteral("A selection must be made"));
    }
}

void AppendChemicalAssaySubstance(Conversation& wizard) {
    if (AskYesNo(wizard, QStringLiteral("Did the chemical bioavailability assay use alcohol?")) ==
        Answer::Yes) {
        AppendConclusion(wizard, QStringLiteral("Chemical bioavailability assay used alcohol"));
    } else if (AskYesNo(wizard, QStringLiteral("Did the chemical bioavailability assay use "
                                               "cyclodextrin, TENAX or XAD?")) == Answer::Yes) {
        AppendConclusion(wizard, QStringLiteral("Chemical bioavailability assay used cyclodextrin, "
                                                "TENAX or XAD"));
    } else {
        AppendConclusion(
            wizard, QStringLiteral("Chemical bioavailability assay used an unknown substance"));
    }
}

void AssessResidualSoil(Conversation& wizard) {
    if (AskYesNo(wizard, QStringLiteral("Did the residual soil after extraction have a "
                                        "concentration that exceeded the SGV or SSAC?")) ==
        Answer::No) {
        AppendConclusion(wizard, QStringLiteral("Residual soil after extraction - no exceedence, "
                                                "continue with the process"));
        return;
    }
    for (const ResidueQuestion& residue : ResidueQuestions) {
        if (AskYesNo(wizard, residue.question) == Answer::No)
            AppendConclusion(wizard, Steam);
        else if (!residue.yesAsksEnhancedBioavailability)
            AppendConclusion(wizard, residue.yesLine);
        else if (AskYesNo(wizard, QStringLiteral("Would enhanced bioavailability enable SGV to be "
                                                 "met?")) == Answer::Yes)
            AppendConclusion(wizard, AddSolvent);
    }
}

void AssessBioavailability(Conversation& wizard) {
    if (AskYesNo(wizard, QStringLiteral("Has a bioavailability assay been carried out?")) ==
        Answer::No) {
        // Without an assay the residual soil cannot be judged.
        ShowMessage(wizard, AssayNeeded, QStringLiteral("Assay required"));
        AppendConclusion(wizard, AssayNeeded);
        return;
    }
    if (ChemicalAssayCarriedOut(wizard))
        AppendChemicalAssaySubstance(wizard);
    AssessResidualSoil(wizard);
}

} // namespace

void AssessBiological(Conversation& wizard) {
    const Session& session = wizard.session;
    for (const Measurement& measurement : MicrobialMeasurements)
        Measure(wizard, measurement);
    AppendBandLine(wizard, PhTreatmentBands, session.SoilPh);
    AppendNutrientRequirement(wizard);
    Measure(wizard, CoContaminants);
    AssessBioavailability(wizard);
    AppendBandLine(wizard, BulkDensityBands, session.BulkDensity);
}

} // namespace terravia
