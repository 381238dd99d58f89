// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace terravia {

// The program's 16-bit Boolean form, kept because the flag is compared as a stored value:
// True is -1, False is 0. A type of its own, so that a plain true (which would store 1) or an
// integer cannot be assigned to it or compared with it by mistake.
enum class Flag : std::int16_t { False = 0, True = -1 };

inline constexpr int TechnologyCount = 64;
inline constexpr int RatingClassCount = 3;
inline constexpr int CriterionCount = 10;
inline constexpr int RankingCount = 3;

// Tables are allocated from index 0 and used from index 1, so that the technology, class,
// criterion and key numbers of the catalogues index them directly.
using ScreeningTable =
    std::array<std::array<std::int16_t, RatingClassCount + 1>, TechnologyCount + 1>;
using CriterionTable =
    std::array<std::array<std::int16_t, CriterionCount + 1>, TechnologyCount + 1>;
using RankingTable = std::array<std::array<std::int16_t, RankingCount + 1>, TechnologyCount + 1>;
using NameTable = std::array<QString, TechnologyCount + 1>;

// Everything a run accumulates, owned by the main window for the program's lifetime.
struct Session {
    double Tonnage = 0;
    QString CocName;
    std::int16_t CocGroup = 0;
    QString LandUseName;
    QString Medium;
    Flag ExSituValid = Flag::False;
    double BulkDensity = 0;
    double SoilPh = 0;
    // Slot 0 is never used: lines are numbered from 1 to ConclusionCount.
    std::vector<QString> Conclusions;
    std::int16_t ConclusionCount = 0;

    ScreeningTable ScreeningMatrix{};
    CriterionTable CriterionScores{};
    RankingTable RankingScores{};
    NameTable TechnologyNames;

    // Whether this run has already told the user that the conclusions list is full.
    bool CapacityReported = false;
};

// Step 5 of start-up, and of "Clear all": the session's start values.
void ResetSession(Session& session);

} // namespace terravia
