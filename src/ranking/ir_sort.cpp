// Selection by score: each rank takes the best entry not yet placed, the
// later of equal ones, never one below entry 0's score of zero.
#include "ranking/ir_sort.h"

namespace tsu {

void ir_sort(RankingTable& ranking, IrOrder& ir_order) {
    for (auto& set : ir_order) set.fill(0);
    tplayer& notice = ranking[0];
    notice.hi_score = 0;
    for (int s = 1; s < kStageSets; ++s) notice.ex_score[std::size_t(s)] = 0;

    for (int s = 0; s < kStageSets; ++s) {
        std::array<bool, kRankingEntries> placed{};
        for (int k = 0; k < kRankingEntries; ++k) {
            int candidate = 0;
            for (int j = 1; j < kRankingEntries; ++j) {
                const tplayer& e = ranking[std::size_t(j)];
                if (set_record(e, s).score >= set_record(ranking[std::size_t(candidate)], s).score &&
                    !placed[std::size_t(j)] && !e.name.empty())
                    candidate = j;
            }
            ir_order[std::size_t(s)][std::size_t(k)] = candidate;
            if (candidate != 0) placed[std::size_t(candidate)] = true;
        }
    }
}

} // namespace tsu
