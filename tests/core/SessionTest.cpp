// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Session.h"

#include <QTest>

#include <type_traits>

using namespace terravia;

// The 16-bit flag keeps the program's stored values, and a plain true or integer cannot stand
// in for it: `ExSituValid = true` would store 1, which a later `== True` never matches.
static_assert(sizeof(Flag) == 2);
static_assert(std::is_same_v<std::underlying_type_t<Flag>, std::int16_t>);
static_assert(!std::is_assignable_v<Flag&, bool>);
static_assert(!std::is_assignable_v<Flag&, int>);
static_assert(!std::is_convertible_v<Flag, int>);
template <typename T, typename U>
concept ComparableWith = requires(T t, U u) {
    t == u;
};
static_assert(!ComparableWith<Flag, int>);
static_assert(!ComparableWith<Flag, bool>);

class SessionTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void flagKeepsItsStoredValues() {
        QCOMPARE(qToUnderlying(Flag::True), std::int16_t(-1));
        QCOMPARE(qToUnderlying(Flag::False), std::int16_t(0));
    }

    void resetClearsTheFlag() {
        Session session;
        session.ExSituValid = Flag::True;
        ResetSession(session);
        QCOMPARE(session.ExSituValid, Flag::False);
    }
};

QTEST_GUILESS_MAIN(SessionTest)
#include "SessionTest.moc"
