// The server's behaviour checked the same way on each database: posts made
// with the game's own request code, answers read with the game's parser.
#pragma once
#include "support/rankd_harness.h"

#include <random>

namespace tsu::testing {

// New scores from few values, so that ties (decided by the ranking time,
// then the row) are common; a set is sometimes left (no gold, no plays).
void vary_scores(tplayer& p, std::mt19937& rng);
// No gold and no plays in the set.
void leave_set(tplayer& p, int set);

// Posts are answered with the stored players; the game and the web page
// rank them in the same order (ties: the earlier post first).
void check_answered_table(LocalServer& server);
// A second post within the refusal time changes nothing and is told so.
void check_refusal(LocalServer& server);
// Among 10,000 stored players the answer holds 99 lines, the best of each
// set and the poster.
void check_poster_listed_among_many(LocalServer& server);
// Over a run of posts (scores up, down and unchanged, ties, a set's leaders
// leaving it) every answer holds the players the stored tables give, in
// their order.
void check_answers_follow_tables(LocalServer& server);
// Each kind of bad post gets 400, an oversized one 413.
void check_bad_posts(LocalServer& server);
// The web page escapes every text; the JSON carries them as they are.
void check_page_escapes(LocalServer& server);

} // namespace tsu::testing
