// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLatin1StringView>

#include <array>

class QString;

namespace terravia {

// The host of the reference address that ends every technology's display text.
inline constexpr QLatin1StringView ReferenceHost("www.terravia.example");

// Technologies 1 to 31 treat soil, sediment, bedrock and sludge; 32 to 64 ground water,
// surface water and leachate. A name in both lists denotes two separate technologies.
// Element 0 is unused so that the technology number indexes the table.
extern const std::array<QLatin1StringView, 65> TechnologyCatalogue;

// "<name> - http://<host>/remediation-dst/soil.shtml" for technology 1 to 64.
QString DisplayText(int technology);

} // namespace terravia
