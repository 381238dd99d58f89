// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Errand.h"

#include <QSemaphore>
#include <QTest>

#include <thread>

using namespace terravia;
using namespace std::chrono_literals;

namespace {

// A call of the errand that returns once the test lets it.
void HeldCall(QSemaphore& entered, QSemaphore& release) {
    const CallMark mark;
    entered.release();
    release.acquire();
}

} // namespace

// Work on a thread of its own, watched call by call.
class ErrandTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aCallThatDoesNotReturnIsStuck() {
        QSemaphore entered, release, after;
        bool abandonedSeen = false;
        const std::shared_ptr<Errand> errand = StartErrand([&] {
            HeldCall(entered, release);
            abandonedSeen = ErrandAbandoned();
            after.release();
        });
        entered.acquire();
        QVERIFY(!errand->await(50ms));
        QVERIFY(errand->stuck(50ms));
        QVERIFY(errand->abandon());
        release.release();
        after.acquire();
        QVERIFY(abandonedSeen);
        QVERIFY(errand->await(50ms, 2min));
    }

    // Slow work, each call of which returns within the patience, is never stuck.
    void slowCallsThatReturnAreWaitedFor() {
        const std::shared_ptr<Errand> errand = StartErrand([] {
            for (int call = 0; call < 4; ++call) {
                const CallMark mark;
                std::this_thread::sleep_for(60ms);
            }
        });
        QVERIFY(errand->await(2min));
        QVERIFY(!errand->abandoned());
    }

    // Work between calls, however long, is no call that does not answer.
    void workBetweenCallsIsNotStuck() {
        QSemaphore release;
        const std::shared_ptr<Errand> errand = StartErrand([&] { release.acquire(); });
        QVERIFY(!errand->await(10ms, 100ms));
        QVERIFY(!errand->stuck(10ms));
        release.release();
        QVERIFY(errand->await(10ms, 2min));
    }

    // Once the outcome is settled, giving up comes too late, and the outcome stands; settled
    // after giving up, the work is told to undo itself.
    void settlingAndGivingUpExcludeEachOther() {
        QSemaphore settled, release, done;
        bool first = false;
        std::shared_ptr<Errand> errand = StartErrand([&] {
            first = SettleErrand();
            settled.release();
            release.acquire();
        });
        settled.acquire();
        QVERIFY(first);
        QVERIFY(errand->finished());
        QVERIFY(!errand->abandon());
        release.release();

        bool second = true;
        QSemaphore entered, releaseSecond;
        errand = StartErrand([&] {
            HeldCall(entered, releaseSecond);
            second = SettleErrand();
            done.release();
        });
        entered.acquire();
        QVERIFY(errand->abandon());
        releaseSecond.release();
        done.acquire();
        QVERIFY(!second);
        QVERIFY(AwaitErrands(2min));
    }
};

QTEST_GUILESS_MAIN(ErrandTest)
#include "ErrandTest.moc"
