#include "data/teki_table.h"
#include "game/game.h"
#include "game/item_spawn.h"
#include "game/teki_spawn.h"

#include <gtest/gtest.h>

#include <memory>

namespace tsu {
namespace {

std::unique_ptr<Game> game_with_types() {
    auto g = std::make_unique<Game>();
    fill_teki_type(*g);
    clear_objects(*g);
    return g;
}

// ---- the enemy type table ------------------------------------------------------

TEST(TekiTable, TheBlankTemplateMakesFreeSlots) {
    auto g = game_with_types();
    const tman& blank = g->teki_type[1];
    EXPECT_EQ(blank.name, "");
    EXPECT_EQ(blank.image, 3);
    EXPECT_EQ(blank.move_wait, 1);
    EXPECT_EQ(blank.size, 0);
    EXPECT_EQ(blank.hp, 0);
    for (int i : {1, 500, 1000}) {
        EXPECT_EQ(g->teki[std::size_t(i)].alive, 0);
        EXPECT_EQ(g->teki[std::size_t(i)].image, 3);
        EXPECT_EQ(g->teki[std::size_t(i)].move_wait, 1);
    }
}

TEST(TekiTable, NamesTypesOneToTwentyFiveAndTouchesNoOtherRow) {
    auto g = std::make_unique<Game>();
    g->teki_type[0].hp = 77;
    g->teki_type[27].hp = 78;
    fill_teki_type(*g);
    EXPECT_EQ(g->teki_type[0].hp, 77);
    EXPECT_EQ(g->teki_type[27].hp, 78);
    for (int t = 1; t <= 25; ++t) {
        const tman& m = g->teki_type[std::size_t(t + 1)];
        EXPECT_FALSE(m.name.empty()) << t;
        EXPECT_EQ(m.size, 10) << t;
        EXPECT_EQ(m.kind, 0) << t;
        EXPECT_EQ(m.alive, 0) << t;
    }
}

TEST(TekiTable, KeepsTheNamesWithTheirFullWidthSpaces) {
    auto g = game_with_types();
    EXPECT_EQ(g->teki_type[9].name, "無\u3000\u3000");
    EXPECT_EQ(g->teki_type[18].name, "針\u3000\u3000");
    EXPECT_EQ(g->teki_type[2].name, "敵１");
    EXPECT_EQ(g->teki_type[15].name, "ＵＦＯ");
    EXPECT_EQ(g->teki_type[16].name, "赤UFO");
    EXPECT_EQ(g->teki_type[26].name, "ローボ２");
}

TEST(TekiTable, RolesOtherPartsRelyOn) {
    auto g = game_with_types();
    EXPECT_EQ(g->teki_type[8].move, 4);   // the bomb dives
    EXPECT_EQ(g->teki_type[18].hp, 99);   // the needle cannot be hurt
    EXPECT_EQ(g->teki_type[7].shot, 3);   // the weathercock drops bombs
    EXPECT_EQ(g->teki_type[15].shot, 5);  // the UFO drops walkers
    const tman& robo2 = g->teki_type[26];
    EXPECT_EQ(robo2.image, 65);
    EXPECT_EQ(robo2.move, 2);
    EXPECT_EQ(robo2.gravity, 1);
    EXPECT_EQ(robo2.hp, 3);
    EXPECT_EQ(robo2.move_wait, 0);
    EXPECT_EQ(robo2.shot, 4);
    EXPECT_EQ(robo2.shot_wait, 32);
    EXPECT_EQ(robo2.shot_speed, 2);
}

// ---- enemy spawn -------------------------------------------------------------------

TEST(TekiSpawn, CopiesTheTemplateAndSetsThePosition) {
    auto g = game_with_types();
    spawn_teki(*g, 40, 12, 14);
    // The ring moves on before it looks: from its start at slot 0 the first
    // enemy takes slot 1, row 2.
    const tman& t = g->teki[2];
    EXPECT_EQ(g->teki_next, 1);
    EXPECT_EQ(t.kind, 14);
    EXPECT_EQ(t.name, "ＵＦＯ");
    EXPECT_EQ(t.image, 20);
    EXPECT_EQ(t.x, 40);
    EXPECT_EQ(t.y, 12);
    EXPECT_EQ(t.alive, 1);
    EXPECT_EQ(t.jump, 0);
    EXPECT_EQ(t.hp, 5);
    EXPECT_EQ(t.shot_wait, 3);
}

TEST(TekiSpawn, EasyLeavesOneHitPoint) {
    auto g = game_with_types();
    g->my.easy = 1;
    spawn_teki(*g, 1, 1, 14);
    spawn_teki(*g, 2, 1, 17);
    EXPECT_EQ(g->teki[2].hp, 1);
    EXPECT_EQ(g->teki[3].hp, 1);
}

TEST(TekiSpawn, OverwritesTheOldRecordWhole) {
    auto g = game_with_types();
    g->teki_next = 4;
    g->teki[6].vx = 9;
    g->teki[6].jump = 3;
    spawn_teki(*g, 1, 1, 2);
    EXPECT_EQ(g->teki_next, 5);
    EXPECT_EQ(g->teki[6].vx, 0);
    EXPECT_EQ(g->teki[6].jump, 0);
}

TEST(TekiSpawn, TypeZeroAndBelowSpawnNothing) {
    auto g = game_with_types();
    spawn_teki(*g, 1, 1, 0);
    spawn_teki(*g, 1, 1, -4);
    spawn_teki(*g, 1, 1, 100);
    EXPECT_EQ(g->teki_next, 0);
    for (const tman& t : g->teki) EXPECT_EQ(t.alive, 0);
}

TEST(TekiSpawn, SkipsBusySlotsAndWrapsAfterSlot998) {
    auto g = game_with_types();
    g->teki_next = 997;
    g->teki[999].alive = 5; // slot 998
    g->teki[1].alive = 5;   // slot 0
    spawn_teki(*g, 3, 4, 1);
    EXPECT_EQ(g->teki_next, 1);
    EXPECT_EQ(g->teki[2].kind, 1);
    EXPECT_EQ(g->teki[1000].alive, 0); // row 1000 is never a spawn slot
}

TEST(TekiSpawn, AFullPoolOverwritesTheSlotItEndsOn) {
    auto g = game_with_types();
    for (int i = 1; i <= 999; ++i) g->teki[std::size_t(i)].alive = 2;
    g->teki_next = 10;
    spawn_teki(*g, 3, 4, 16);
    EXPECT_EQ(g->teki_next, 10); // 999 steps round the ring of 999
    EXPECT_EQ(g->teki[11].kind, 16);
    EXPECT_EQ(g->teki[11].alive, 1);
}

// ---- item spawn --------------------------------------------------------------------

TEST(ItemSpawn, TakesTheNextFreeRecord) {
    auto g = game_with_types();
    g->item[2].alive = 1; // slot 1, the first the ring looks at
    g->item[2].kind = 3;
    spawn_item(*g, 12, 7, 10, 5);
    EXPECT_EQ(g->item_next, 2);
    const tman& it = g->item[3];
    EXPECT_EQ(it.alive, 1);
    EXPECT_EQ(it.kind, 5);
    EXPECT_EQ(it.x, 12);
    EXPECT_EQ(it.y, 7);
    EXPECT_EQ(it.size, 10);
    EXPECT_EQ(g->item[2].kind, 3);
}

TEST(ItemSpawn, WrapsAfterSlot98AndOverwritesWhenFull) {
    auto g = game_with_types();
    g->item_next = 98;
    spawn_item(*g, 1, 1, 10, 6);
    EXPECT_EQ(g->item_next, 0);
    for (int i = 1; i <= 99; ++i) g->item[std::size_t(i)].alive = 1;
    g->item_next = 40;
    spawn_item(*g, 1, 1, 10, 7);
    EXPECT_EQ(g->item_next, 41); // the first record it looked at
    EXPECT_EQ(g->item[42].kind, 7);
    EXPECT_EQ(g->item[100].alive, 0);
}

TEST(ItemSpawn, KindNinetyNineIsAPlainCoinWithoutDraws) {
    auto g = game_with_types();
    for (int i = 0; i < 200; ++i) spawn_item(*g, 1, 1, 10, kPlainCoin);
    EXPECT_EQ(g->random.draws(), 0u);
    for (int i = 1; i <= 99; ++i) EXPECT_EQ(g->item[std::size_t(i)].kind, 0);
}

TEST(ItemSpawn, ACoinAlwaysDrawsTwiceAndMayBecomeAnotherCoin) {
    auto g = game_with_types();
    g->random.reseed(11);
    int counts[20] = {};
    const int n = 4000;
    for (int i = 0; i < n; ++i) {
        spawn_item(*g, 1, 1, 10, 0);
        tman& it = g->item[std::size_t(g->item_next + 1)];
        ++counts[it.kind];
        it.alive = 0;
    }
    EXPECT_EQ(g->random.draws(), 2u * n);
    EXPECT_EQ(counts[0] + counts[9] + counts[4], n);
    // 0: 4/5 * 19/20 = 76 %, 9: 1/5 * 19/20 = 19 %, 4: 5 %.
    EXPECT_NEAR(counts[0], 0.76 * n, 0.04 * n);
    EXPECT_NEAR(counts[9], 0.19 * n, 0.03 * n);
    EXPECT_NEAR(counts[4], 0.05 * n, 0.02 * n);
}

TEST(ItemSpawn, TheUpgradeFollowsTheTwoDrawsInOrder) {
    // Replays the generator to know each draw, then checks the kind.
    auto g = game_with_types();
    Random mirror(5);
    g->random.reseed(5);
    for (int i = 0; i < 300; ++i) {
        const bool nine = mirror(5) == 0;
        const bool four = mirror(20) == 0;
        spawn_item(*g, 1, 1, 10, 0);
        const int kind = g->item[std::size_t(g->item_next + 1)].kind;
        EXPECT_EQ(kind, four ? 4 : nine ? 9 : 0) << i;
        g->item[std::size_t(g->item_next + 1)].alive = 0;
    }
}

} // namespace
} // namespace tsu
