#include "data/teki_table.h"
#include "game/game.h"
#include "game/item_spawn.h"
#include "game/teki_spawn.h"

#include <gtest/gtest.h>

#include <memory>

namespace tsu {
namespace {

using V = std::vector<int32_t>;

std::unique_ptr<Game> game_with_types() {
    auto g = std::make_unique<Game>();
    fill_teki_type(*g);
    clear_objects(*g);
    return g;
}

TEST(TekiTable, TheBlankTemplateMakesFreeSlots) {
    auto g = game_with_types();
    const tman& blank = g->teki_type[1];
    EXPECT_EQ(blank.name, "");
    EXPECT_EQ(V({blank.image, blank.move_wait, blank.size, blank.hp}), V({3, 1, 0, 0}));
    for (int i : {1, 500, 1000}) {
        const tman& t = g->teki[std::size_t(i)];
        EXPECT_EQ(V({t.alive, t.image, t.move_wait}), V({0, 3, 1})) << i;
    }
}

TEST(TekiTable, FillsTypesOneToTwentyFiveWithTheirNamesAndTouchesNoOtherRow) {
    auto g = std::make_unique<Game>();
    g->teki_type[0].hp = 77;
    g->teki_type[27].hp = 78;
    fill_teki_type(*g);
    EXPECT_EQ(V({g->teki_type[0].hp, g->teki_type[27].hp}), V({77, 78}));
    for (int t = 1; t <= 25; ++t) {
        const tman& m = g->teki_type[std::size_t(t + 1)];
        EXPECT_FALSE(m.name.empty()) << t;
        EXPECT_EQ(V({m.size, m.kind, m.alive}), V({10, 0, 0})) << t;
    }
    // Full-width spaces belong to the names.
    EXPECT_EQ(g->teki_type[9].name, "無\u3000\u3000");
    EXPECT_EQ(g->teki_type[18].name, "針\u3000\u3000");
    EXPECT_EQ(g->teki_type[15].name + g->teki_type[16].name, "ＵＦＯ赤UFO");
    const tman& robo2 = g->teki_type[26];
    EXPECT_EQ(robo2.name, "ローボ２");
    EXPECT_EQ((V{robo2.image, robo2.move, robo2.gravity, robo2.hp, robo2.move_wait,
                                robo2.shot, robo2.shot_wait, robo2.shot_speed}),
              (V{65, 2, 1, 3, 0, 4, 32, 2}));
    EXPECT_EQ(g->teki_type[18].hp, 99); // the needle cannot be hurt
}

TEST(TekiSpawn, CopiesTheTemplateIntoTheNextFreeSlot) {
    auto g = game_with_types();
    g->teki[3].alive = 5; // slot 2
    g->teki[4].vx = 9;    // left over from an older enemy
    spawn_teki(*g, 40, 12, 14);
    // The ring moves on before it looks: from slot 0 past the busy slot 2.
    EXPECT_EQ(g->teki_next, 1);
    spawn_teki(*g, 40, 12, 14);
    EXPECT_EQ(g->teki_next, 3);
    const tman& t = g->teki[4];
    EXPECT_EQ(t.name, "ＵＦＯ");
    EXPECT_EQ((V{t.kind, t.image, t.x, t.y, t.alive, t.jump, t.hp, t.vx}),
              (V{14, 20, 40, 12, 1, 0, 5, 0}));
    g->my.easy = 1;
    spawn_teki(*g, 1, 1, 14);
    spawn_teki(*g, 1, 1, 17); // even the needle
    EXPECT_EQ(V({g->teki[5].kind, g->teki[5].hp, g->teki[6].kind, g->teki[6].hp}),
              V({14, 1, 17, 1}));
}

TEST(TekiSpawn, TypesOutsideTheTableSpawnNothing) {
    auto g = game_with_types();
    for (int type : {0, -4, 100}) spawn_teki(*g, 1, 1, type);
    EXPECT_EQ(g->teki_next, 0);
    for (const tman& t : g->teki) EXPECT_EQ(t.alive, 0);
}

TEST(TekiSpawn, TheRingWrapsAfterSlot998AndAFullPoolOverwrites) {
    auto g = game_with_types();
    g->teki_next = 997;
    g->teki[999].alive = g->teki[1].alive = 5; // slots 998 and 0
    spawn_teki(*g, 3, 4, 1);
    EXPECT_EQ(g->teki_next, 1);
    for (int i = 1; i <= 999; ++i) g->teki[std::size_t(i)].alive = 2;
    g->teki_next = 10;
    spawn_teki(*g, 3, 4, 16);
    EXPECT_EQ(g->teki_next, 10); // 999 steps round a ring of 999
    EXPECT_EQ(V({g->teki[11].kind, g->teki[11].alive}), V({16, 1}));
    EXPECT_EQ(g->teki[1000].alive, 0); // row 1000 is never a spawn slot
}

TEST(ItemSpawn, TakesTheNextFreeRecordAndOverwritesWhenFull) {
    auto g = game_with_types();
    g->item[2].alive = 1; // slot 1, the first the ring looks at
    g->item[2].kind = 3;
    spawn_item(*g, 12, 7, 10, 5);
    EXPECT_EQ(g->item_next, 2);
    const tman& it = g->item[3];
    EXPECT_EQ((V{it.alive, it.kind, it.x, it.y, it.size, g->item[2].kind}),
              (V{1, 5, 12, 7, 10, 3}));
    g->item_next = 98;
    spawn_item(*g, 1, 1, 10, 6);
    EXPECT_EQ(g->item_next, 0);
    for (int i = 1; i <= 99; ++i) g->item[std::size_t(i)].alive = 1;
    g->item_next = 40;
    spawn_item(*g, 1, 1, 10, 7);
    EXPECT_EQ(g->item_next, 41); // the first record it looked at
    EXPECT_EQ(g->item[42].kind, 7);
}

TEST(ItemSpawn, ACoinDrawsTwiceForItsUpgradeAndAPlainCoinNever) {
    auto g = game_with_types();
    for (int i = 0; i < 200; ++i) spawn_item(*g, 1, 1, 10, kPlainCoin);
    EXPECT_EQ(g->random.draws(), 0u);
    EXPECT_EQ(g->item[50].kind, 0);
    Random mirror(5); // replays the draws to know each one
    g->random.reseed(5);
    int counts[20] = {};
    for (int i = 0; i < 2000; ++i) {
        const bool nine = mirror(5) == 0;
        const bool four = mirror(20) == 0;
        spawn_item(*g, 1, 1, 10, 0);
        tman& it = g->item[std::size_t(g->item_next + 1)];
        EXPECT_EQ(it.kind, four ? 4 : nine ? 9 : 0) << i;
        ++counts[it.kind];
        it.alive = 0;
    }
    EXPECT_EQ(g->random.draws(), 4000u);
    EXPECT_NEAR(counts[9], 0.19 * 2000, 60); // 1/5 * 19/20
    EXPECT_NEAR(counts[4], 0.05 * 2000, 35);
}

} // namespace
} // namespace tsu
