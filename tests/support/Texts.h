// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The texts the tests expect of the program, each written once, from what a user reads: the
// tests hold the program to them.

namespace terravia::test {

inline const QString AmberLine =
    QStringLiteral("Ex-situ is a valid technical option, with an amber warning");
inline const QString Analysis =
    QStringLiteral("Has a full chemical analysis been conducted of the materials?");
inline const QString AnalysisRequiredLine =
    QStringLiteral("A full chemical analysis of the materials is required");
inline const QString AssayDone = QStringLiteral("Has a bioavailability assay been carried out?");
inline const QString BioaugmentationPrompt =
    QStringLiteral("Enter the respiration rate after bioaugmentation (mg CO2/gram dry soil)");
inline const QString BioaugmentationTitle =
    QStringLiteral("Respiration rate after bioaugmentation");
inline const QString BiodegradationPrompt =
    QStringLiteral("Enter the rate of biodegradation measured in microcosm (mg per kg per day)");
inline const QString BiodegradationTitle = QStringLiteral("Biodegradation rate");
inline const QString BulkDensityPrompt = QStringLiteral("Enter the soil bulk density");
inline const QString BulkDensityTitle = QStringLiteral("Bulk density");
inline const QString Capped =
    QStringLiteral("Will the cleaned materials be capped and used in recreational areas?");
inline const QString Caption = QStringLiteral("Conclusions file");
inline const QString CarbonPrompt =
    QStringLiteral("Enter the concentration of C (mg/kg) associated with TPH");
inline const QString CarbonTitle = QStringLiteral("C concentration associated with TPH");
inline const QString CfuDegradersPrompt =
    QStringLiteral("Enter the concentration of CFU degraders per gram of soil");
inline const QString CfuDegradersTitle = QStringLiteral("CFU concentration");
inline const QString CfuHeterotrophsPrompt =
    QStringLiteral("Enter the concentration of CFU heterotrophs per gram of soil");
inline const QString CfuHeterotrophsTitle = QStringLiteral("CFU heterotrophs");
inline const QString ChemicalAnalysisRequired = QStringLiteral("Chemical analysis required");
inline const QString CoContaminantsPrompt =
    QStringLiteral("Enter the concentration of co-contaminants (mg/kg)");
inline const QString CoContaminantsTitle = QStringLiteral("Co-contaminants");
inline const QString CocMode = QStringLiteral("Define chemicals of concern (COCs)");
inline const QString CompleteTitle = QStringLiteral("Process complete");
inline const QString ConcentrationPrompt =
    QStringLiteral("Enter the concentration of COCs (mg/kg)");
inline const QString ConcentrationTitle = QStringLiteral("Concentration");
inline const QString Degradation = QStringLiteral("Has a degradation bioassay been carried out?");
inline const QString EnhanceFirst =
    QStringLiteral("Respiration may be enhanced by augmentation, this should be done before "
                   "proceeding");
inline const QString EnterAValue = QStringLiteral("Please enter a value");
inline const QString Exceeded =
    QStringLiteral("Did the residual soil after extraction have a concentration that exceeded the "
                   "SGV or SSAC?");
inline const QString Foundations =
    QStringLiteral("Will the cleaned materials be used for foundations?");
inline const QString FullText =
    QStringLiteral("The conclusions list is full: no further lines can be added. The lines "
                   "collected so far are kept and written to the conclusions file. \"Clear all\" "
                   "empties the list.");
inline const QString FullTitle = QStringLiteral("Conclusions full");
inline const QString GasolineRange =
    QStringLiteral("Is the hydrocarbon in the gasoline/paraffin/diesel range?");
inline const QString GreenLine =
    QStringLiteral("Ex-situ is a valid technical option, with a green light");
inline const QString Industrial = QStringLiteral("Is the intended land use industrial?");
inline const QString Info = QStringLiteral("Information required");
inline const QString LandUseMode = QStringLiteral("Define historical land use");
inline const QString LightAliphatic =
    QStringLiteral("Is the hydrocarbon light aliphatic/monoaromatic?");
inline const QString LowRespiration = QStringLiteral("Low respiration problem");
inline const QString Negotiation =
    QStringLiteral("Water quality targets to be met in negotiation with regulator");
inline const QString NoActionText = QStringLiteral("No further action is required");
inline const QString NoActionTitle = QStringLiteral("No further action");
inline const QString NoTargetsLine =
    QStringLiteral("Clean-up targets can only be conducted with full chemical analysis");
inline const QString NotOption = QStringLiteral("Ex-situ is not a technical option");
inline const QString OnSite = QStringLiteral("Is the intended end-use on-site?");
inline const QString PrecautionRequired = QStringLiteral("Precaution required");
inline const QString Recalcitrant = QStringLiteral("Is the material particularly recaltricent?");
inline const QString Rejection = QStringLiteral("Please enter a numerical value");
inline const QString Residential = QStringLiteral("Is the intended land use residential?");
inline const QString RespirationPrompt =
    QStringLiteral("Enter the matrix respiration rate (mg CO2 per gram dry weight soil per day)");
inline const QString RespirationTitle = QStringLiteral("Respiration rate");
inline const QString RiskAssessment = QStringLiteral("Carry out quantitative risk assessment");
inline const QString SiteHistory = QStringLiteral("Has the site history been established?");
inline const QString SoilPhPrompt = QStringLiteral("Enter the soil pH");
inline const QString SoilPhTitle = QStringLiteral("Soil pH");
inline const QString Solid =
    QStringLiteral("Soil, Sediment, Bedrock and Sludge Treatment Technologies?");
inline const QString Suitable =
    QStringLiteral("Is structure and bulk density suitable for construction?");
inline const QString ThreeLevels = QStringLiteral("Develop data for P20 at levels 1, 2 and 3");
inline const QString ToddlerSgvs =
    QStringLiteral("Estimate SGVs where toddler ingestion is key receptor");
inline const QString TonnagePrompt = QStringLiteral("Enter the tonnage of contaminated material");
inline const QString TonnageTitle = QStringLiteral("Tonnage");
inline const QString Topsoil = QStringLiteral("Will the cleaned materials be used for topsoil?");
inline const QString TwoLevels = QStringLiteral("Develop data for P20 at levels 1 and 2");
inline const QString ValidTitle = QStringLiteral("Ex situ is valid");
inline const QString VolatileLoss = QStringLiteral("Precautions for volatile loss is required");
inline const QString WarningTitle = QStringLiteral("Ex situ is valid, with warning");
inline const QString WasteHazardous = QStringLiteral(
    "WASTE acceptance criteria through leachate testing - determine if materials are "
    "hazardous");
inline const QString WasteInert = QStringLiteral(
    "WASTE acceptance criteria through leachate testing - determine if materials are "
    "inert");
inline const QString Water =
    QStringLiteral("Assume the regulators will require water with <10 micrograms per ml TPH and "
                   "other COCs defined");
inline const QString WaterHoldingPrompt =
    QStringLiteral("Enter the water holding capacity (g water per 100g soil to bring to field "
                   "capacity)");
inline const QString WaterHoldingTitle = QStringLiteral("Water holding capacity");
inline const QString Zone =
    QStringLiteral("Is there a zone for attenuation and dilution of source materials at the site?");

} // namespace terravia::test
