// Round-robin choice over the seven sets' best players.
#include "answer_choice.h"

#include <algorithm>
#include <unordered_set>

namespace tsu::rankd {

std::vector<Candidate> choose_answer(const std::array<std::vector<Candidate>, kStageSets>& top,
                                     const Candidate& poster, int limit) {
    std::vector<Candidate> chosen;
    if (limit <= 0) return chosen;
    const auto room = std::size_t(limit);
    chosen.reserve(room);
    std::unordered_set<int64_t> taken;
    chosen.push_back(poster);
    taken.insert(poster.id);
    std::size_t longest = 0;
    for (const auto& list : top) longest = std::max(longest, list.size());
    for (std::size_t k = 0; k < longest && chosen.size() < room; ++k) {
        for (const auto& list : top) {
            if (k >= list.size() || chosen.size() >= room) continue;
            if (taken.insert(list[k].id).second) chosen.push_back(list[k]);
        }
    }
    std::sort(chosen.begin(), chosen.end(), [](const Candidate& a, const Candidate& b) {
        return a.rank_time != b.rank_time ? a.rank_time > b.rank_time : a.id > b.id;
    });
    return chosen;
}

} // namespace tsu::rankd
