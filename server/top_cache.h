// The best players of every set, with their answer lines, as the database
// holds them. A store that is the only writer of its database keeps them
// here and moves the poster to its new place after each stored post, so
// that a post is answered without reading the best lists again; a list is
// read again only when it runs short.
#pragma once
#include "answer_choice.h"

#include <string>
#include <unordered_map>

namespace tsu::rankd {

class TopCache {
  public:
    struct Entry {
        Candidate who;
        int64_t score = 0;
    };

    // Players a list keeps at most: the answer needs kAnswerPlayers of a
    // set, the rest spares a reading when one of them falls back.
    static constexpr int kDepth = 128;

    // Must set s's list be read (again) before an answer? When it was never
    // read, or holds fewer than kAnswerPlayers while the set has more.
    bool needs_load(int set) const;

    // Set s's best players as the database has them now, best first, at
    // most kDepth (fewer: that is all of the set), each with its line.
    void load(int set, std::vector<Entry> best, std::vector<std::string> lines);

    // Forgets every list (after a rolled back post).
    void clear();

    // A post of `p` was stored as row `who` with `line`: the player takes
    // its new place in every list (or leaves it).
    void stored(const tplayer& p, const Candidate& who, const std::string& line);

    // The players of the lists in turn (see in_turn), kAnswerPlayers at
    // most; kept until a list changes.
    const std::vector<Candidate>& turn();

    // The line of a listed player; null for another.
    const std::string* line(int64_t id) const;

  private:
    struct List {
        std::vector<Entry> best;
        bool known = false;
        bool complete = false; // holds every player of the set
    };
    bool listed(int64_t id) const;
    void forget_unlisted_lines();

    std::array<List, kStageSets> lists_;
    std::unordered_map<int64_t, std::string> lines_;
    std::vector<Candidate> turn_;
    bool turn_known_ = false;
};

// The order of a set's ranking: more gold first, then the earlier ranking
// time, then the lower row.
bool ranks_before(const TopCache::Entry& a, const TopCache::Entry& b);

} // namespace tsu::rankd
