// Texts of the ranking screen that depend on a stage set, a heroine or a
// stage: shared by the game's ranking screen and the server's web page.
#pragma once
#include <string>

namespace tsu {

// "IR MODE", "IR MODE of カオスステージ", ... for sets 0..6; "" otherwise.
std::string ir_set_title(int set);

// 0 "旧verでの記録のため不明", 1 "花園ソラ", 2 "鈴森スズ", 3 "凪野ナギ"; "" otherwise.
std::string ir_heroine_name(int chara);

// The stage in decimal, or "<<クリア>>" from 8 (every stage cleared) on.
std::string ir_stage_text(int stage);

} // namespace tsu
