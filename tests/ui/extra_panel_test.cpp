// The extra-stage panel: starting packs and the record text.
#include "game/events.h"
#include "support/game_fixture.h"
#include "ui/extra_panel.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tsu {
namespace {

struct Packs : ::testing::Test, testing::GameFixture {
    Packs() {
        testing::copy_built_root(root.path());
        // Every pack's first stage: a copy of the first official stage.
        for (int k = 1; k <= 6; ++k)
            std::filesystem::copy_file(root.path() / "dat" / "map0.dat",
                                       root.path() / "dat" / ("map" + std::to_string(10 * k) + ".dat"),
                                       std::filesystem::copy_options::overwrite_existing);
        g().panels.ex_box = true;
    }
};

TEST_F(Packs, StartingAPackCountsItsPlaysAndRunsItsStages) {
    ASSERT_TRUE(click_control(g(), "Label9")); // pack 5
    EXPECT_EQ(g().stage_set, 5);
    EXPECT_EQ(g().mode, 1);
    EXPECT_FALSE(g().panels.ex_box);
    EXPECT_EQ(g().my.y, 17);
    g().panels.ex_box = true;
    start_pack(g(), 5);
    EXPECT_EQ(g().my.ex_play[5], 2);
    for (int k : {1, 2, 3, 4, 6}) EXPECT_EQ(g().my.ex_play[std::size_t(k)], 0);
    EXPECT_EQ(g().my.play_count, 0);
}

TEST_F(Packs, TheChaosPackStartsMidHeight) {
    ASSERT_TRUE(click_control(g(), "Label22"));
    EXPECT_EQ(g().stage_set, 1);
    EXPECT_EQ(g().my.y, 10);
    EXPECT_EQ(g().my.x, 3);
}

TEST_F(Packs, AMissingStageIsReportedAndTheStartGoesNoFurther) {
    std::filesystem::remove(root.path() / "dat" / "map60.dat");
    start_pack(g(), 6);
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(g().panels.ex_box);
    EXPECT_TRUE(platform.music.empty());
}

TEST(PackRecords, RecordTextHasABlockPerPackWithItsHeroineMark) {
    testing::GameFixture f;
    tmy& my = f.g().my;
    my.ex_best[1] = {3, 1, 4500};
    my.ex_best[2] = {7, 3, 900};
    my.ex_best[4] = {2, 2, 120};
    my.ex_play[1] = 5;
    const std::string t = extra_record_text(f.g());
    EXPECT_EQ(t.substr(0, t.find('\r')), "HI-SCORE 4500 < PLAY 5 STAGE 3 S");
    EXPECT_NE(t.find("\r\r\rHI-SCORE 900 < PLAY 0 STAGE 7 \r\r\r"), std::string::npos);
    EXPECT_NE(t.find("HI-SCORE 120 < PLAY 0 STAGE 2 Z"), std::string::npos);
    EXPECT_EQ(std::count(t.begin(), t.end(), '\r'), 15);
    EXPECT_STREQ(pack_caption(4), "7kzステージ");
}

} // namespace
} // namespace tsu
