// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranking/RankTechnologies.h"
#include "ranking/Catalogue.h"
#include "ranking/CocGroups.h"
#include "ranking/Ranking.h"
#include "ranking/ScreeningMatrix.h"
#include "support/Columns.h"
#include "support/Runs.h"

#include <QTest>

#include <numeric>

using namespace terravia;
using namespace terravia::test;
using namespace Qt::Literals::StringLiterals;

using Technologies = std::vector<int>;
// Threshold and list length of rankings 1, 2 and 3.
using Rankings = std::array<int, 6>;

namespace {

// One run of the ranking, which asks the user nothing.
void Rank(Session& session, const QString& cocName) {
    session.CocName = cocName;
    ScriptedPrompts script;
    script.add(RedStopTail());
    Conversation wizard{session, script, script};
    RankTechnologies(wizard);
    VERIFY_SCRIPT(script);
}

// A data row for each group, named after it, with its entry of the table.
template <typename T, std::size_t N> void GroupRows(const char* column, const T (&table)[N]) {
    QTest::addColumn<int>("group");
    QTest::addColumn<T>(column);
    for (std::size_t group = 0; group < N; ++group)
        QTest::addRow("group %d", int(group)) << int(group) << table[group];
}

// A run for any group number: no name matches, so the group is kept.
Session Ranked(int group) {
    Session session;
    ResetSession(session);
    session.CocGroup = std::int16_t(group);
    Rank(session, QString());
    return session;
}

// The rating class of a technology, 0 for none, -1 for more than one.
int RatingOf(const Session& session, int technology) {
    const auto& row = session.ScreeningMatrix[std::size_t(technology)];
    const int set = row[1] + row[2] + row[3];
    return set != 1 ? -set : row[1] ? 1 : row[2] ? 2 : 3;
}

QStringList Lines(const Session& session, int first, int count) {
    const auto begin = session.Conclusions.begin() + first;
    return QStringList(begin, begin + count);
}

// Scores here are single digits.
QStringList Block(const char* ranked, const char* name, std::array<int, 10> c) {
    const auto line = [](const char* label, int score) {
        return QLatin1StringView(label) + QLatin1StringView(" -  ") + QChar(u'0' + score);
    };
    return {QLatin1StringView(ranked),
            QLatin1StringView(name) + QLatin1StringView(" - http://") + ReferenceHost +
                QLatin1StringView("/remediation-dst/soil.shtml"),
            line("Applicability", c[0]),
            line("Permissibility", c[1]),
            line("Certainty", c[2]),
            line("Capital", c[3]),
            line("O&M", c[4]),
            line("Market constraints", c[5]),
            line("Remediation duration", c[6]),
            line("Environmental credit", c[7]),
            line("Permissibility and certainty", c[8]),
            line("Economic and duration", c[9]),
            u" "_s};
}

} // namespace

class RankTechnologiesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void candidates_data() {
        const int counts[] = {0, 49, 53, 46, 59, 60, 59, 59, 59, 58, 58, 58, 13, 0};
        GroupRows("count", counts);
    }

    void candidates() {
        QFETCH(int, group);
        QFETCH(int, count);
        const Session session = Ranked(group);
        Technologies candidates;
        for (int t = 1; t <= TechnologyCount; ++t) {
            QVERIFY(RatingOf(session, t) >= 0);
            if (IsCandidate(session, t))
                candidates.push_back(t);
        }
        QCOMPARE(int(candidates.size()), count);
        for (int t : {1, 2, 32, 33})
            QCOMPARE(RatingOf(session, t), 0);
        if (group == 12)
            QCOMPARE(candidates, (Technologies{4, 5, 6, 9, 10, 11, 12, 23, 28, 29, 30, 31, 42}));
    }

    void ratingClasses_data() {
        Columns<int, int, int>({"technology", "group", "rating"});
        for (int group = 1; group <= 12; ++group) {
            const bool rated = group == 5 || group == 7 || group == 10 || group == 11;
            QTest::addRow("20 group %d", group) << 20 << group << (rated ? 1 : 0);
        }
        for (int t : {4, 5, 6, 10, 11, 12, 23, 28, 29, 30, 31, 42})
            QTest::addRow("%d group 12", t) << t << 12 << 2;
        QTest::newRow("9 group 12") << 9 << 12 << 1;
        QTest::newRow("36 group 12") << 36 << 12 << 0;
        QTest::newRow("11 group 9") << 11 << 9 << 2;
        QTest::newRow("23 group 9") << 23 << 9 << 1;
    }

    void ratingClasses() {
        QFETCH(int, technology);
        QFETCH(int, group);
        QFETCH(int, rating);
        QCOMPARE(RatingOf(Ranked(group), technology), rating);
    }

    void combinedCriteriaAreTheStoredSums() {
        const Session session = Ranked(0);
        for (std::size_t t = 1; t <= TechnologyCount; ++t) {
            const auto& c = session.CriterionScores[t];
            QCOMPARE(c[9], c[1] + c[2] + c[3]);
            QCOMPARE(c[10], t == 49 ? 5 : t == 50 ? 4 : c[4] + c[5] + c[6] + c[7]);
        }
        QVERIFY(session.CriterionScores[11] != session.CriterionScores[23]);
    }

    void rankings_data() {
        const Rankings table[] = {
            {0, 64, 0, 64, 0, 64},  {9, 18, 10, 6, 3, 9},   {9, 19, 10, 9, 3, 9},
            {9, 15, 10, 6, 3, 10},  {9, 19, 10, 11, 3, 14}, {9, 19, 11, 5, 3, 14},
            {9, 19, 10, 11, 3, 14}, {9, 19, 11, 5, 3, 13},  {9, 19, 10, 11, 3, 14},
            {9, 18, 10, 11, 3, 14}, {9, 17, 11, 5, 3, 14},  {9, 17, 11, 5, 3, 14},
            {8, 8, 9, 9, 2, 7}};
        GroupRows("expected", table);
    }

    // Every technology at or above the threshold is listed, in catalogue order, ranked 1, 2, ...
    void rankings() {
        QFETCH(int, group);
        QFETCH(Rankings, expected);
        const Session session = Ranked(group);
        for (std::size_t key = 1; key <= RankingCount; ++key) {
            const int threshold = RankingThreshold(session, int(key));
            QCOMPARE(threshold, expected[2 * key - 2]);
            std::vector<RankedTechnology> wanted;
            for (int t = 1; t <= TechnologyCount; ++t) {
                if (session.RankingScores[std::size_t(t)][key] >= threshold)
                    wanted.push_back({std::int16_t(wanted.size() + 1), std::int16_t(t)});
            }
            QCOMPARE(int(wanted.size()), expected[2 * key - 1]);
            QVERIFY(RankedTechnologies(session, int(key)) == wanted);
        }
    }

    void namedLists_data() {
        Columns<int, int, Technologies>({"group", "key", "listed"});
        QTest::newRow("12 key 1") << 12 << 1 << Technologies{4, 6, 9, 10, 11, 23, 28, 42};
        QTest::newRow("12 key 2") << 12 << 2 << Technologies{5, 6, 10, 11, 23, 28, 29, 30, 31};
        QTest::newRow("12 key 3") << 12 << 3 << Technologies{4, 5, 6, 9, 10, 29, 30};
        QTest::newRow("1 key 2") << 1 << 2 << Technologies{11, 26, 31, 39, 51, 57};
        QTest::newRow("1 key 3") << 1 << 3 << Technologies{5, 9, 29, 30, 35, 36, 45, 47, 57};
        QTest::newRow("5 key 2") << 5 << 2 << Technologies{15, 20, 26, 34, 51};
        Technologies all(TechnologyCount);
        std::iota(all.begin(), all.end(), 1);
        QTest::newRow("0 key 3") << 0 << 3 << all;
    }

    void namedLists() {
        QFETCH(int, group);
        QFETCH(int, key);
        QFETCH(Technologies, listed);
        Technologies technologies;
        for (const RankedTechnology& entry : RankedTechnologies(Ranked(group), key))
            technologies.push_back(entry.technology);
        QCOMPARE(technologies, listed);
    }

    void blocks_data() {
        Columns<int, int, int, QStringList>({"group", "lines", "first", "block"});
        const auto row = [](const char* name, int group, int lines, int first, const char* ranked,
                            const char* technology, std::array<int, 10> criteria) {
            QTest::newRow(name) << group << lines << first << Block(ranked, technology, criteria);
        };
        row("12 ranking 1", 12, 312, 1, "Ranked 1 for permissibility & certainty",
            "Enhanced Bioremediation", {3, 3, 3, 3, 1, 2, 2, 2, 9, 8});
        row("12 ranking 2", 12, 312, 1 + 13 * 8, "Ranked 1 for economic & duration",
            "Phytoremediation", {1, 1, 1, 4, 2, 2, 1, 3, 3, 9});
        row("12 ranking 3", 12, 312, 1 + 13 * 17, "Ranked 1 for environmental credit",
            "Enhanced Bioremediation", {3, 3, 3, 3, 1, 2, 2, 2, 9, 8});
        row("4 rank 10", 4, 572, 1 + 13 * 9, "Ranked 10 for permissibility & certainty",
            "Bioreactors", {3, 3, 3, 2, 2, 1, 3, 2, 9, 8});
        // A non-candidate listed under threshold 0 shows its stored criteria, not its score 0.
        row("0 rank 64", 0, 2496, 2496 - 12, "Ranked 64 for environmental credit",
            "Vapour Phase Carbon Adsorption", {3, 3, 3, 2, 2, 2, 3, 2, 9, 9});
    }

    void blocks() {
        QFETCH(int, group);
        QFETCH(int, lines);
        QFETCH(int, first);
        QFETCH(QStringList, block);
        Session session;
        ResetSession(session);
        Rank(session, group == 0 ? QString() : QString(CocGroupNames[std::size_t(group - 1)]));
        QCOMPARE(int(session.ConclusionCount), lines);
        QCOMPARE(Lines(session, first, 13), block);
    }

    void secondRunAppendsAndStartsAfresh() {
        const Session fresh = Ranked(4);
        Session session = Ranked(12);
        // Nothing the first run left may show through in the second.
        for (auto& row : session.ScreeningMatrix)
            row.fill(1);
        for (auto& row : session.CriterionScores)
            row.fill(7);
        for (auto& row : session.RankingScores)
            row.fill(7);
        session.TechnologyNames.fill(u"stale"_s);
        Rank(session, CocGroupNames[3]);
        QCOMPARE(int(session.ConclusionCount), 312 + 572);
        QCOMPARE(Lines(session, 1, 312), Lines(Ranked(12), 1, 312));
        QCOMPARE(Lines(session, 313, 572), Lines(fresh, 1, 572));
        QVERIFY(session.ScreeningMatrix == fresh.ScreeningMatrix);
        QVERIFY(session.CriterionScores == fresh.CriterionScores);
        QVERIFY(session.RankingScores == fresh.RankingScores);
        QVERIFY(session.TechnologyNames == fresh.TechnologyNames);
    }

    void unmatchedNameKeepsTheGroup() {
        Session session;
        ResetSession(session);
        Rank(session, CocGroupNames[4]);
        const int lines = session.ConclusionCount;
        Rank(session, u"halogenated VOC's"_s);
        QCOMPARE(int(session.CocGroup), 5);
        QCOMPARE(int(session.ConclusionCount), 2 * lines);
        QCOMPARE(Lines(session, lines + 1, lines), Lines(session, 1, lines));
    }
};

QTEST_GUILESS_MAIN(RankTechnologiesTest)
#include "RankTechnologiesTest.moc"
