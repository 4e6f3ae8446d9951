// Which players an answer lists. The game's table holds 99 players, so the
// answer takes the best of each of the seven stage sets in turn (first of
// every set, then second, ...) until it is full; the poster always stands in
// it. Its lines are ordered newest ranking time first: the game ranks the
// later of two equal scores higher, so the player who reached a score first
// is shown first, in the game as on the web page.
#pragma once
#include "ranking/tplayer.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tsu::rankd {

// Lines an answer holds at most (the game's table).
constexpr int kAnswerPlayers = 99;

struct Candidate {
    int64_t id = 0;        // the player's row
    int64_t rank_time = 0; // microseconds: when the player's scores last changed
};

using SetBests = std::array<std::vector<Candidate>, kStageSets>;

// The players of the sets' lists in turn (the first of every set, then
// the second, ...), each once, at most `count` of them; `top[s]` is set s's
// players best first (score, then earlier rank time, then row).
std::vector<Candidate> in_turn(const SetBests& top, int count);

// The answer of a poster from that order (of at least `limit` players when
// there are that many): the poster and the first others, at most `limit`
// players, newest rank time first (ties: the higher row first).
std::vector<Candidate> answer_from(const std::vector<Candidate>& turn, const Candidate& poster, int limit);

} // namespace tsu::rankd
