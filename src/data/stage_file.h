// Loading and saving stages and the chip passability file in the data
// root's dat folder: dat/mapN.dat and dat/chip.dat.
#pragma once
#include <string>

namespace tsu {

struct Game;

// Path stage file n is read from: map<n>.dat in the user data folder when
// the player has one there, else <root>/dat/map<n>.dat.
std::string stage_path(const Game& g, int n);
// Path the chip passability file is read from, found the same way.
std::string chip_path(const Game& g);

// Loads stage n + 10 * stage_set: scroll 0, empties the pools, fills the
// grid cell by cell (placing the items of the item marker chips and the
// enemies as it goes), then reads chip.dat, sets the editor's weather button
// (only for a weather of 0..4) and my.weather, and gives one more life on
// EASY. Values that would index a table are made safe as they are read:
// a lower chip outside 0..49, an upper chip outside 0..22 and an enemy type
// outside 0..25 become 0.
// On a fault (missing file or folder, a line that is no number, a file that
// ends early) the error goes to a message box and false comes back: the
// pools are empty, the grid holds the values read before the fault and old
// values after it, and the later steps (chip.dat, weather, EASY life) are
// skipped.
bool load_stage(Game& g, int n);

// Writes stage n (no stage_set offset) from the grid and stage_weather and,
// for n < 100 (the official stages), chip.dat from the passability tables.
// Each file is replaced whole or not at all. On a fault the error goes to a
// message box and false comes back.
bool save_stage(Game& g, int n);

// chip.dat alone: read into pass_lower/pass_upper, or written from them.
// Same error handling as above.
bool load_chips(Game& g);
bool save_chips(Game& g);

} // namespace tsu
