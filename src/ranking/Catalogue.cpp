// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranking/Catalogue.h"

#include <QString>

namespace terravia {

constexpr std::array<QLatin1StringView, 65> TechnologyCatalogue = {
    QLatin1StringView(),
    QLatin1StringView("Do nothing"),
    QLatin1StringView("Monitor"),
    QLatin1StringView("Bioventing"),
    QLatin1StringView("Enhanced Bioremediation"),
    QLatin1StringView("Phytoremediation"),
    QLatin1StringView("Chemical Oxidation"),
    QLatin1StringView("Electrokinetic Separation"),
    QLatin1StringView("Fracturing"),
    QLatin1StringView("Soil Flushing"),
    QLatin1StringView("Soil Vapour Extraction"),
    QLatin1StringView("Solidification / Stabilization"),
    QLatin1StringView("Thermal Treatment"),
    QLatin1StringView("Biopiles"),
    QLatin1StringView("Composting"),
    QLatin1StringView("Landfarming"),
    QLatin1StringView("Slurry Phase Biological Treatment"),
    QLatin1StringView("Windrow turning"),
    QLatin1StringView("Chemical Extraction"),
    QLatin1StringView("Chemical Reduction/Oxidation"),
    QLatin1StringView("Dehalogenation"),
    QLatin1StringView("Separation"),
    QLatin1StringView("Soil Washing"),
    QLatin1StringView("Solidification / Stabilization"),
    QLatin1StringView("Hot Gas Decontamination"),
    QLatin1StringView("Incineration"),
    QLatin1StringView("Open Burn/Open Detonation"),
    QLatin1StringView("Pyrolysis"),
    QLatin1StringView("Thermal Desorption"),
    QLatin1StringView("Landfill Cap"),
    QLatin1StringView("Landfill Cap Enhancements/Alternatives"),
    QLatin1StringView("Excavation, Retrieval, and Off-Site"),
    QLatin1StringView("Do nothing"),
    QLatin1StringView("Monitor"),
    QLatin1StringView("Enhanced Bioremediation"),
    QLatin1StringView("Monitored Natural Attenuation"),
    QLatin1StringView("Phytoremediation"),
    QLatin1StringView("Air Sparging"),
    QLatin1StringView("Bioslurping"),
    QLatin1StringView("Chemical Oxidation"),
    QLatin1StringView("Directional Wells"),
    QLatin1StringView("Dual Phase Extraction"),
    QLatin1StringView("Thermal Treatment"),
    QLatin1StringView("Hydrofracturing Enhancements"),
    QLatin1StringView("In-Well Air Stripping"),
    QLatin1StringView("Passive/Reactive Treatment Walls"),
    QLatin1StringView("Bioreactors"),
    QLatin1StringView("Constructed Wetlands"),
    QLatin1StringView("Adsorption / Absorption"),
    QLatin1StringView("Advanced Oxidation Processes"),
    QLatin1StringView("Air Stripping"),
    QLatin1StringView("Granulated Activated Carbon GAC/Liquid Phase Carbon Adsorption"),
    QLatin1StringView("Ground Water Pumping/Pump and Treat"),
    QLatin1StringView("Ion Exchange"),
    QLatin1StringView("Precipitation / Coagulation / Flocculation"),
    QLatin1StringView("Separation"),
    QLatin1StringView("Sprinkler Irrigation"),
    QLatin1StringView("Physical Barriers"),
    QLatin1StringView("Deep Well Injection"),
    QLatin1StringView("Biofiltration"),
    QLatin1StringView("High Energy Destruction"),
    QLatin1StringView("Membrane Separation"),
    QLatin1StringView("Oxidation"),
    QLatin1StringView("Scrubbers"),
    QLatin1StringView("Vapour Phase Carbon Adsorption"),
};

QString DisplayText(int technology) {
    // The water technologies share the soil page: the reference site has only the one.
    return QString(TechnologyCatalogue[static_cast<std::size_t>(technology)]) +
           QLatin1StringView(" - http://") + ReferenceHost +
           QLatin1StringView("/remediation-dst/soil.shtml");
}

} // namespace terravia
