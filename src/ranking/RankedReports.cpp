// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranking/RankedReports.h"

#include "core/Conclusions.h"
#include "core/NumberText.h"
#include "ranking/Ranking.h"

#include <QLatin1StringView>

#include <array>

namespace terravia {
namespace {

// By ranking key; key 0 is unused.
constexpr std::array<QLatin1StringView, RankingCount + 1> TitleSuffixes = {
    QLatin1StringView(),
    QLatin1StringView(" for permissibility & certainty"),
    QLatin1StringView(" for economic & duration"),
    QLatin1StringView(" for environmental credit"),
};

// By criterion; criterion 0 is unused. The number text brings its own leading blank, so
// each line shows two blanks after the hyphen.
constexpr std::array<QLatin1StringView, CriterionCount + 1> CriterionLabels = {
    QLatin1StringView(),
    QLatin1StringView("Applicability - "),
    QLatin1StringView("Permissibility - "),
    QLatin1StringView("Certainty - "),
    QLatin1StringView("Capital - "),
    QLatin1StringView("O&M - "),
    QLatin1StringView("Market constraints - "),
    QLatin1StringView("Remediation duration - "),
    QLatin1StringView("Environmental credit - "),
    QLatin1StringView("Permissibility and certainty - "),
    QLatin1StringView("Economic and duration - "),
};

void AppendBlock(Conversation& wizard, int key, const RankedTechnology& entry) {
    const Session& session = wizard.session;
    const auto t = static_cast<std::size_t>(entry.technology);
    AppendConclusion(wizard, QLatin1StringView("Ranked") + IntegerText(entry.rank) +
                                 TitleSuffixes[static_cast<std::size_t>(key)]);
    AppendConclusion(wizard, session.TechnologyNames[t]);
    for (std::size_t c = 1; c <= CriterionCount; ++c)
        AppendConclusion(wizard, CriterionLabels[c] + IntegerText(session.CriterionScores[t][c]));
    // A lone blank, not an empty line, parts one block from the next.
    AppendConclusion(wizard, QStringLiteral(" "));
}

} // namespace

void AppendRankedReport(Conversation& wizard, int key) {
    for (const RankedTechnology& entry : RankedTechnologies(wizard.session, key))
        AppendBlock(wizard, key, entry);
}

} // namespace terravia
