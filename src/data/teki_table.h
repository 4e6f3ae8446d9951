// The enemy type table: one template record per enemy type, filled once at
// start-up. Enemy type t lives in row t + 1 of `teki_type`; row 1 (type 0)
// is the blank template that also empties the enemy pool.
#pragma once

namespace tsu {

struct Game;

inline constexpr int kTekiTypes = 26; // types 0..25, rows 1..26

// Writes the 26 templates into teki_type rows 1..26; no other row changes.
void fill_teki_type(Game& g);

} // namespace tsu
