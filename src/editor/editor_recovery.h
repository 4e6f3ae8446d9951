// The editor's recovery file: while the grid holds edits that were not
// saved, a copy of it (with the stage kind, number and weather) is kept in
// the player's data folder, written whole or not at all, at most every few
// seconds. Opening the editor after a crash or a close without saving offers
// it back; a MAP SAVE removes it.
#pragma once
#include <string>

namespace tsu {

struct Game;

// Ticks between two writes of the recovery file (about 3 seconds).
inline constexpr int kRecoveryTicks = 38;

// The recovery file, in the player's data folder beside the save file.
std::string recovery_path(const Game& g);

// Every editor tick: writes the file when the grid changed since the last
// write and the interval has passed.
void keep_recovery(Game& g);
// Writes it now when there are unsaved edits (the window closes).
void write_recovery_now(Game& g);
// The grid was saved: the file goes.
void drop_recovery(Game& g);
// Offers a recovery file left behind with a Yes/No question; Yes puts its
// grid back (one undo step), No removes it.
void offer_recovery(Game& g);

// The file's text, and reading it back into the game (false when the text
// is not a recovery file).
std::string recovery_text(const Game& g);
bool restore_recovery(Game& g, const std::string& text);

} // namespace tsu
