// Keeping the sets' best lists in step with the stored posts.
#include "top_cache.h"

#include "player_sql.h"

#include <algorithm>
#include <unordered_set>

namespace tsu::rankd {

bool ranks_before(const TopCache::Entry& a, const TopCache::Entry& b) {
    if (a.score != b.score) return a.score > b.score;
    if (a.who.rank_time != b.who.rank_time) return a.who.rank_time < b.who.rank_time;
    return a.who.id < b.who.id;
}

bool TopCache::needs_load(int set) const {
    const List& l = lists_[std::size_t(set)];
    return !l.known || (!l.complete && l.best.size() < std::size_t(kAnswerPlayers));
}

void TopCache::load(int set, std::vector<Entry> best, std::vector<std::string> lines) {
    List& l = lists_[std::size_t(set)];
    const bool had_players = !l.best.empty();
    l.complete = best.size() < std::size_t(kDepth);
    l.best = std::move(best);
    l.known = true;
    for (std::size_t i = 0; i < l.best.size() && i < lines.size(); ++i)
        lines_[l.best[i].who.id] = std::move(lines[i]);
    if (had_players) forget_unlisted_lines();
    turn_known_ = false;
}

void TopCache::clear() {
    *this = TopCache{};
}

void TopCache::stored(const tplayer& p, const Candidate& who, const std::string& line) {
    bool dropped = false;
    for (int s = 0; s < kStageSets; ++s) {
        List& l = lists_[std::size_t(s)];
        if (!l.known) continue;
        auto& best = l.best;
        const auto old = std::find_if(best.begin(), best.end(), [&](const Entry& e) { return e.who.id == who.id; });
        if (old != best.end()) {
            best.erase(old);
            turn_known_ = false;
        }
        if (!plays_in(p, s)) continue;
        const Entry mine{who, set_score(p, s)};
        // Every player missing from a list that is not complete ranks
        // after its last one: the poster joins only ahead of that.
        if (!l.complete && (best.empty() || !ranks_before(mine, best.back()))) continue;
        best.insert(std::lower_bound(best.begin(), best.end(), mine, ranks_before), mine);
        turn_known_ = false;
        if (best.size() > std::size_t(kDepth)) {
            best.pop_back();
            dropped = true;
            l.complete = false;
        }
    }
    if (listed(who.id)) lines_[who.id] = line;
    else lines_.erase(who.id);
    if (dropped) forget_unlisted_lines();
}

const std::vector<Candidate>& TopCache::turn() {
    if (!turn_known_) {
        SetBests top;
        for (int s = 0; s < kStageSets; ++s) {
            const auto& best = lists_[std::size_t(s)].best;
            const std::size_t n = std::min(best.size(), std::size_t(kAnswerPlayers));
            top[std::size_t(s)].reserve(n);
            for (std::size_t i = 0; i < n; ++i) top[std::size_t(s)].push_back(best[i].who);
        }
        turn_ = in_turn(top, kAnswerPlayers);
        turn_known_ = true;
    }
    return turn_;
}

const std::string* TopCache::line(int64_t id) const {
    const auto it = lines_.find(id);
    return it == lines_.end() ? nullptr : &it->second;
}

bool TopCache::listed(int64_t id) const {
    for (const List& l : lists_)
        for (const Entry& e : l.best)
            if (e.who.id == id) return true;
    return false;
}

void TopCache::forget_unlisted_lines() {
    std::unordered_set<int64_t> kept;
    for (const List& l : lists_)
        for (const Entry& e : l.best) kept.insert(e.who.id);
    std::erase_if(lines_, [&](const auto& item) { return !kept.count(item.first); });
}

} // namespace tsu::rankd
