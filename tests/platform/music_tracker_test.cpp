// Which music endings count as "ran to its end".
#include "platform/music_tracker.h"

#include <gtest/gtest.h>

namespace {

using tsu::MusicTracker;

TEST(MusicTracker, APlayThatRunsOutIsReportedOnce) {
    MusicTracker m;
    m.start();
    EXPECT_FALSE(m.take_completed());
    m.finished(); // audio thread
    EXPECT_TRUE(m.take_completed());
    EXPECT_FALSE(m.take_completed());
}

TEST(MusicTracker, AStoppedPlayIsNotACompletion) {
    MusicTracker m;
    m.start();
    m.stop();
    m.finished(); // the halt fires the hook too
    EXPECT_FALSE(m.take_completed());
}

TEST(MusicTracker, AReplacedPlayIsNotACompletion) {
    MusicTracker m;
    m.start();
    m.stop();     // replace: stop, halt (hook), start the next
    m.finished();
    m.start();
    EXPECT_FALSE(m.take_completed());
    m.finished(); // the new track ends by itself
    EXPECT_TRUE(m.take_completed());
}

TEST(MusicTracker, AnEndSeenBeforeTheReplacementIsDroppedAfterIt) {
    // The old track ran out just before the main thread replaced it, and the
    // loop only looks after the new play started: the new play must not be
    // taken for finished.
    MusicTracker m;
    m.start();
    m.finished();
    m.stop();
    m.start();
    EXPECT_FALSE(m.take_completed());
    EXPECT_NE(m.active(), 0u);
}

TEST(MusicTracker, NothingPlayingReportsNothing) {
    MusicTracker m;
    m.finished();
    EXPECT_FALSE(m.take_completed());
}

TEST(MusicTracker, RepeatedPlaysEachCompleteOnce) {
    MusicTracker m;
    for (int i = 0; i < 3; ++i) {
        const auto n = m.start();
        EXPECT_EQ(m.active(), n);
        m.finished();
        EXPECT_TRUE(m.take_completed()) << "play " << i;
        EXPECT_EQ(m.active(), 0u);
    }
}

} // namespace
