// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Conversation.h"

#include <iterator>
#include <limits>
#include <span>

namespace terravia {

// The upper bound of the last band of every classification.
inline constexpr double Unbounded = std::numeric_limits<double>::infinity();

// One band of a classification: the values below `below` that no earlier band took.
template <typename Result> struct Band {
    double below;
    Result result;
};

// The result of the first band whose bound lies above the value. Bounds are exclusive, so a
// value on a boundary belongs to the band above it.
template <typename Bands> constexpr auto Classify(const Bands& bands, double value) {
    for (const auto& band : bands) {
        if (value < band.below)
            return band.result;
    }
    return std::end(bands)[-1].result;
}

// Every measured value of the biological assessment is asked for until it is greater than 0.
double AskMeasurement(Conversation& wizard, const QString& prompt, const QString& title);

} // namespace terravia
