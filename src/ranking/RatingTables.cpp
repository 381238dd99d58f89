// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranking/RatingTables.h"

namespace terravia {

// clang-format off
constexpr std::array<RatingRow, 65> RatingClasses = {{
    //  1  2  3  4  5  6  7  8  9 10 11 12
    {},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, //  1 Do nothing
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, //  2 Monitor
    {3, 3, 3, 1, 2, 1, 2, 1, 2, 2, 2, 3}, //  3 Bioventing
    {2, 2, 2, 1, 1, 1, 2, 1, 1, 1, 1, 2}, //  4 Enhanced Bioremediation
    {1, 1, 2, 1, 1, 2, 2, 1, 2, 1, 2, 2}, //  5 Phytoremediation
    {3, 2, 2, 1, 1, 2, 1, 1, 1, 2, 1, 2}, //  6 Chemical Oxidation
    {1, 1, 1, 1, 1, 1, 1, 1, 2, 1, 1, 3}, //  7 Electrokinetic Separation
    {2, 2, 2, 1, 1, 1, 1, 1, 2, 2, 2, 3}, //  8 Fracturing
    {1, 1, 2, 1, 1, 1, 1, 1, 2, 1, 2, 1}, //  9 Soil Flushing
    {2, 2, 2, 1, 1, 2, 2, 1, 2, 2, 2, 2}, // 10 Soil Vapour Extraction
    {1, 1, 1, 2, 2, 1, 1, 2, 2, 1, 2, 2}, // 11 Solidification / Stabilization
    {2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 2, 2}, // 12 Thermal Treatment
    {3, 3, 3, 1, 1, 1, 2, 1, 1, 1, 2, 3}, // 13 Biopiles
    {3, 3, 3, 1, 1, 1, 2, 1, 1, 1, 1, 3}, // 14 Composting
    {3, 3, 3, 1, 1, 1, 2, 1, 1, 1, 2, 3}, // 15 Landfarming
    {3, 3, 2, 1, 1, 1, 3, 1, 1, 1, 1, 3}, // 16 Slurry Phase Biological Treatment
    {3, 3, 3, 1, 1, 1, 2, 1, 1, 1, 2, 3}, // 17 Windrow turning
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 3}, // 18 Chemical Extraction
    {1, 1, 2, 1, 1, 1, 1, 1, 2, 1, 1, 3}, // 19 Chemical Reduction/Oxidation
    {0, 0, 0, 0, 1, 0, 1, 0, 0, 1, 1, 0}, // 20 Dehalogenation
    {1, 1, 2, 1, 1, 1, 1, 2, 1, 2, 2, 3}, // 21 Separation
    {1, 1, 2, 1, 1, 1, 1, 1, 1, 1, 2, 3}, // 22 Soil Washing
    {1, 1, 1, 2, 2, 1, 1, 2, 1, 1, 2, 2}, // 23 Solidification / Stabilization
    {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 3}, // 24 Hot Gas Decontamination
    {2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 3}, // 25 Incineration
    {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 3}, // 26 Open Burn/Open Detonation
    {2, 2, 2, 1, 1, 1, 1, 1, 2, 2, 2, 3}, // 27 Pyrolysis
    {2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 2}, // 28 Thermal Desorption
    {1, 1, 2, 1, 1, 1, 1, 1, 1, 1, 1, 2}, // 29 Landfill Cap
    {1, 1, 2, 1, 1, 1, 1, 1, 1, 1, 1, 2}, // 30 Landfill Cap Enhancements/Alternatives
    {1, 1, 2, 1, 1, 1, 1, 1, 1, 1, 1, 2}, // 31 Excavation, Retrieval, and Off-Site
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, // 32 Do nothing
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, // 33 Monitor
    {3, 2, 3, 1, 2, 1, 2, 1, 1, 1, 1, 3}, // 34 Enhanced Bioremediation
    {2, 1, 2, 1, 1, 1, 1, 1, 1, 1, 2, 3}, // 35 Monitored Natural Attenuation
    {1, 1, 2, 1, 1, 2, 2, 1, 2, 1, 2, 0}, // 36 Phytoremediation
    {3, 2, 3, 1, 1, 1, 1, 1, 2, 2, 2, 3}, // 37 Air Sparging
    {2, 2, 2, 1, 1, 1, 1, 1, 2, 2, 2, 3}, // 38 Bioslurping
    {1, 1, 2, 1, 1, 1, 1, 1, 2, 1, 1, 3}, // 39 Chemical Oxidation
    {3, 2, 3, 1, 1, 1, 1, 1, 2, 2, 2, 3}, // 40 Directional Wells
    {2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 2, 3}, // 41 Dual Phase Extraction
    {2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 2, 2}, // 42 Thermal Treatment
    {1, 1, 2, 1, 1, 1, 1, 1, 1, 1, 1, 3}, // 43 Hydrofracturing Enhancements
    {2, 2, 2, 1, 1, 1, 2, 1, 2, 2, 2, 3}, // 44 In-Well Air Stripping
    {2, 1, 2, 1, 1, 1, 1, 1, 1, 1, 1, 3}, // 45 Passive/Reactive Treatment Walls
    {2, 2, 2, 1, 1, 1, 2, 1, 1, 1, 1, 3}, // 46 Bioreactors
    {1, 1, 2, 1, 1, 1, 2, 1, 1, 1, 1, 3}, // 47 Constructed Wetlands
    {1, 1, 2, 1, 1, 1, 1, 2, 2, 2, 2, 3}, // 48 Adsorption / Absorption
    {2, 1, 2, 1, 1, 1, 1, 1, 1, 1, 1, 3}, // 49 Advanced Oxidation Processes
    {2, 2, 2, 1, 1, 2, 2, 2, 2, 2, 2, 3}, // 50 Air Stripping
    {2, 2, 2, 1, 1, 1, 1, 1, 1, 2, 2, 3}, // 51 Granulated Activated Carbon GAC/...
    {2, 2, 2, 1, 1, 1, 2, 1, 1, 1, 1, 3}, // 52 Ground Water Pumping/Pump and Treat
    {1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 3}, // 53 Ion Exchange
    {1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 3}, // 54 Precipitation / Coagulation / Flocculation
    {2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 2, 3}, // 55 Separation
    {2, 2, 2, 1, 1, 2, 2, 1, 2, 2, 2, 3}, // 56 Sprinkler Irrigation
    {1, 1, 2, 1, 1, 1, 1, 1, 1, 1, 1, 3}, // 57 Physical Barriers
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 3}, // 58 Deep Well Injection
    {2, 2, 3, 1, 2, 2, 2, 1, 3, 3, 3, 3}, // 59 Biofiltration
    {1, 1, 3, 1, 1, 1, 1, 1, 1, 2, 2, 3}, // 60 High Energy Destruction
    {2, 2, 3, 1, 1, 1, 1, 1, 1, 1, 1, 3}, // 61 Membrane Separation
    {2, 2, 3, 1, 1, 1, 1, 1, 1, 1, 1, 3}, // 62 Oxidation
    {1, 1, 2, 2, 2, 2, 2, 2, 2, 3, 3, 3}, // 63 Scrubbers
    {1, 1, 3, 1, 1, 1, 1, 1, 1, 1, 1, 3}, // 64 Vapour Phase Carbon Adsorption
}};

constexpr std::array<CriterionRow, 65> CriterionValues = {{
    //  1  2  3  4  5  6  7  8  9  10
    {},
    {1, 1, 1, 5, 3, 3, 1, 3, 3, 12}, //  1 Do nothing
    {1, 3, 2, 4, 3, 3, 1, 3, 6, 11}, //  2 Monitor
    {3, 3, 2, 3, 3, 2, 2, 2, 8, 10}, //  3 Bioventing
    {3, 3, 3, 3, 1, 2, 2, 2, 9,  8}, //  4 Enhanced Bioremediation
    {1, 1, 1, 4, 2, 2, 1, 3, 3,  9}, //  5 Phytoremediation
    {3, 3, 3, 2, 2, 2, 3, 2, 9,  9}, //  6 Chemical Oxidation
    {1, 3, 2, 2, 3, 1, 2, 1, 6,  8}, //  7 Electrokinetic Separation
    {2, 3, 1, 2, 2, 1, 2, 2, 6,  7}, //  8 Fracturing
    {3, 3, 2, 3, 1, 2, 2, 3, 8,  8}, //  9 Soil Flushing
    {3, 3, 2, 2, 2, 3, 2, 2, 8,  9}, // 10 Soil Vapour Extraction
    {3, 3, 3, 3, 1, 3, 3, 1, 9, 10}, // 11 Solidification / Stabilization
    {2, 3, 2, 1, 1, 2, 3, 1, 7,  7}, // 12 Thermal Treatment
    {3, 3, 2, 3, 1, 3, 2, 3, 8,  9}, // 13 Biopiles
    {3, 3, 2, 1, 2, 3, 2, 3, 8,  8}, // 14 Composting
    {3, 3, 2, 3, 3, 3, 2, 3, 8, 11}, // 15 Landfarming
    {3, 3, 2, 1, 1, 2, 3, 3, 8,  7}, // 16 Slurry Phase Biological Treatment
    {3, 3, 2, 1, 3, 3, 2, 3, 8,  9}, // 17 Windrow turning
    {3, 3, 3, 3, 1, 2, 3, 1, 9,  9}, // 18 Chemical Extraction
    {3, 3, 2, 1, 2, 2, 3, 1, 8,  8}, // 19 Chemical Reduction/Oxidation
    {3, 3, 2, 3, 3, 2, 3, 1, 8, 11}, // 20 Dehalogenation
    {3, 3, 2, 1, 1, 2, 3, 2, 8,  7}, // 21 Separation
    {3, 3, 3, 1, 3, 2, 3, 2, 9,  9}, // 22 Soil Washing
    {3, 3, 2, 1, 3, 2, 3, 1, 8,  9}, // 23 Solidification / Stabilization
    {3, 3, 2, 3, 1, 2, 3, 1, 8,  9}, // 24 Hot Gas Decontamination
    {2, 3, 3, 1, 2, 1, 3, 1, 8,  7}, // 25 Incineration
    {3, 1, 3, 3, 3, 3, 3, 1, 7, 12}, // 26 Open Burn/Open Detonation
    {3, 3, 3, 1, 1, 2, 3, 1, 9,  7}, // 27 Pyrolysis
    {3, 3, 3, 1, 3, 2, 3, 1, 9,  9}, // 28 Thermal Desorption
    {3, 3, 1, 1, 3, 2, 3, 3, 7,  9}, // 29 Landfill Cap
    {3, 3, 1, 1, 3, 2, 3, 3, 7,  9}, // 30 Landfill Cap Enhancements/Alternatives
    {1, 3, 3, 1, 3, 3, 3, 1, 7, 10}, // 31 Excavation, Retrieval, and Off-Site
    {1, 1, 1, 3, 2, 3, 1, 3, 3,  9}, // 32 Do nothing
    {1, 3, 2, 1, 1, 3, 1, 3, 6,  6}, // 33 Monitor
    {3, 3, 2, 3, 3, 2, 3, 2, 8, 11}, // 34 Enhanced Bioremediation
    {3, 3, 2, 1, 3, 3, 1, 3, 8,  8}, // 35 Monitored Natural Attenuation
    {3, 1, 1, 1, 3, 2, 1, 3, 5,  7}, // 36 Phytoremediation
    {3, 3, 2, 3, 2, 3, 2, 2, 8, 10}, // 37 Air Sparging
    {3, 3, 2, 2, 2, 3, 2, 2, 8,  9}, // 38 Bioslurping
    {3, 3, 2, 3, 2, 2, 3, 1, 8, 10}, // 39 Chemical Oxidation
    {3, 3, 2, 4, 2, 2, 2, 2, 8, 10}, // 40 Directional Wells
    {3, 3, 3, 1, 1, 2, 2, 2, 9,  6}, // 41 Dual Phase Extraction
    {3, 3, 2, 1, 3, 2, 2, 1, 8,  8}, // 42 Thermal Treatment
    {3, 3, 2, 1, 3, 2, 2, 2, 8,  8}, // 43 Hydrofracturing Enhancements
    {3, 3, 2, 1, 3, 2, 2, 1, 8,  8}, // 44 In-Well Air Stripping
    {3, 3, 3, 1, 3, 2, 1, 3, 9,  7}, // 45 Passive/Reactive Treatment Walls
    {3, 3, 3, 2, 2, 1, 3, 2, 9,  8}, // 46 Bioreactors
    {3, 3, 2, 2, 2, 2, 1, 3, 8,  7}, // 47 Constructed Wetlands
    {3, 3, 2, 2, 2, 2, 2, 2, 8,  8}, // 48 Adsorption / Absorption
    {3, 3, 3, 2, 2, 2, 3, 1, 9,  5}, // 49 Advanced Oxidation Processes
    {3, 3, 2, 2, 2, 2, 2, 1, 8,  4}, // 50 Air Stripping
    {3, 3, 3, 3, 3, 2, 3, 1, 9, 11}, // 51 Granulated Activated Carbon GAC/...
    {3, 3, 2, 1, 1, 2, 2, 2, 8,  6}, // 52 Ground Water Pumping/Pump and Treat
    {3, 3, 2, 1, 1, 2, 2, 2, 8,  6}, // 53 Ion Exchange
    {3, 3, 2, 2, 1, 2, 2, 2, 8,  7}, // 54 Precipitation / Coagulation / Flocculation
    {3, 3, 3, 1, 2, 2, 2, 1, 9,  7}, // 55 Separation
    {3, 3, 2, 2, 2, 2, 2, 2, 8,  8}, // 56 Sprinkler Irrigation
    {3, 3, 3, 3, 3, 3, 1, 3, 9, 10}, // 57 Physical Barriers
    {3, 3, 2, 2, 1, 2, 1, 2, 8,  6}, // 58 Deep Well Injection
    {3, 3, 3, 2, 2, 2, 3, 2, 9,  9}, // 59 Biofiltration
    {3, 3, 3, 2, 2, 2, 3, 1, 9,  9}, // 60 High Energy Destruction
    {3, 3, 3, 2, 2, 2, 3, 1, 9,  9}, // 61 Membrane Separation
    {3, 3, 2, 2, 2, 2, 3, 1, 8,  9}, // 62 Oxidation
    {3, 3, 3, 2, 2, 2, 3, 2, 9,  9}, // 63 Scrubbers
    {3, 3, 3, 2, 2, 2, 3, 2, 9,  9}, // 64 Vapour Phase Carbon Adsorption
}};
// clang-format on

} // namespace terravia
