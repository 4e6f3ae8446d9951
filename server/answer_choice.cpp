// Round-robin choice over the seven sets' best players.
#include "answer_choice.h"

#include <algorithm>
#include <unordered_set>

namespace tsu::rankd {

std::vector<Candidate> in_turn(const SetBests& top, int count) {
    std::vector<Candidate> turn;
    if (count <= 0) return turn;
    const auto room = std::size_t(count);
    turn.reserve(room);
    std::unordered_set<int64_t> taken;
    taken.reserve(room * 2);
    std::size_t longest = 0;
    for (const auto& list : top) longest = std::max(longest, list.size());
    for (std::size_t k = 0; k < longest && turn.size() < room; ++k) {
        for (const auto& list : top) {
            if (k >= list.size() || turn.size() >= room) continue;
            if (taken.insert(list[k].id).second) turn.push_back(list[k]);
        }
    }
    return turn;
}

// The poster first, then the others in turn: the poster's own place in the
// order only leaves room for one more.
std::vector<Candidate> answer_from(const std::vector<Candidate>& turn, const Candidate& poster, int limit) {
    std::vector<Candidate> chosen;
    if (limit <= 0) return chosen;
    const auto room = std::size_t(limit);
    chosen.reserve(room);
    chosen.push_back(poster);
    for (const Candidate& c : turn) {
        if (chosen.size() >= room) break;
        if (c.id != poster.id) chosen.push_back(c);
    }
    std::sort(chosen.begin(), chosen.end(), [](const Candidate& a, const Candidate& b) {
        return a.rank_time != b.rank_time ? a.rank_time > b.rank_time : a.id > b.id;
    });
    return chosen;
}

} // namespace tsu::rankd
