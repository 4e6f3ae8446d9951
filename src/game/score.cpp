// Adding gold and the gold milestones.
#include "game/score.h"

#include "game/game.h"
#include "render/effect_spawn.h"

#include <array>

namespace tsu {

int combo_bonus(int combo) {
    if (combo <= 1) return 0;
    if (combo <= 9) return combo;
    if (combo <= 19) return 10 + (combo - 10) / 2;
    if (combo <= 29) return 15 + (combo - 20) / 3;
    if (combo <= 39) return 18 + (combo - 30) / 4;
    if (combo <= 49) return 20 + (combo - 40) / 5;
    return 22 + (combo - 50) / 6;
}

namespace {

struct GoldText {
    int from;  // smallest amount of this row
    int kind;  // effect kind of the "+N両" text
    int lift;  // pixels above the heroine
};
// Bigger amounts rise higher in bigger letters.
constexpr std::array<GoldText, 5> kGoldTexts = {{
    {200, 13, 25},
    {100, 14, 20},
    {50, 15, 15},
    {20, 15, 25},
    {1, 16, 10},
}};

} // namespace

void add_gold(Game& g, int amount) {
    int n = amount;
    if (n <= 20) n = n / 3 + combo_bonus(g.my.combo);
    g.my.gold += n;
    if (n < 1) return;
    for (const GoldText& t : kGoldTexts) {
        if (n < t.from) continue;
        const int x = 20 * g.my.x + 5 + g.rnd(11);
        const int y = 20 * g.my.y - g.rnd(20) - t.lift;
        spawn_effect(g, x, y, t.kind, "+" + std::to_string(n) + "両");
        return;
    }
}

// The sixteen milestone texts: the value N stands between the two parts.
constexpr std::array<std::pair<const char*, const char*>, 16> kMilestoneTexts = {{
    {"", "両ｷﾀｰｰｰｰｰ!!"},
    {"ほい、", "両!!"},
    {"いぇーーーい!!、", "両突破!!"},
    {"", "両ktkr!!"},
    {"もう", "両ですよ!!奥さん!!"},
    {"軽々と", "両突破～!!"},
    {"忍びながら", "両突破でござる!!"},
    {"", "両突破ｷﾀ━―━―━―(ﾟ∀ﾟ)━―━―━―!!!!"},
    {"姫様!! ", "両突破ですじゃー!"},
    {"よっこらしょ！！", "両突破だーい"},
    {"", "両とっぱ～!!"},
    {"おお、早くも", "両"},
    {"", "両"},
    {"", "両キタコレ"},
    {"", "両きたかー"},
    {"", "両きたよ～"},
}};

std::string milestone_text(int index, int value) {
    const auto& [before, after] = kMilestoneTexts[std::size_t(index & 15)];
    return before + std::to_string(value) + after;
}

void check_gold_milestones(Game& g) {
    const int k = g.my.gold / 1000;
    if (k < 1 || k > 10) return;
    int32_t& passed = g.gold_milestone[std::size_t(k - 1)];
    if (passed != 0) return;
    passed = 1;
    const int texts = 1 + g.rnd(3);
    for (int i = 0; i < texts; ++i) spawn_effect(g, 0, 0, 106, milestone_text(g.rnd(16), k * 1000));
}

} // namespace tsu
