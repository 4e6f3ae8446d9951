// The server's behaviour checked the same way on each database: posts made
// with the game's own request code, answers read with the game's parser.
#pragma once
#include "support/rankd_harness.h"

namespace tsu::testing {

// Posts are answered with the stored players; the game and the web page
// rank them in the same order (ties: the earlier post first).
void check_answered_table(LocalServer& server);
// A second post within the refusal time changes nothing and is told so.
void check_refusal(LocalServer& server);
// Among 10,000 stored players the answer holds 99 lines, the best of each
// set and the poster.
void check_poster_listed_among_many(LocalServer& server);
// Each kind of bad post gets 400, an oversized one 413.
void check_bad_posts(LocalServer& server);
// The web page escapes every text; the JSON carries them as they are.
void check_page_escapes(LocalServer& server);

} // namespace tsu::testing
