// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranking/CocGroups.h"

#include <QString>

namespace terravia {

std::int16_t CocGroupOf(const QString& cocName, std::int16_t current) {
    for (std::size_t i = 0; i < CocGroupNames.size(); ++i) {
        if (cocName == CocGroupNames[i])
            return static_cast<std::int16_t>(i + 1);
    }
    return current;
}

} // namespace terravia
