// The extra-stage panel: its six packs, their records and starting a pack.
#pragma once
#include <string>

namespace tsu {

struct Game;

// Names of the packs 1..6 as their buttons read.
const char* pack_caption(int pack);
// Starts a new run on pack 1..6.
void start_pack(Game& g, int pack);
// Refreshes `ex_stage_l` with the record text (every 80 ms while shown).
void Timer3Timer(Game& g);
// The panel's record text: one block per pack, three lines apart.
std::string extra_record_text(const Game& g);

} // namespace tsu
