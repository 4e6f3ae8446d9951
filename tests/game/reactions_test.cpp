// The reaction table and where a reaction appears.
#include "game/reactions.h"
#include "support/game_fixture.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tsu {
namespace {

using testing::GameFixture;

constexpr int kPerHeroine[] = {0,   26,  27,  57,  72,  74,  84,  104,
                               105, 272, 273, 274, 275, 276, 277, 399};

TEST(Reaction, TableHasItsShapeAndEveryWordingOnce) {
    const auto table = reaction_table();
    ASSERT_EQ(table.size(), std::size_t(kReactionEntries));
    const std::set<int> per_heroine(std::begin(kPerHeroine), std::end(kPerHeroine));
    std::set<std::string> seen;
    for (int i = 0; i < kReactionEntries; ++i) {
        const ReactionEntry& e = table[std::size_t(i)];
        const bool own = per_heroine.count(i) != 0;
        EXPECT_EQ(e.text_chara1 != nullptr, own) << i;
        EXPECT_EQ(e.text_chara2 != nullptr, own) << i;
        for (const char* w : {e.text, e.text_chara1, e.text_chara2}) {
            if (w == nullptr) continue;
            EXPECT_FALSE(std::string(w).empty()) << i;
            EXPECT_TRUE(seen.insert(w).second) << i << " repeats " << w;
        }
    }
    for (const char* quoted : {"うわあああああ", "わーお", "いい！！", "惚れた…", "ラヴユー！",
                               "はきゅん", "ぴぎゃああああ", "なむー", "あぼーん", "うわらば"})
        EXPECT_TRUE(seen.count(quoted)) << quoted;
}

TEST(Reaction, WordingFollowsTheHeroine) {
    EXPECT_STREQ(reaction_text(0, 0), "ソラちゃん…");
    EXPECT_STREQ(reaction_text(0, 1), "スズちゃん…");
    EXPECT_STREQ(reaction_text(0, 2), "ナギちゃん…");
    EXPECT_STREQ(reaction_text(0, 3), "ソラちゃん…");
    EXPECT_STREQ(reaction_text(0, -1), "ソラちゃん…");
    // A shared entry reads the same for everyone.
    EXPECT_STREQ(reaction_text(1, 2), reaction_text(1, 0));
    EXPECT_STRNE(reaction_text(399, 1), reaction_text(399, 2));
}

TEST(Reaction, NothingAndNoDrawWithTextEffectsOff) {
    GameFixture f;
    Game& g = f.g();
    g.my.effect_off = 1;
    const auto draws = g.random.draws();
    show_reaction(g, 5, 10);
    EXPECT_EQ(g.random.draws(), draws);
    EXPECT_EQ(g.effects.effect_cursor, 0);
    for (int s = 0; s < kEffectSlots; ++s)
        EXPECT_FALSE(g.effects.active(s)) << s;
}

// Replays the draws of one reaction from `seed` and checks the spawned slot.
void check_reaction(Game& g, std::uint64_t seed, int column, int row, std::set<int>& kinds) {
    const int kind_of[] = {19, 199, 299};
    const int lift_of[] = {20, 25, 30};
    g.random.reseed(seed);
    const int entry = g.rnd(400), style = g.rnd(3), dx = g.rnd(20), dy = g.rnd(60);
    g.random.reseed(seed);
    show_reaction(g, column, row);
    const auto s = std::size_t(g.effects.effect_cursor);
    ASSERT_TRUE(g.effects.active(int(s)));
    const int kind = g.effects.ef_kind[s], x = g.effects.ef_x[s], y = g.effects.ef_y[s];
    EXPECT_EQ(g.random.draws(), 4u);
    EXPECT_EQ(kind, kind_of[style]) << seed;
    EXPECT_EQ(g.effects.ef_text[s], reaction_text(entry, g.chara)) << seed;
    EXPECT_EQ(x, 20 * column + 10 - dx) << seed;
    EXPECT_EQ(y, 20 * row - dy - lift_of[style]) << seed;
    EXPECT_GE(x, 20 * column + 10 - 19);
    EXPECT_LE(x, 20 * column + 10);
    EXPECT_GE(y, 20 * row - 59 - lift_of[style]);
    EXPECT_LE(y, 20 * row - lift_of[style]);
    kinds.insert(kind);
}

TEST(Reaction, PlacedAboveTheCellInOneOfThreeStyles) {
    GameFixture f;
    Game& g = f.g();
    std::set<int> kinds;
    for (std::uint64_t seed = 1; seed <= 60; ++seed) {
        g.chara = int(seed % 4); // 3 stands for a heroine out of range
        check_reaction(g, seed, int(seed % 26), int(seed % 20), kinds);
    }
    EXPECT_EQ(kinds, (std::set<int>{19, 199, 299}));
}

TEST(Reaction, EachDefeatGetsItsOwnSlot) {
    GameFixture f;
    Game& g = f.g();
    g.chara = 2;
    for (int i = 0; i < 5; ++i)
        show_reaction(g, 3 + i, 8);
    EXPECT_EQ(g.effects.effect_cursor, 5);
    for (int s = 1; s <= 5; ++s) {
        const auto i = std::size_t(s);
        ASSERT_TRUE(g.effects.active(s));
        EXPECT_GE(g.effects.ef_x[i], 20 * (s + 2) + 10 - 19) << s;
        EXPECT_LE(g.effects.ef_x[i], 20 * (s + 2) + 10) << s;
        EXPECT_FALSE(g.effects.ef_text[i].empty());
    }
}

} // namespace
} // namespace tsu
