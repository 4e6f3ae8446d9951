// The tick timetable: one tick per period, no drift, no catch-up bursts.
#include "platform/tick_clock.h"

#include <gtest/gtest.h>

namespace {

using tsu::TickClock;

TEST(TickClock, FirstTickOnePeriodAfterStart) {
    TickClock c(80, 1000);
    EXPECT_FALSE(c.take_due(1079));
    EXPECT_EQ(c.until_next(1079), 1u);
    EXPECT_TRUE(c.take_due(1080));
    EXPECT_FALSE(c.take_due(1080)); // exactly one tick per deadline
    EXPECT_EQ(c.until_next(1080), 80u);
}

TEST(TickClock, LateWakeUpsDoNotDrift) {
    TickClock c(80, 0);
    // Every wake-up comes 7 units late; the deadlines stay on multiples of 80.
    int ticks = 0;
    for (std::uint64_t t = 87; t < 80 * 100; t += 80)
        if (c.take_due(t)) ++ticks;
    EXPECT_EQ(ticks, 99);
    EXPECT_EQ(c.deadline(), 80u * 100);
}

TEST(TickClock, SmallLagIsCaughtUpTickByTick) {
    TickClock c(80, 0);
    const std::uint64_t now = 80 * 4 + 10; // four deadlines passed
    int ticks = 0;
    while (c.take_due(now)) ++ticks;
    EXPECT_EQ(ticks, 4);
    EXPECT_EQ(c.resyncs(), 0u);
    EXPECT_EQ(c.deadline(), 400u);
}

TEST(TickClock, LongStallResynchronisesInsteadOfBursting) {
    TickClock c(80, 0);
    const std::uint64_t now = 80 * 50; // e.g. a message box was open for 4 s
    int ticks = 0;
    while (c.take_due(now)) ++ticks;
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(c.resyncs(), 1u);
    EXPECT_EQ(c.deadline(), now + 80);
}

} // namespace
