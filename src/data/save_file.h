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
    failed,      // not read (missing file or folder, a line that is no
                 // number, a file that ends early): the error was shown in a
                 // message box, the values read before it are kept, and the
                 // checks and the reset were skipped
};

// Reads the save file into `my` and `comment`.
SaveLoad load_save(Game& g);

// Start-up's read of the save file. A file that cannot be read is reported
// once (by load_save) and the game starts from the reset values without a
// second message; the file is created by the next write_save. Returns false
// in that case.
bool load_save_at_start(Game& g);

// Writes the 40 lines from `my` and `comment`, replacing the file whole or
// not at all. A line break inside a text would split the file's lines, so it
// is written as a blank. A text that has no Shift-JIS form is an error: a
// message box names it and nothing is written. Returns false on any fault.
bool write_save(Game& g);

// Puts records and profile back to their defaults and shows "初期化しました".
// The sound, music and text-effect options and ir_id stay. Memory only: the
// next write_save stores it.
void reset_save(Game& g);

// The same reset without the message.
void reset_save_values(Game& g);

} // namespace tsu
