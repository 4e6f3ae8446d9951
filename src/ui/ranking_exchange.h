// The ranking exchange of the game: the player's profile and records posted
// to the ranking server, its answer read into the ranking table, failures
// shown in the option panel's status line or in a message box.
#pragma once
#include "game/platform.h"
#include "ranking/tplayer.h"

#include <string>

namespace tsu {

struct Game;
class Bitmap;

// Seconds the server has to accept the connection, and to finish the answer.
inline constexpr int kRankingTimeoutSeconds = 10;

// The status line while the post is under way, and after a failed one.
inline constexpr const char* kSendingText = "Now Sending....";
inline constexpr const char* kTimeoutText = "タイムアウトエラー 数分後に復帰します";

// The player as a ranking entry: name, ID, comment, age, region, the
// official record and play count, each extra pack's plays and best, and the
// date of `today`.
tplayer ir_profile(const Game& g, const LocalTime& today);

// Posts the profile and rebuilds g.ranking from the answer. A failed
// exchange empties the table and puts kTimeoutText into the status line and
// g.ir_failure; when the HTTP client cannot be created or the request not
// prepared, a message box tells so and the table stays as it was.
void ir_post(Game& g);

// The window's picture while the post waits, `elapsed_ms` after it started:
// beside the status line, one small square per second of the timeout fills
// as the seconds pass (the one now running blinks).
void draw_sending_wait(const Game& g, Bitmap& picture, int elapsed_ms);

} // namespace tsu
