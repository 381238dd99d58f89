// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The texts the tests expect of the program, each written once, from what a user reads: the
// tests hold the program to them.

namespace terravia::test {

using namespace Qt::Literals::StringLiterals;

inline const QString AmberLine = u"Ex-situ is a valid technical option, with an amber warning"_s;
inline const QString Analysis = u"Has a full chemical analysis been conducted of the materials?"_s;
inline const QString AnalysisRequiredLine =
    u"A full chemical analysis of the materials is required"_s;
inline const QString AssayDone = u"Has a bioavailability assay been carried out?"_s;
inline const QString BioaugmentationPrompt =
    u"Enter the respiration rate after bioaugmentation (mg CO2/gram dry soil)"_s;
inline const QString BioaugmentationTitle = u"Respiration rate after bioaugmentation"_s;
inline const QString BiodegradationPrompt =
    u"Enter the rate of biodegradation measured in microcosm (mg per kg per day)"_s;
inline const QString BiodegradationTitle = u"Biodegradation rate"_s;
inline const QString BulkDensityPrompt = u"Enter the soil bulk density"_s;
inline const QString BulkDensityTitle = u"Bulk density"_s;
inline const QString Capped =
    u"Will the cleaned materials be capped and used in recreational areas?"_s;
inline const QString Caption = u"Conclusions file"_s;
inline const QString CarbonPrompt = u"Enter the concentration of C (mg/kg) associated with TPH"_s;
inline const QString CarbonTitle = u"C concentration associated with TPH"_s;
inline const QString CfuDegradersPrompt =
    u"Enter the concentration of CFU degraders per gram of soil"_s;
inline const QString CfuDegradersTitle = u"CFU concentration"_s;
inline const QString CfuHeterotrophsPrompt =
    u"Enter the concentration of CFU heterotrophs per gram of soil"_s;
inline const QString CfuHeterotrophsTitle = u"CFU heterotrophs"_s;
inline const QString ChemicalAnalysisRequired = u"Chemical analysis required"_s;
inline const QString CoContaminantsPrompt = u"Enter the concentration of co-contaminants (mg/kg)"_s;
inline const QString CoContaminantsTitle = u"Co-contaminants"_s;
inline const QString CocMode = u"Define chemicals of concern (COCs)"_s;
inline const QString CompleteTitle = u"Process complete"_s;
inline const QString ConcentrationPrompt = u"Enter the concentration of COCs (mg/kg)"_s;
inline const QString ConcentrationTitle = u"Concentration"_s;
inline const QString Degradation = u"Has a degradation bioassay been carried out?"_s;
inline const QString EnhanceFirst =
    u"Respiration may be enhanced by augmentation, this should be done before proceeding"_s;
inline const QString EnterAValue = u"Please enter a value"_s;
inline const QString Exceeded =
    u"Did the residual soil after extraction have a concentration that exceeded the SGV or SSAC?"_s;
inline const QString Foundations = u"Will the cleaned materials be used for foundations?"_s;
inline const QString FullText =
    u"The conclusions list is full: no further lines can be added. The lines collected so far are kept and written to the conclusions file. \"Clear all\" empties the list."_s;
inline const QString FullTitle = u"Conclusions full"_s;
inline const QString GasolineRange = u"Is the hydrocarbon in the gasoline/paraffin/diesel range?"_s;
inline const QString GreenLine = u"Ex-situ is a valid technical option, with a green light"_s;
inline const QString Industrial = u"Is the intended land use industrial?"_s;
inline const QString Info = u"Information required"_s;
inline const QString LandUseMode = u"Define historical land use"_s;
inline const QString LightAliphatic = u"Is the hydrocarbon light aliphatic/monoaromatic?"_s;
inline const QString LowRespiration = u"Low respiration problem"_s;
inline const QString Negotiation =
    u"Water quality targets to be met in negotiation with regulator"_s;
inline const QString NoActionText = u"No further action is required"_s;
inline const QString NoActionTitle = u"No further action"_s;
inline const QString NoTargetsLine =
    u"Clean-up targets can only be conducted with full chemical analysis"_s;
inline const QString NotOption = u"Ex-situ is not a technical option"_s;
inline const QString OnSite = u"Is the intended end-use on-site?"_s;
inline const QString PrecautionRequired = u"Precaution required"_s;
inline const QString Recalcitrant = u"Is the material particularly recaltricent?"_s;
inline const QString Rejection = u"Please enter a numerical value"_s;
inline const QString Residential = u"Is the intended land use residential?"_s;
inline const QString RespirationPrompt =
    u"Enter the matrix respiration rate (mg CO2 per gram dry weight soil per day)"_s;
inline const QString RespirationTitle = u"Respiration rate"_s;
inline const QString RiskAssessment = u"Carry out quantitative risk assessment"_s;
inline const QString SiteHistory = u"Has the site history been established?"_s;
inline const QString SoilPhPrompt = u"Enter the soil pH"_s;
inline const QString SoilPhTitle = u"Soil pH"_s;
inline const QString Solid = u"Soil, Sediment, Bedrock and Sludge Treatment Technologies?"_s;
inline const QString Suitable = u"Is structure and bulk density suitable for construction?"_s;
inline const QString ThreeLevels = u"Develop data for P20 at levels 1, 2 and 3"_s;
inline const QString ToddlerSgvs = u"Estimate SGVs where toddler ingestion is key receptor"_s;
inline const QString TonnagePrompt = u"Enter the tonnage of contaminated material"_s;
inline const QString TonnageTitle = u"Tonnage"_s;
inline const QString Topsoil = u"Will the cleaned materials be used for topsoil?"_s;
inline const QString TwoLevels = u"Develop data for P20 at levels 1 and 2"_s;
inline const QString ValidTitle = u"Ex situ is valid"_s;
inline const QString VolatileLoss = u"Precautions for volatile loss is required"_s;
inline const QString WarningTitle = u"Ex situ is valid, with warning"_s;
inline const QString WasteHazardous =
    u"WASTE acceptance criteria through leachate testing - determine if materials are hazardous"_s;
inline const QString WasteInert =
    u"WASTE acceptance criteria through leachate testing - determine if materials are inert"_s;
inline const QString Water =
    u"Assume the regulators will require water with <10 micrograms per ml TPH and other COCs defined"_s;
inline const QString WaterHoldingPrompt =
    u"Enter the water holding capacity (g water per 100g soil to bring to field capacity)"_s;
inline const QString WaterHoldingTitle = u"Water holding capacity"_s;
inline const QString Zone =
    u"Is there a zone for attenuation and dilution of source materials at the site?"_s;

} // namespace terravia::test
