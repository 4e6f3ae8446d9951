// Gold, the combo bonus, milestones and the status display.
#include "game/score.h"
#include "game/status.h"
#include "support/game_fixture.h"

#include <gtest/gtest.h>

namespace tsu {
namespace {

using testing::GameFixture;

// The active effects of a kind, in slot order.
std::vector<int> slots_of_kind(const Game& g, int kind) {
    std::vector<int> v;
    for (int i = 0; i < kEffectSlots; ++i)
        if (g.effects.ef_age[std::size_t(i)] >= 1 && g.effects.ef_kind[std::size_t(i)] == kind)
            v.push_back(i);
    return v;
}

TEST(Score, ComboBonusBands) {
    const std::pair<int, int> cases[] = {{0, 0},   {1, 0},   {2, 2},   {9, 9},   {10, 10},
                                         {12, 11}, {19, 14}, {20, 15}, {29, 18}, {30, 18},
                                         {39, 20}, {40, 20}, {49, 21}, {50, 22}, {62, 24}};
    for (auto [combo, bonus] : cases) EXPECT_EQ(combo_bonus(combo), bonus) << combo;
}

TEST(Score, CoinsAreWorthAThirdPlusTheComboAndGemsTheirValue) {
    GameFixture f;
    Game& g = f.g();
    g.my.x = 5;
    g.my.y = 10;
    g.my.combo = 12;
    add_gold(g, 10);
    EXPECT_EQ(g.my.gold, 14);
    ASSERT_EQ(slots_of_kind(g, 16).size(), 1u);
    const auto s = std::size_t(slots_of_kind(g, 16)[0]);
    EXPECT_EQ(g.effects.ef_text[s], "+14両");
    EXPECT_GE(g.effects.ef_x[s], 105);
    EXPECT_LE(g.effects.ef_x[s], 115);
    EXPECT_LE(g.effects.ef_y[s], 200 - 10);
    EXPECT_GE(g.effects.ef_y[s], 200 - 19 - 10);

    g.my.combo = 0;
    add_gold(g, 5); // 5 div 3 = 1
    add_gold(g, 20);
    EXPECT_EQ(g.my.gold, 14 + 1 + 6);
    g.my.combo = 40;
    add_gold(g, 200);
    EXPECT_EQ(g.my.gold, 21 + 200);
    EXPECT_EQ(slots_of_kind(g, 13).size(), 1u);
    add_gold(g, 100);
    add_gold(g, 50);
    EXPECT_EQ(slots_of_kind(g, 14).size(), 1u);
    EXPECT_EQ(slots_of_kind(g, 15).size(), 1u);
}

TEST(Score, NothingShownForNoGold) {
    GameFixture f;
    add_gold(f.g(), 2); // 2 div 3 = 0 without a combo
    EXPECT_EQ(f.g().my.gold, 0);
    EXPECT_EQ(f.g().effects.effect_cursor, 0);
}

TEST(Score, MilestoneTexts) {
    EXPECT_EQ(milestone_text(0, 3000), "3000両ｷﾀｰｰｰｰｰ!!");
    EXPECT_EQ(milestone_text(8, 1000), "姫様!! 1000両突破ですじゃー!");
    EXPECT_EQ(milestone_text(15, 10000), "10000両きたよ～");
}

TEST(Status, OnlyTheReachedMilestoneShowsOncePerRun) {
    GameFixture f;
    Game& g = f.g();
    g.mode = 1;
    g.my.gold = 950;
    status_display(g);
    EXPECT_TRUE(slots_of_kind(g, 106).empty());
    g.my.gold = 2150;
    status_display(g);
    const auto first = slots_of_kind(g, 106);
    EXPECT_GE(first.size(), 1u);
    EXPECT_LE(first.size(), 3u);
    for (int s : first) EXPECT_NE(g.effects.ef_text[std::size_t(s)].find("2000"), std::string::npos);
    EXPECT_EQ(g.gold_milestone[0], 0);
    EXPECT_EQ(g.gold_milestone[1], 1);
    status_display(g);
    EXPECT_EQ(slots_of_kind(g, 106).size(), first.size());
    g.my.gold = 11500; // past the last milestone
    status_display(g);
    EXPECT_EQ(slots_of_kind(g, 106).size(), first.size());
}

TEST(Status, GoldCounterRollsUpAndJumpsDown) {
    GameFixture f;
    Game& g = f.g();
    g.mode = 1;
    g.my.gold = 500;
    status_display(g);
    EXPECT_EQ(g.gold_shown, 51);
    status_display(g);
    EXPECT_EQ(g.gold_shown, 51 + 44 + 1);
    g.my.gold = 20;
    status_display(g);
    EXPECT_EQ(g.gold_shown, 20);
}

TEST(Status, ComboRunsOutButASingleDefeatWaits) {
    GameFixture f;
    Game& g = f.g();
    g.mode = 1;
    g.my.combo = 1;
    g.my.combo_timer = 40;
    for (int i = 0; i < 100; ++i) status_display(g);
    EXPECT_EQ(g.my.combo, 1);
    g.my.combo = 3;
    g.my.combo_timer = 40;
    for (int i = 0; i < 39; ++i) status_display(g);
    EXPECT_EQ(g.my.combo, 3);
    status_display(g);
    EXPECT_EQ(g.my.combo, 0);
    EXPECT_EQ(g.my.combo_timer, 0);
}

TEST(Status, BarsHaveTheirLengthsAndColourBands) {
    GameFixture f;
    Game& g = f.g();
    g.mode = 1;
    g.cg.fill(kBlack);
    g.frame_count = 1;
    g.my.sp_timer = 0; // first heroine's warp ready: a full, blinking bar
    g.my.muteki = 0;
    g.my.fly = 250;    // 60 pixels of 120: room 0, blinking
    g.my.red_fire = 100; // 30 of 60: room 30
    status_display(g);
    EXPECT_EQ(g.cg.pixel(22, 375), rgb(0x33FFFF));
    EXPECT_EQ(g.cg.pixel(81, 382), rgb(0x33FFFF));
    EXPECT_EQ(g.cg.pixel(82, 378), kBlack);
    EXPECT_EQ(g.cg.pixel(22, 366), rgb(0xBB0000));
    EXPECT_EQ(g.cg.pixel(51, 366), rgb(0xBB0000));
    EXPECT_EQ(g.cg.pixel(52, 366), kBlack);
    EXPECT_EQ(g.cg.pixel(70, 374), rgb(0x33FFFF)); // flight, rows 373..378
    g.frame_count = 2;
    g.my.sp_timer = 45; // room 45
    g.cg.fill(kBlack);
    status_display(g);
    EXPECT_EQ(g.cg.pixel(22, 380), rgb(0x00BB33));
    EXPECT_EQ(g.cg.pixel(70, 374), rgb(0x00DDDD));

    // The third heroine's bar follows the heat; the second's is her fuel.
    g.chara = 2;
    g.my.sp_timer = 22;
    g.cg.fill(kBlack);
    status_display(g);
    EXPECT_EQ(g.cg.pixel(22, 380), rgb(0x00BB33));
    g.chara = 1;
    g.my.fuel = 15; // room 55
    g.cg.fill(kBlack);
    status_display(g);
    EXPECT_EQ(g.cg.pixel(36, 380), rgb(0x883300));
    EXPECT_EQ(g.cg.pixel(37, 380), kBlack);
}

} // namespace
} // namespace tsu
