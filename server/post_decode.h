// Reading a post of the game: the percent-encoded packed line of the
// player's profile and records, checked before anything is stored.
#pragma once
#include "ranking/tplayer.h"

#include <string>
#include <string_view>
#include <variant>

namespace tsu::rankd {

// Why a post is refused with 400: a short text the answer carries.
struct BadPost {
    std::string reason;
};

// Limits of the texts, in characters (the game's edit fields hold 10 and 80).
constexpr std::size_t kMaxName = 10;
constexpr std::size_t kMaxComment = 80;
constexpr std::size_t kMaxPlace = 10;
constexpr std::size_t kMaxDate = 16;

// The player the body describes (texts in UTF-8, as sent), or why it is not
// a post: broken percent escapes or UTF-7, no name, a tagged value that is
// not a number, or a value no game can have (negative counts or gold, a
// stage past the last, a heroine past the third, an ID outside 0..9999,
// texts over their limits).
std::variant<tplayer, BadPost> decode_post(std::string_view body);
// The same; a sound post also leaves in `stored_line` the player's packed
// line (the one the server stores and answers with, made for the checks
// anyway).
std::variant<tplayer, BadPost> decode_post(std::string_view body, std::string& stored_line);

// Characters of a UTF-8 text (its code points).
std::size_t utf8_chars(std::string_view s);

} // namespace tsu::rankd
