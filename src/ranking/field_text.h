// Writing ranking lines: the field text of a player, its full-width wrap,
// and the two things that travel: the request body the game posts and the
// packed answer line a server sends per player.
#pragma once
#include "ranking/tplayer.h"

#include <string>
#include <string_view>

namespace tsu {

// "[hあ]hあ[n" name "]n{t" ir_id "}t{c" comment "}c ... {#" chara stage
// "#}{z" date "}z": every field in the order of the tag table, numbers in
// plain decimal, texts as they are (UTF-8).
std::string field_text(const tplayer& p);

// "＊　" + text + "　＊": full-width characters on both ends, so that the
// UTF-7 form begins with "+" and ends with "-", the two characters packing
// cuts off.
std::string wrap_field_text(std::string_view text);

// The packed line of one player: utf7_pack(wrap_field_text(field_text(p))).
std::string packed_line(const tplayer& p);

// The body the game posts: the packed line of its own profile, percent
// encoded byte by byte. `profile.date` is today's date (date_text).
std::string ir_request_body(const tplayer& profile);

// The post's URL below the ranking service's base URL
// ("http://host/dir" + "/sorabou/sorabou_rank.exe?write").
std::string ir_request_url(std::string_view base_url);

} // namespace tsu
