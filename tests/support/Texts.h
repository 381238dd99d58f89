// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The texts the tests expect of the program, each written once, from what a user reads: the
// tests hold the program to them.

namespace terravia::test {

using namespace Qt::Literals::StringLiterals;

inline const auto AddSolvent =
    u"Residual soil after extraction - add solvent or surfactant to enable SGV to be met"_s;
inline const auto Airports = u"Airports"_s;
inline const auto Alcohol = u"Did the chemical bioavailability assay use alcohol?"_s;
inline const auto AmberLine = u"Ex-situ is a valid technical option, with an amber warning"_s;
inline const auto Analysis = u"Has a full chemical analysis been conducted of the materials?"_s;
inline const auto AnalysisRequiredLine = u"A full chemical analysis of the materials is required"_s;
inline const auto AssayDone = u"Has a bioavailability assay been carried out?"_s;
inline const auto AssayNeeded = u"A bioavailability assay needs to be carried out"_s;
inline const auto BioaugmentationPrompt =
    u"Enter the respiration rate after bioaugmentation (mg CO2/gram dry soil)"_s;
inline const auto BioaugmentationTitle = u"Respiration rate after bioaugmentation"_s;
inline const auto BiodegradationPrompt =
    u"Enter the rate of biodegradation measured in microcosm (mg per kg per day)"_s;
inline const auto BiodegradationTitle = u"Biodegradation rate"_s;
inline const auto BulkDensityPrompt = u"Enter the soil bulk density"_s;
inline const auto BulkDensityTitle = u"Bulk density"_s;
inline const auto Capped =
    u"Will the cleaned materials be capped and used in recreational areas?"_s;
inline const auto Caption = u"Conclusions file"_s;
inline const auto CarbonPrompt = u"Enter the concentration of C (mg/kg) associated with TPH"_s;
inline const auto CarbonTitle = u"C concentration associated with TPH"_s;
inline const auto CfuDegradersPrompt =
    u"Enter the concentration of CFU degraders per gram of soil"_s;
inline const auto CfuDegradersTitle = u"CFU concentration"_s;
inline const auto CfuHeterotrophsPrompt =
    u"Enter the concentration of CFU heterotrophs per gram of soil"_s;
inline const auto CfuHeterotrophsTitle = u"CFU heterotrophs"_s;
inline const auto Chemical = u"Has a chemical bioavailability assay been carried out?"_s;
inline const auto ChemicalAnalysisRequired = u"Chemical analysis required"_s;
inline const auto CoContaminantsPrompt = u"Enter the concentration of co-contaminants (mg/kg)"_s;
inline const auto CoContaminantsTitle = u"Co-contaminants"_s;
inline const auto CocMode = u"Define chemicals of concern (COCs)"_s;
inline const auto Competing = u"Were there other forms of carbon competing?"_s;
inline const auto CompleteTitle = u"Process complete"_s;
inline const auto ConcentrationPrompt = u"Enter the concentration of COCs (mg/kg)"_s;
inline const auto ConcentrationTitle = u"Concentration"_s;
inline const auto Cyclodextrin =
    u"Did the chemical bioavailability assay use cyclodextrin, TENAX or XAD?"_s;
inline const auto Degradation = u"Has a degradation bioassay been carried out?"_s;
inline const auto DryCleaners = u"Dry cleaners"_s;
inline const auto EnhanceFirst =
    u"Respiration may be enhanced by augmentation, this should be done before proceeding"_s;
inline const auto Enhanced = u"Would enhanced bioavailability enable SGV to be met?"_s;
inline const auto EnterAValue = u"Please enter a value"_s;
inline const auto Exceeded =
    u"Did the residual soil after extraction have a concentration that exceeded the SGV or SSAC?"_s;
inline const auto Foundations = u"Will the cleaned materials be used for foundations?"_s;
inline const auto FullText =
    u"The conclusions list is full: no further lines can be added. The lines collected so far are kept and written to the conclusions file. \"Clear all\" empties the list."_s;
inline const auto FullTitle = u"Conclusions full"_s;
inline const auto GasolineRange = u"Is the hydrocarbon in the gasoline/paraffin/diesel range?"_s;
inline const auto GreenLine = u"Ex-situ is a valid technical option, with a green light"_s;
inline const auto Industrial = u"Is the intended land use industrial?"_s;
inline const auto Info = u"Information required"_s;
inline const auto LandUseMode = u"Define historical land use"_s;
inline const auto LightAliphatic = u"Is the hydrocarbon light aliphatic/monoaromatic?"_s;
inline const auto Liquid = u"Ground Water, Surface Water, and Leachate Treatment Technologies?"_s;
inline const auto LowRespiration = u"Low respiration problem"_s;
inline const auto Negotiation = u"Water quality targets to be met in negotiation with regulator"_s;
inline const auto NoActionText = u"No further action is required"_s;
inline const auto NoActionTitle = u"No further action"_s;
inline const auto NoExceedence =
    u"Residual soil after extraction - no exceedence, continue with the process"_s;
inline const auto NoTargetsLine =
    u"Clean-up targets can only be conducted with full chemical analysis"_s;
inline const auto NotOption = u"Ex-situ is not a technical option"_s;
inline const auto OnSite = u"Is the intended end-use on-site?"_s;
inline const auto OneOfTwo = u"One of these two assays must have been carried out"_s;
inline const auto Others = u"Others e.g. Asbestos"_s;
inline const auto Pahs = u"Was the residue mainly recaltricent PAHs?"_s;
inline const auto PreTreatment = u"Can pre-treatment reduce the concentration?"_s;
inline const auto PrecautionRequired = u"Precaution required"_s;
inline const auto Recalcitrant = u"Is the material particularly recaltricent?"_s;
inline const auto Reconsider =
    u"Residual soil after extraction - may need to reconsider future use of the site"_s;
inline const auto Rejection = u"Please enter a numerical value"_s;
inline const auto Residential = u"Is the intended land use residential?"_s;
inline const auto RespirationPrompt =
    u"Enter the matrix respiration rate (mg CO2 per gram dry weight soil per day)"_s;
inline const auto RespirationTitle = u"Respiration rate"_s;
inline const auto RiskAssessment = u"Carry out quantitative risk assessment"_s;
inline const auto SelectionMade = u"A selection must be made"_s;
inline const auto SiteHistory = u"Has the site history been established?"_s;
inline const auto SoilPhPrompt = u"Enter the soil pH"_s;
inline const auto SoilPhTitle = u"Soil pH"_s;
inline const auto Solid = u"Soil, Sediment, Bedrock and Sludge Treatment Technologies?"_s;
inline const auto Steam =
    u"Residual soil after extraction - enhanced biotreatment such as steam may be needed"_s;
inline const auto Suitable = u"Is structure and bulk density suitable for construction?"_s;
inline const auto ThreeLevels = u"Develop data for P20 at levels 1, 2 and 3"_s;
inline const auto ToddlerSgvs = u"Estimate SGVs where toddler ingestion is key receptor"_s;
inline const auto TonnagePrompt = u"Enter the tonnage of contaminated material"_s;
inline const auto TonnageTitle = u"Tonnage"_s;
inline const auto Topsoil = u"Will the cleaned materials be used for topsoil?"_s;
inline const auto TwoLevels = u"Develop data for P20 at levels 1 and 2"_s;
inline const auto ValidTitle = u"Ex situ is valid"_s;
inline const auto VolatileLoss = u"Precautions for volatile loss is required"_s;
inline const auto WarningTitle = u"Ex situ is valid, with warning"_s;
inline const auto WasteHazardous =
    u"WASTE acceptance criteria through leachate testing - determine if materials are hazardous"_s;
inline const auto WasteInert =
    u"WASTE acceptance criteria through leachate testing - determine if materials are inert"_s;
inline const auto Water =
    u"Assume the regulators will require water with <10 micrograms per ml TPH and other COCs defined"_s;
inline const auto WaterHoldingPrompt =
    u"Enter the water holding capacity (g water per 100g soil to bring to field capacity)"_s;
inline const auto WaterHoldingTitle = u"Water holding capacity"_s;
inline const auto WideRange = u"Was the residue a wide range of TPH?"_s;
inline const auto Zone =
    u"Is there a zone for attenuation and dilution of source materials at the site?"_s;

} // namespace terravia::test
