// Set titles, heroine names and stage texts of the ranking.
#include "ranking/set_texts.h"

#include <array>

namespace tsu {

std::string ir_set_title(int set) {
    static constexpr std::array<const char*, 7> kTitles = {
        "IR MODE",
        "IR MODE of カオスステージ",
        "IR MODE of パズルステージ",
        "IR MODE of こつぶステージ",
        "IR MODE of 7kzステージ",
        "IR MODE of ハードステージ",
        "IR MODE of トリックステージ",
    };
    return set >= 0 && set < int(kTitles.size()) ? kTitles[std::size_t(set)] : "";
}

std::string ir_heroine_name(int chara) {
    static constexpr std::array<const char*, 4> kNames = {"旧verでの記録のため不明", "花園ソラ",
                                                          "鈴森スズ", "凪野ナギ"};
    return chara >= 0 && chara < int(kNames.size()) ? kNames[std::size_t(chara)] : "";
}

std::string ir_stage_text(int stage) { return stage >= 8 ? "<<クリア>>" : std::to_string(stage); }

} // namespace tsu
