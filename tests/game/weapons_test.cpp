// Weapons and techniques: throws, shots, the blade, fire, the ring, defeats.
#include "data/teki_table.h"
#include "game/teki_spawn.h"
#include "game/weapons.h"
#include "support/game_fixture.h"

#include <gtest/gtest.h>

namespace tsu {
namespace {

using testing::GameFixture;

struct Weapons : ::testing::Test, GameFixture {
    Weapons() {
        Game& G = g();
        fill_teki_type(G);
        G.mode = 1;
        G.my.lives = 3;
        G.my.blink = 1;
        G.my.x = 5;
        G.my.y = 10;
        G.pass_lower[1] = 1;
        G.pass_lower[2] = 2;
    }
    // Spawns an enemy at a view cell and returns its slot.
    int enemy(int type, int x, int y) {
        spawn_teki(g(), x + g().scroll, y, type);
        return g().teki_next;
    }
    tman& teki(int slot) { return g().teki[std::size_t(slot + 1)]; }
    int live_shots() {
        int n = 0;
        for (int r = 1; r <= 30; ++r) n += g().shot[std::size_t(r)].alive >= 1;
        return n;
    }
    int coins() {
        int n = 0;
        for (int r = 1; r <= 99; ++r) n += g().item[std::size_t(r)].alive >= 1;
        return n;
    }
};

TEST_F(Weapons, ZWithTheBladeDuringASwingDoesNothing) {
    g().my.blade = 100;
    z_action(g());
    EXPECT_EQ(g().my.swing, 4);
    EXPECT_EQ(g().my.throws, 1);
    g().my.swing = 2;
    z_action(g());
    EXPECT_EQ(g().my.swing, 2);
    EXPECT_EQ(g().my.throws, 1);
    EXPECT_EQ(live_shots(), 0);
}

TEST_F(Weapons, HoldingRightThrowsFromTheNextColumnAndHitsANeighbour) {
    const int e = enemy(1, 6, 10);
    g().key_right = 1;
    z_action(g());
    ASSERT_EQ(live_shots(), 1);
    attack_checks(g()); // before the shuriken first moves
    EXPECT_EQ(teki(e).hp, 0);
    EXPECT_EQ(live_shots(), 0);
    EXPECT_EQ(g().my.kills, 1);
    EXPECT_EQ(g().my.combo, 1);
    EXPECT_EQ(g().my.combo_timer, 40);
    EXPECT_EQ(coins(), 1); // the walker's template hp
}

TEST_F(Weapons, KunaiFliesThreeWays) {
    g().my.kunai = 50;
    z_action(g());
    std::vector<int> kinds;
    for (int r = 1; r <= 30; ++r)
        if (g().shot[std::size_t(r)].alive) kinds.push_back(g().shot[std::size_t(r)].kind);
    EXPECT_EQ(kinds, (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(g().my.throws, 1);
}

TEST_F(Weapons, PiercingShurikenHurtsEachEnemyOfARowOncePerPass) {
    g().my.kantsu = 50;
    const int a = enemy(13, 6, 10); // 4 hp
    z_action(g());                   // in her own cell
    shot_step(g());                  // now at column 6
    attack_checks(g());
    EXPECT_EQ(teki(a).hp, 3);
    EXPECT_EQ(live_shots(), 1);
    attack_checks(g()); // the second pass of the tick
    EXPECT_EQ(teki(a).hp, 2);
    const int b = enemy(13, 7, 10);
    shot_step(g());
    attack_checks(g());
    EXPECT_EQ(teki(a).hp, 2);
    EXPECT_EQ(teki(b).hp, 3);
}

TEST_F(Weapons, UnhurtableEnemiesIgnoreEveryWeapon) {
    const int spikes = enemy(17, 6, 10);
    g().my.red_fire = 10;
    g().my.blue_fire = 10;
    g().my.muteki = 50;
    g().my.swing = 2;
    spawn_shot(g(), 6, 10, 0);
    attack_checks(g());
    EXPECT_EQ(teki(spikes).hp, 99);
    EXPECT_EQ(g().my.kills, 0);
}

TEST_F(Weapons, TheBladeDefeatsABlastPieceForOneCoin) {
    const int blast = enemy(8, 6, 10);
    g().my.swing = 4; // reach one cell
    attack_checks(g());
    EXPECT_EQ(teki(blast).hp, 0);
    EXPECT_EQ(g().my.kills, 1);
    EXPECT_EQ(coins(), 1);
    // Shots and fire cannot touch blasts.
    const int other = enemy(8, 7, 10);
    g().my.red_fire = 10;
    attack_checks(g());
    EXPECT_EQ(teki(other).hp, 1);
}

TEST_F(Weapons, TheBladeCancelsEnemyShotsAndOpensWhatItReaches) {
    tman& s = g().teki_shot[5];
    s.alive = 1;
    s.x = 7;
    s.y = 10;
    g().view_cell(8, 10).upper = 6; // a treasure box at the far cell of phase 2
    g().my.swing = 2;
    attack_checks(g());
    EXPECT_EQ(s.alive, 0);
    EXPECT_EQ(g().view_cell(8, 10).upper, 0);
    EXPECT_EQ(coins(), 1); // the box's content
}

TEST_F(Weapons, EmptyStocksStillEndTheCombo) {
    g().my.combo = 5;
    g().my.muteki_stock = 0;
    c_action(g());
    EXPECT_EQ(g().my.combo, 0);
    EXPECT_EQ(g().my.muteki, 0);
    g().my.combo = 5;
    g().my.bunshin_stock = 0;
    a_action(g());
    EXPECT_EQ(g().my.combo, 0);
    EXPECT_EQ(live_shots(), 0);
    EXPECT_TRUE(platform.sounds.empty());
}

TEST_F(Weapons, ClonesRainOnEveryColumnAndWalkBothWays) {
    g().my.bunshin_stock = 1;
    for (int c = 0; c <= 26; ++c) g().map[std::size_t(c)][3].lower = 1; // a floor under row 1
    a_action(g());
    EXPECT_EQ(g().my.bunshin_stock, 0);
    EXPECT_EQ(live_shots(), 26);
    shot_step(g()); // they fall to row 1 and stand
    shot_step(g()); // then walk: odd slots left, even slots right
    // The ring starts at slot 1: column c's clone is in slot c + 1.
    for (int c = 1; c <= 24; ++c) {
        const int slot = c + 1;
        const tman& s = g().shot[std::size_t(slot + 1)];
        ASSERT_EQ(s.alive, 1) << c;
        EXPECT_EQ(s.y, 1);
        EXPECT_EQ(s.x, slot % 2 != 0 ? c - 1 : c + 1) << c;
    }
}

TEST_F(Weapons, ShurikenStopsOnPassabilityOneButNotTwo) {
    g().view_cell(7, 10).lower = 2;
    g().view_cell(9, 10).lower = 1;
    spawn_shot(g(), 6, 10, 0);
    shot_step(g());
    EXPECT_EQ(live_shots(), 1); // into the passability-2 cell
    shot_step(g());
    shot_step(g()); // into the passability-1 cell
    EXPECT_EQ(live_shots(), 0);
}

TEST_F(Weapons, CommentsSweepEveryEnemyLeftOfThemWithinSixRows) {
    const int near = enemy(13, 2, 4);
    const int far_row = enemy(13, 2, 17);
    const int right = enemy(13, 12, 10);
    spawn_shot(g(), 10, 10, 5);
    attack_checks(g());
    attack_checks(g());
    EXPECT_EQ(teki(near).hp, 2);
    EXPECT_EQ(teki(far_row).hp, 4);
    EXPECT_EQ(teki(right).hp, 4);
    EXPECT_EQ(live_shots(), 1);
    EXPECT_EQ(g().my.combo, 0); // comments do not count for the combo
}

TEST_F(Weapons, CoinsByWhatDefeatedTheEnemy) {
    // Red fire pays double, blue fire one more.
    enemy(12, 7, 10); // 3 hp
    g().my.red_fire = 10;
    for (int i = 0; i < 3; ++i) attack_checks(g());
    EXPECT_EQ(coins(), 6);
    g().my.red_fire = 0;
    for (auto& it : g().item) it.alive = 0;
    enemy(12, 9, 9);
    g().my.blue_fire = 10;
    for (int i = 0; i < 3; ++i) attack_checks(g());
    EXPECT_EQ(coins(), 4);
    // On EASY: one coin, two by fire.
    for (auto& it : g().item) it.alive = 0;
    g().my.easy = 1;
    g().my.blue_fire = 0;
    enemy(12, 6, 10);
    spawn_shot(g(), 6, 10, 0);
    attack_checks(g());
    EXPECT_EQ(coins(), 1);
}

TEST_F(Weapons, TheRingHurtsNeighboursTwicePerTickWithoutCombo) {
    g().my.muteki_stock = 1;
    c_action(g());
    EXPECT_EQ(g().my.muteki, 120);
    EXPECT_EQ(g().my.ring_r, 500);
    EXPECT_EQ(g().my.ring_v, 100);
    const int e = enemy(13, 6, 11);
    const int own = enemy(13, 5, 10); // her own cell is not in the ring
    attack_checks(g());
    attack_checks(g());
    EXPECT_EQ(teki(e).hp, 2);
    EXPECT_EQ(teki(own).hp, 4);
    c_action(g()); // a second press while it runs does nothing
    EXPECT_EQ(g().my.muteki_stock, 0);
}

TEST_F(Weapons, RingRadiusSwoopsInThenFliesApart) {
    g().my.muteki = 120;
    g().my.ring_r = 500;
    g().my.ring_v = 100;
    ring_step(g());
    // Six closing updates: 500 −100 −67 −45 −30 −20 −14.
    EXPECT_EQ(g().my.ring_r, 224);
    EXPECT_EQ(g().my.ring_v, 10);
    g().my.muteki = 5;
    g().my.ring_r = 30;
    g().my.ring_v = 1;
    ring_step(g());
    EXPECT_EQ(g().my.ring_r, 30 + 1 + 2 + 3 + 4 + 5 + 6);
    EXPECT_EQ(g().my.muteki, 4);
}

TEST_F(Weapons, WithTextEffectsOffADefeatCountsTheSameButSaysNothing) {
    g().my.effect_off = 1;
    const int e = enemy(1, 6, 10);
    spawn_shot(g(), 6, 10, 0);
    attack_checks(g());
    EXPECT_EQ(teki(e).hp, 0);
    EXPECT_EQ(g().my.kills, 1);
    EXPECT_EQ(g().my.combo, 1);
    EXPECT_EQ(coins(), 1);
    for (int i = 0; i < kEffectSlots; ++i) {
        if (g().effects.ef_age[std::size_t(i)] < 1) continue;
        const int kind = g().effects.ef_kind[std::size_t(i)];
        EXPECT_TRUE(kind == 163 || kind == 248) << kind; // the spark and the burst only
    }
}

TEST_F(Weapons, BarrageUsesItsStockAndOverflowsThePool) {
    g().my.danmaku_stock = 1;
    g().my.combo = 4;
    s_technique(g());
    EXPECT_EQ(g().my.danmaku_stock, 0);
    EXPECT_EQ(g().my.combo, 0);
    EXPECT_EQ(live_shots(), 29);
    s_technique(g());
    EXPECT_EQ(platform.sounds.size(), 1u);
}

} // namespace
} // namespace tsu
