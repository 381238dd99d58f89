// SPDX-License-Identifier: GPL-3.0-or-later

#include "screening/Selection.h"

#include "core/PromptConventions.h"
#include "ranking/CocGroups.h"
#include "ranking/RankTechnologies.h"
#include "screening/ListEntries.h"
#include "screening/RiskScreening.h"
#include "screening/TonnageMedium.h"

#include <QComboBox>
#include <QPushButton>

namespace terravia {

constexpr std::array<QLatin1StringView, 52> LandUses = {
    QLatin1StringView("Airports"),
    QLatin1StringView("Animal and animal products processing works"),
    QLatin1StringView("Asbestos manufacturing works"),
    QLatin1StringView("Ceramics, cement and asphalt manufacturing works"),
    QLatin1StringView("Charcoal works"),
    QLatin1StringView("Chemical works: coatings manufacturing (paints and printing inks)"),
    QLatin1StringView("Chemical works: cosmetics and toiletries manufacturing works"),
    QLatin1StringView("Chemical works: disinfectants manufacturing works"),
    QLatin1StringView("Chemical works: explosives, propellants and pyrotechnics manufacturing"),
    QLatin1StringView("Chemical works: fertiliser manufacturing works"),
    QLatin1StringView("Chemical works: fine chemicals manufacturing works"),
    QLatin1StringView("Chemical works: inorganic chemicals manufacturing works"),
    QLatin1StringView("Chemical works: linoleum, vinyl and bitumen-based floor covering "
                      "manufacturing"),
    QLatin1StringView("Chemical works: mastics, sealants, adhesives and roofing felt "
                      "manufacturing"),
    QLatin1StringView("Chemical works: organic chemicals manufacturing works"),
    QLatin1StringView("Chemical works: pesticides manufacturing works"),
    QLatin1StringView("Chemical works: pharmaceuticals manufacturing works"),
    QLatin1StringView("Chemical works: rubber processing works (including works manufacturing "
                      "tyres and other rubber products)"),
    QLatin1StringView("Chemical works: soap and detergent manufacturing works"),
    QLatin1StringView("Dockyards and dockland"),
    QLatin1StringView("Dry cleaners"),
    QLatin1StringView("Engineering works: aircraft manufacturing works"),
    QLatin1StringView("Engineering works: electrical and electronic equipment manufacturing "
                      "works including works manufacturing equipment containing PCBs"),
    QLatin1StringView("Engineering works: mechanical engineering and ordnance works"),
    QLatin1StringView("Engineering works: railway engineering works"),
    QLatin1StringView("Engineering works: shipbuilding repair and shipbreaking (including naval "
                      "shipyards)"),
    QLatin1StringView("Engineering works: vehicle manufacturing works"),
    QLatin1StringView("Fibreglass and fibreglass resin manufacturing works"),
    QLatin1StringView("Gasworks, coke works and other coal carbonisation plants"),
    QLatin1StringView("Glass manufacturing works"),
    QLatin1StringView("Metal manufacturing, refining and finishing works: electroplating and "
                      "other metal finishing works"),
    QLatin1StringView("Metal manufacturing, refining and finishing works: iron and steelworks"),
    QLatin1StringView("Metal manufacturing, refining and finishing works: lead works"),
    QLatin1StringView("Metal manufacturing, refining and finishing works: non-ferrous metals "
                      "(excluding lead works)"),
    QLatin1StringView("Metal manufacturing, refining and finishing works: precious metal "
                      "recovery works"),
    QLatin1StringView("Oil refineries and bulk storage of crude oil and petroleum products"),
    QLatin1StringView("Photographic processing industry"),
    QLatin1StringView("Power stations (excluding nuclear power stations)"),
    QLatin1StringView("Printing and bookbinding works"),
    QLatin1StringView("Pulp and paper manufacturing works"),
    QLatin1StringView("Railway land"),
    QLatin1StringView("Road vehicle servicing and repair: garages and filling stations"),
    QLatin1StringView("Road vehicle servicing and repair: transport and haulage centres"),
    QLatin1StringView("Sewage works and sewage farms"),
    QLatin1StringView("Textile works and dye works"),
    QLatin1StringView("Timber products manufacturing works"),
    QLatin1StringView("Timber treatment works"),
    QLatin1StringView("Waste recycling, treatment and disposal sites: drum and tank cleaning and "
                      "recycling plants"),
    QLatin1StringView("Waste recycling, treatment and disposal sites: hazardous waste treatment "
                      "plants"),
    QLatin1StringView("Waste recycling, treatment and disposal sites: landfills and other waste "
                      "treatment or waste disposal sites"),
    QLatin1StringView("Waste recycling, treatment and disposal sites: solvent recovery works"),
    QLatin1StringView("Waste recycling, treatment and disposal sites: metal recycling sites"),
};

namespace {

void ReportSelectionRequired(Wizard& wizard) {
    ShowMessage(wizard, QStringLiteral("A selection is required"), InformationRequired);
}

// The road of a run, first stretch: a choice goes on to the ranking (ranking/RankTechnologies.cpp),
// which leads the rest of the run. docs/design.md draws the whole road.
void RunAnalysis(Wizard& wizard) {
    AskTonnage(wizard);
    AskMedium(wizard);
    RankTechnologies(wizard);
}

} // namespace

void Command2Click(Wizard& wizard) {
    QComboBox* combo = wizard.controls.Combo1;
    const QString mode = combo->currentText();
    if (mode.isEmpty()) {
        ReportSelectionRequired(wizard);
        return;
    }
    combo->clear();
    combo->hide();
    if (mode == CocMode)
        FillCocList(wizard);
    else
        FillLandUseList(wizard);
}

void FillLandUseList(Wizard& wizard) {
    ShowList(wizard.controls.Combo2, wizard.controls.Command3, LandUses);
}

void FillCocList(Wizard& wizard) {
    ShowList(wizard.controls.Combo3, wizard.controls.Command4, CocGroupNames);
}

void Command3Click(Wizard& wizard) {
    const QString landUse = wizard.controls.Combo2->currentText();
    if (landUse.isEmpty()) {
        ReportSelectionRequired(wizard);
        return;
    }
    wizard.session.LandUseName = landUse;
    RunAnalysis(wizard);
}

void Command4Click(Wizard& wizard) {
    const QString cocName = wizard.controls.Combo3->currentText();
    if (cocName.isEmpty()) {
        ReportSelectionRequired(wizard);
        return;
    }
    wizard.session.CocName = cocName;
    RunAnalysis(wizard);
}

} // namespace terravia
