// What a defeated enemy says: a short reaction, drawn from a table of 400,
// pops up above the spot where it fell.
#pragma once
#include <span>

namespace tsu {

struct Game;

inline constexpr int kReactionEntries = 400;

// One entry of the table: a wording for every heroine, or one per heroine.
struct ReactionEntry {
    const char* text;                  // the first heroine's wording, or everyone's
    const char* text_chara1 = nullptr; // the second heroine's, when she has her own
    const char* text_chara2 = nullptr; // the third heroine's, when she has her own
};

// The table, entries 0..399.
std::span<const ReactionEntry> reaction_table();

// The wording of `entry` (0..399) for heroine `chara`; a heroine outside 0..2
// gets the first wording.
const char* reaction_text(int entry, int chara);

// A reaction above the defeated enemy's view cell: a random entry in the
// current heroine's wording, in one of three sizes. Nothing, and no random
// draw, while text effects are off.
void show_reaction(Game& g, int column, int row);

} // namespace tsu
