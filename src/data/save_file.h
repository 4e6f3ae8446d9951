// The save file dat/my.dat: records, options and the ranking profile in 40
// lines of text (Shift-JIS on disk, UTF-8 in memory), with two check values
// that zero a score edited by hand.
#pragma once
#include <cstdint>
#include <string>

namespace tsu {

struct Game;
struct tmy;

inline constexpr int kSaveLines = 40;

// Where the save file is written: my.dat in the user data folder (<root>/dat
// for a writable copy). It is read from there, else from <root>/dat.
std::string save_path(const Game& g);

// Check value A (line 10): play_count + hi_score * hi_score, wrapping in 32
// bits.
int32_t save_check_a(const tmy& my);
// Check value B (line 29): the golds of extra packs 1..4 summed in 32 bits
// (wrapping), divided by 3 toward zero.
int32_t save_check_b(const tmy& my);

enum class SaveLoad {
    loaded,      // read; a score whose check value failed is now 0
    initialized, // read, but the file had never been reset: reset_save ran
    missing,     // there is no file yet (its folder is there): nothing was
                 // changed or shown
    failed,      // not read (no dat folder, a file that cannot be opened, a
                 // line that is no number, a file that ends early): the values
                 // read before the fault are kept, and the checks and the
                 // reset were skipped
};

// Reads the save file into `my` and `comment`, and the text lines as they
// are on disk into `save_memory`. A failure is shown in a message box.
SaveLoad load_save(Game& g);

// Start-up's read of the save file. A missing file is the first start: the
// reset values, and the file written at once, quietly. A file that cannot
// be read is kept beside itself as "my.dat.unreadable-<date>-<time>" before
// anything can write over it; one message says that the records could not
// be read and where the copy is, and the game goes on from the reset
// values. When no copy can be made, the file is never written over. (A
// file read from the data root while the game writes to the user data
// folder is not written over anyway, and stays as it is.) Returns false when a file was there but could not be read.
bool load_save_at_start(Game& g);

// Writes the 40 lines from `my` and `comment`, replacing the file whole or
// not at all. A text the player has not changed since it was read is
// written back with the file's own bytes. A line break inside a text would
// split the file's lines, so it is written as a blank. A new text that has
// no Shift-JIS form is an error: a message box names it and nothing is
// written. Returns false on any fault.
bool write_save(Game& g);

// Puts records and profile back to their defaults and shows "初期化しました".
// The sound, music and text-effect options and ir_id stay. Memory only: the
// next write_save stores it.
void reset_save(Game& g);

// The same reset without the message.
void reset_save_values(Game& g);

} // namespace tsu
