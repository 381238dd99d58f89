// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLatin1StringView>

#include <array>
#include <cstdint>

class QString;

namespace terravia {

// The chemicals-of-concern groups: the list the user picks from, and, by position, the
// group number that the rating table is read with. The texts are matched character for
// character, so they stay exactly as users of the program have always seen them.
inline constexpr std::array<QLatin1StringView, 12> CocGroupNames = {
    QLatin1StringView("Metals e.g. Zinc, Copper & Semi Metals/Non metals e.g."),
    QLatin1StringView("Inorganic Complexes e.g. Cyanide, Nitrate"),
    QLatin1StringView("Radionucliotides"),
    QLatin1StringView("Non Halogenated VOC's"),
    QLatin1StringView("Halogenated VOC's"),
    QLatin1StringView("Non Halogenated SVOC's"),
    QLatin1StringView("Halogenated SVOC's"),
    QLatin1StringView("TPH"),
    QLatin1StringView("PAH"),
    QLatin1StringView("Pesticides"),
    QLatin1StringView("Explosives"),
    QLatin1StringView("Others e.g. Asbestos"),
};

// The group number 1 to 12 of a COC text, or `current` when no group text matches it.
std::int16_t CocGroupOf(const QString& cocName, std::int16_t current);

} // namespace terravia
