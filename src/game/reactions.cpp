// Picking a reaction and placing it above the defeated enemy.
#include "game/reactions.h"

#include "game/game.h"
#include "render/effect_spawn.h"

#include <array>

namespace tsu {

namespace {

struct ReactionStyle {
    int kind; // bouncing text effect: small, medium or large letters
    int lift; // pixels above the enemy's cell
};
// Bigger letters start higher so the text clears the sprite.
constexpr std::array<ReactionStyle, 3> kStyles = {{
    {19, 20},
    {199, 25},
    {299, 30},
}};

} // namespace

const char* reaction_text(int entry, int chara) {
    const ReactionEntry& e = reaction_table()[std::size_t(entry)];
    if (chara == 1 && e.text_chara1 != nullptr) return e.text_chara1;
    if (chara == 2 && e.text_chara2 != nullptr) return e.text_chara2;
    return e.text;
}

void show_reaction(Game& g, int column, int row) {
    if (g.my.effect_off == 1) return;
    // The draws come in a fixed order (entry, style, x, y) so a seeded run
    // replays the same reactions.
    const char* text = reaction_text(g.rnd(kReactionEntries), g.chara);
    const ReactionStyle& style = kStyles[std::size_t(g.rnd(int(kStyles.size())))];
    const int x = kCell * column + kCell / 2 - g.rnd(20);
    const int y = kCell * row - g.rnd(60) - style.lift;
    spawn_effect(g, x, y, style.kind, text);
}

} // namespace tsu
