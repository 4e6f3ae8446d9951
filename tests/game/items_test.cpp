// Items: stacking and falling, pickups, power-ups, boxes, ice, bags, the love note.
#include "game/item_spawn.h"
#include "game/items.h"
#include "game/power_up_texts.h"
#include "game/treasure.h"
#include "support/game_fixture.h"

#include <gtest/gtest.h>

#include <set>

namespace tsu {
namespace {

using testing::GameFixture;

struct Items : ::testing::Test, GameFixture {
    Items() {
        g().mode = 1;
        g().pass_lower[1] = 1;
        for (int c = 0; c <= 100; ++c) g().map[std::size_t(c)][20].lower = 1; // ground on row 19
        g().my.lives = 3;
        g().my.blink = 1;
        g().my.x = 5;
        g().my.y = 18;
    }
    // Alive items as (x, y, kind), in slot order.
    std::vector<std::tuple<int, int, int>> items() {
        std::vector<std::tuple<int, int, int>> v;
        for (int r = 1; r <= 99; ++r)
            if (g().item[std::size_t(r)].alive >= 1)
                v.emplace_back(g().item[std::size_t(r)].x, g().item[std::size_t(r)].y,
                               g().item[std::size_t(r)].kind);
        return v;
    }
    int effects_of_kind(int kind) {
        int n = 0;
        for (int i = 0; i < kEffectSlots; ++i)
            n += g().effects.ef_age[std::size_t(i)] >= 1 && g().effects.ef_kind[std::size_t(i)] == kind;
        return n;
    }
    void pick_up(int kind) {
        spawn_item(g(), g().my.x + g().scroll, g().my.y, 10, kind == 0 ? kPlainCoin : kind);
        item_pickups(g());
    }
};

TEST_F(Items, ACoinDroppedOnACoinLandsOnTopAndColumnsBuildUp) {
    for (int i = 0; i < 3; ++i) spawn_item(g(), 10, 18, 10, kPlainCoin);
    item_step(g());
    auto v = items();
    ASSERT_EQ(v.size(), 3u);
    std::multiset<int> rows;
    for (auto [x, y, k] : v) rows.insert(y);
    // Each item steps up once per item sharing its cell, in slot order.
    EXPECT_EQ(rows, (std::multiset<int>{17, 17, 18}));
    for (int i = 0; i < 5; ++i) item_step(g());
    rows.clear();
    for (auto [x, y, k] : items()) rows.insert(y);
    EXPECT_EQ(rows, (std::multiset<int>{16, 17, 18}));
}

TEST_F(Items, ItemsFallThroughPassableCellsEvenPastEnemies) {
    g().teki[1].alive = 1;
    g().teki[1].x = 12;
    g().teki[1].y = 11;
    g().teki[1].hp = 1;
    spawn_item(g(), 12, 10, 10, kPlainCoin);
    item_step(g());
    EXPECT_EQ(std::get<1>(items()[0]), 11);
    for (int i = 0; i < 20; ++i) item_step(g());
    EXPECT_EQ(std::get<1>(items()[0]), 18);
}

TEST_F(Items, ItemsLeftBehindOrOutsideTheGridAreFreed) {
    g().scroll = 20;
    spawn_item(g(), 19, 18, 10, kPlainCoin); // view column −1
    spawn_item(g(), 30, 18, 10, kPlainCoin);
    item_step(g());
    ASSERT_EQ(items().size(), 1u);
    EXPECT_EQ(std::get<0>(items()[0]), 30);
}

TEST_F(Items, ExtraLifeStopsAtSevenButStillSoundsAndShowsItsLabel) {
    g().my.lives = 7;
    pick_up(8);
    EXPECT_EQ(g().my.lives, 7);
    EXPECT_EQ(platform.sounds.back(), "kaifuku.wav");
    EXPECT_EQ(effects_of_kind(17), 1);
    EXPECT_EQ(effects_of_kind(129), 1);
    EXPECT_TRUE(items().empty());
}

TEST_F(Items, WeaponPowerUpsExcludeEachOtherButFlightAndLoveRunBeside) {
    g().my.red_fire = 150;
    g().my.fly = 10;
    pick_up(12);
    EXPECT_EQ(g().my.red_fire, 0);
    EXPECT_EQ(g().my.blade, 200);
    EXPECT_EQ(g().my.fly, 10);
    const int texts = effects_of_kind(106);
    EXPECT_GE(texts, 2);
    EXPECT_LE(texts, 3);
    pick_up(13);
    EXPECT_EQ(g().my.blade, 0);
    EXPECT_EQ(g().my.kunai, 240);
    pick_up(14);
    EXPECT_EQ(g().my.kunai, 240);
    EXPECT_EQ(g().my.love, 400);
    pick_up(17);
    EXPECT_EQ(g().my.fly, 500);
    EXPECT_EQ(g().my.target_y, 17);
    pick_up(18);
    EXPECT_EQ(g().my.kunai, 0);
    EXPECT_EQ(g().my.blue_fire, 200);
}

TEST_F(Items, GoldPickupsAndTestPlayRestartsTheCount) {
    pick_up(0);
    pick_up(3);
    EXPECT_EQ(g().my.gold, 3 + 200);
    EXPECT_EQ(platform.sounds, (std::vector<std::string>{"coin.wav", "cry.wav"}));
    g().test_play = true;
    pick_up(2);
    EXPECT_EQ(g().my.gold, 100);
    pick_up(10);
    EXPECT_EQ(g().my.gold, 100);
}

TEST_F(Items, BagsAreNotTakenByTouchAndNothingIsTakenWithoutLives) {
    pick_up(11);
    EXPECT_EQ(items().size(), 1u);
    for (auto& it : g().item) it.alive = 0;
    g().my.lives = 0;
    pick_up(1);
    EXPECT_EQ(g().my.gold, 0);
    EXPECT_EQ(items().size(), 1u);
    // Nor while the blink counter is 0.
    g().my.lives = 3;
    g().my.blink = 0;
    item_pickups(g());
    EXPECT_EQ(items().size(), 1u);
}

TEST_F(Items, StocksStopAtThree) {
    g().my.bunshin_stock = 3;
    pick_up(6);
    pick_up(7);
    pick_up(15);
    EXPECT_EQ(g().my.bunshin_stock, 3);
    EXPECT_EQ(g().my.muteki_stock, 1);
    EXPECT_EQ(g().my.danmaku_stock, 1);
}

TEST_F(Items, TreasureBoxesNeverGiveALifeAtSevenLives) {
    g().my.lives = 7;
    std::set<int> kinds;
    for (int i = 0; i < 400; ++i) {
        g().view_cell(8, 18).upper = 6;
        open_treasure_box(g(), 8, 18);
        EXPECT_EQ(g().view_cell(8, 18).upper, 0);
        for (auto [x, y, k] : items()) kinds.insert(k);
        for (int r = 1; r <= 99; ++r) g().item[std::size_t(r)].alive = 0;
    }
    EXPECT_EQ(kinds.count(8), 0u);
    EXPECT_EQ(kinds, (std::set<int>{1, 2, 3, 5, 6, 7, 12, 13, 14, 15, 16, 17, 18}));
}

TEST_F(Items, BagContentFollowsItsFourDraws) {
    for (int i = 0; i < 200; ++i) {
        Random copy = g().random;
        const int a = copy(5), b = copy(100), c = copy(200), d = copy(500);
        const int expected = d == 0 ? 3 : c == 0 ? 2 : b == 0 ? 1 : a != 0 ? -1 : 4;
        open_bag(g(), 7, 18);
        ASSERT_EQ(items().size(), 1u);
        const int kind = std::get<2>(items()[0]);
        if (expected == -1)
            EXPECT_TRUE(kind == 0 || kind == 4 || kind == 9) << kind; // a coin, maybe upgraded
        else
            EXPECT_EQ(kind, expected);
        g().item[std::size_t(g().item_next + 1)].alive = 0;
    }
}

TEST_F(Items, IceBreaksIntoACoin) {
    g().view_cell(9, 18).upper = 8;
    break_ice_block(g(), 9, 18);
    EXPECT_EQ(g().view_cell(9, 18).upper, 0);
    EXPECT_EQ(platform.sounds.back(), "ice.wav");
    EXPECT_EQ(effects_of_kind(213), 1);
    ASSERT_EQ(items().size(), 1u);
}

TEST_F(Items, LoveNoteBlinksAfterAbsorbingAndRunsDown) {
    g().my.love = 3;
    g().love_guard = 2;
    g().frame_count = 11; // odd: hidden while the guard runs
    love_note_step(g());
    EXPECT_EQ(g().love_guard, 1);
    EXPECT_EQ(g().my.love, 2);
    EXPECT_EQ(effects_of_kind(229), 0);
    g().frame_count = 20;
    love_note_step(g());
    EXPECT_EQ(g().love_guard, 0);
    EXPECT_EQ(effects_of_kind(229), 1);
    love_note_step(g());
    love_note_step(g());
    EXPECT_EQ(g().my.love, 0);
}

TEST(PowerUpTexts, ListSizesAndPerHeroineWording) {
    EXPECT_EQ(power_up_text_count(PowerUp::red_fire), 11);
    EXPECT_EQ(power_up_text_count(PowerUp::blade), 11);
    EXPECT_EQ(power_up_text_count(PowerUp::kunai), 11);
    EXPECT_EQ(power_up_text_count(PowerUp::love_note), 12);
    EXPECT_EQ(power_up_text_count(PowerUp::kantsu), 11);
    EXPECT_EQ(power_up_text_count(PowerUp::flight), 11);
    EXPECT_EQ(power_up_text_count(PowerUp::blue_fire), 11);
    std::set<std::string> blade;
    for (int c = 0; c < 3; ++c)
        for (int i = 0; i < 11; ++i) blade.insert(power_up_text(PowerUp::blade, i, c));
    EXPECT_TRUE(blade.count("忍刀「葱丸」"));
    EXPECT_TRUE(blade.count("神槍「向日葵」"));
    EXPECT_TRUE(blade.count("蛸足です"));
    EXPECT_EQ(blade.size(), 13u);
    EXPECT_EQ(power_up_text(PowerUp::flight, 11, 0), "");
}

} // namespace
} // namespace tsu
