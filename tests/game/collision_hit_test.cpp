// The hit: the love note's shield, what a hit costs and shows, and the
// consolation texts.
#include "game/collision.h"
#include "game/consolation_texts.h"
#include "game/enemy_test_world.h"
#include "game/game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace tsu {
namespace {

using testing::EnemyWorld;
using testing::V;

// Texts of the live effects of a kind.
std::vector<std::string> effects_of_game(const Game& g, int kind) {
    std::vector<std::string> v;
    const EffectPool& p = g.effects;
    for (int i = 0; i < kEffectSlots; ++i)
        if (p.ef_age[std::size_t(i)] >= 1 && p.ef_kind[std::size_t(i)] == kind)
            v.push_back(p.ef_text[std::size_t(i)]);
    return v;
}

struct Hit : EnemyWorld {
    std::vector<std::string> effects_of(int kind) const { return effects_of_game(*game, kind); }
};

TEST_F(Hit, LoveNoteAbsorbsThenIgnoresForSixTicksThenAbsorbsAgain) {
    g().my.love = 400;
    g().my.combo = 7;
    hit(g());
    EXPECT_EQ(V({g().my.love, g().love_guard, g().my.lives, g().my.combo, g().my.blink}),
              V({334, 6, 3, 7, 1}));
    EXPECT_EQ(platform.sounds, std::vector<std::string>({"down3.wav"}));
    for (int t = 0; t < 6; ++t) {
        hit(g());
        g().love_guard -= 1; // what the love note's step does each tick
    }
    EXPECT_EQ(V({g().my.love, g().love_guard, g().my.misses}), V({334, 0, 0}));
    g().last_se.clear();
    hit(g());
    EXPECT_EQ(V({g().my.love, g().love_guard, g().my.lives}), V({268, 6, 3}));
    EXPECT_EQ(platform.sounds.size(), 2u);
    EXPECT_TRUE(effects_of(kConsolationEffect).empty());
}

TEST_F(Hit, LoveNoteAbsorbsWhileBlinkingAndItsGraceEndsWithIt) {
    g().my.love = 10;
    g().my.blink = 15;
    hit(g());
    EXPECT_EQ(V({g().my.love, g().my.lives, g().love_guard}), V({-56, 3, 6}));
    hit(g()); // the note is used up: its grace no longer shields her
    EXPECT_EQ(V({g().my.lives, g().my.blink}), V({2, 20}));
}

TEST_F(Hit, HitStopsHerEndsTheComboAndFlashes) {
    g().my.x = 7;
    g().my.y = 12;
    g().my.target_x = 11;
    g().my.jump = 3;
    g().my.combo = 9;
    hit(g());
    EXPECT_EQ(V({g().my.target_x, g().my.jump, g().my.combo, g().my.misses, g().my.lives}),
              V({7, 0, 0, 1, 2}));
    const EffectPool& p = g().effects;
    bool flash = false;
    for (int i = 0; i < kEffectSlots; ++i)
        flash = flash || (p.ef_age[std::size_t(i)] == 1 && p.ef_kind[std::size_t(i)] == kHitEffect &&
                          p.ef_x[std::size_t(i)] == 150 && p.ef_y[std::size_t(i)] == 250);
    EXPECT_TRUE(flash);
    EXPECT_EQ(platform.sounds, std::vector<std::string>({"damage.wav"}));
}

TEST_F(Hit, TwoToFourConsolationTextsCrossTheView) {
    std::set<int> counts;
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        g().effects.free_all();
        g().random.reseed(seed);
        g().my.lives = 5;
        hit(g());
        const auto texts = effects_of(kConsolationEffect);
        counts.insert(int(texts.size()));
        for (const std::string& t : texts)
            ASSERT_NE(std::find(kConsolation.begin(), kConsolation.end(), t), kConsolation.end()) << t;
        const EffectPool& p = g().effects;
        for (int i = 0; i < kEffectSlots; ++i) {
            if (p.ef_age[std::size_t(i)] >= 1 && p.ef_kind[std::size_t(i)] == kConsolationEffect) {
                ASSERT_EQ(V({p.ef_x[std::size_t(i)], p.ef_y[std::size_t(i)]}), V({0, 0}));
            }
        }
    }
    EXPECT_EQ(counts, std::set<int>({2, 3, 4}));
}

TEST_F(Hit, NoConsolationWithTextEffectsOffButTheSameDraws) {
    g().my.effect_off = 1;
    hit(g());
    EXPECT_TRUE(effects_of(kConsolationEffect).empty());
    EXPECT_EQ(effects_of(kHitEffect).size(), 1u);
    // The choices are still drawn, so a run replays alike with either setting.
    testing::GameFixture other;
    other.g().mode = 1;
    other.g().my.lives = 3;
    hit(other.g());
    EXPECT_FALSE(effects_of_game(other.g(), kConsolationEffect).empty());
    EXPECT_EQ(g().random.draws(), other.g().random.draws());
}

TEST_F(Hit, LastLifeEndsTheRun) {
    g().my.lives = 1;
    g().my.red_fire = 30;
    hit(g());
    EXPECT_EQ(V({g().my.lives, g().mode, g().my.red_fire}), V({0, 2, 0}));
}

TEST(ConsolationTexts, FortyFiveDistinctOneLiners) {
    std::set<std::string> seen;
    for (const char* t : kConsolation) {
        ASSERT_NE(t, nullptr);
        const std::string s = t;
        EXPECT_FALSE(s.empty());
        EXPECT_LE(s.size(), 60u) << s; // a one-liner
        EXPECT_EQ(s.find("\xE3\x80\x9C"), std::string::npos) << s; // wave dash that CP932 lacks
        seen.insert(s);
    }
    EXPECT_EQ(seen.size(), 45u);
}

TEST(ConsolationTexts, OpeningAndClosingLinesInTheirPlaces) {
    const std::vector<std::string> first = {
        "くらったｗｗｗ", "やってしまったね……", "ああっ", "そこで当たるのは辛い……", "残念",
        "あああああ", "ｱｯｰ", "惜しい……", "落ち着けｗ", "ドンマイ　ドンマイ", "痛い",
        "そこでくらうのかｗ", "OH NO!!"};
    const std::vector<std::string> last = {"落ち着けと何度言えばｗ", "人生にはそういうこともあります",
                                           "まだまだいけるさ～", "余裕余裕いけるいける～",
                                           "ちょっとくらい大丈夫♪"};
    for (std::size_t i = 0; i < first.size(); ++i) EXPECT_EQ(kConsolation[i], first[i]) << i;
    for (std::size_t i = 0; i < last.size(); ++i) EXPECT_EQ(kConsolation[40 + i], last[i]) << i;
}

} // namespace
} // namespace tsu
