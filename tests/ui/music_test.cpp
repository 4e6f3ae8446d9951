// Background music: choosing a track, its title, repeats and who starts and
// stops the music.
#include "game/events.h"
#include "game/modes.h"
#include "game/stage_end.h"
#include "support/game_fixture.h"
#include "ui/extra_panel.h"
#include "ui/music.h"

#include <gtest/gtest.h>

namespace tsu {
namespace {

struct Music : ::testing::Test, testing::GameFixture {
    Music() { testing::copy_built_root(root.path()); }
    std::string folder() { return g().path("mp3", ""); }
    std::vector<std::string> titles() {
        std::vector<std::string> t;
        for (int i = 0; i < kEffectSlots; ++i)
            if (g().effects.ef_age[std::size_t(i)] >= 1 && g().effects.ef_kind[std::size_t(i)] == 6)
                t.push_back(g().effects.ef_text[std::size_t(i)]);
        return t;
    }
};

TEST_F(Music, ATrackIsChosenFromTheFolderAndItsTitleShown) {
    platform.folders[folder()] = {"theme.mid"};
    play_random_music(g());
    EXPECT_EQ(platform.music, std::vector<std::string>{folder() + "theme.mid"});
    EXPECT_EQ(titles(), std::vector<std::string>{"♪theme"});
    // O three times in play: three tracks, one title.
    platform.folders[folder()] = {"a.mp3", "b.mid", "c.mp3"};
    g().mode = 1;
    for (int i = 0; i < 3; ++i) FormKeyDown(g(), 'O');
    EXPECT_EQ(platform.music.size(), 4u);
    EXPECT_EQ(titles().size(), 1u);
}

TEST_F(Music, NothingPlaysWithMusicOffOrAnEmptyFolder) {
    g().my.music_off = 1;
    play_random_music(g());
    stop_music(g());
    EXPECT_TRUE(platform.listings.empty()) << "music off does not even list the folder";
    g().my.music_off = 0;
    play_random_music(g()); // no such folder
    EXPECT_TRUE(platform.music.empty());
    EXPECT_TRUE(titles().empty());
}

TEST_F(Music, OnlyATrackThatRanToItsEndStartsAgain) {
    platform.folders[folder()] = {"x.mp3"};
    play_random_music(g());
    mid_pNotify(g(), false); // stopped, replaced or failed
    EXPECT_EQ(platform.music.size(), 1u);
    mid_pNotify(g(), true);
    EXPECT_EQ(platform.music, (std::vector<std::string>{folder() + "x.mp3", folder() + "x.mp3"}));
    play_mp3(g(), "not");
    EXPECT_EQ(platform.music.back(), "<stop>");
}

TEST_F(Music, RunsStartMusicAndGameOverStopsIt) {
    platform.folders[folder()] = {"x.mp3"};
    start_run(g());
    EXPECT_EQ(platform.music.size(), 1u);
    g().mode = 3;
    next_stage(g());
    EXPECT_EQ(platform.music.size(), 2u);
    game_over(g());
    EXPECT_EQ(platform.music.back(), "<stop>");
    start_pack(g(), 2);
    EXPECT_EQ(platform.music.back(), folder() + "x.mp3");
}

} // namespace
} // namespace tsu
