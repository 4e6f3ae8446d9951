// The per-set view of a ranking entry.
#include "ranking/tplayer.h"

namespace tsu {

SetRecord set_record(const tplayer& p, int set) {
    if (set <= 0 || set >= kStageSets) return {p.hi_score, p.hi_chara, p.hi_stage, p.play_count};
    const auto s = std::size_t(set);
    return {p.ex_score[s], p.ex_chara[s], p.ex_stage[s], p.ex_play[s]};
}

} // namespace tsu
