// Reading the server's answer into the ranking table.
#pragma once
#include "ranking/tplayer.h"

#include <string>
#include <string_view>
#include <vector>

namespace tsu {

// The part of a line that marks the server's refusal of a post, and the
// notice the table shows for it (in entry 0's name).
inline constexpr std::string_view kRefusalMark = "二重投稿は禁止しています";
inline constexpr std::string_view kRefusalNotice = "再起動が早すぎるよ、あまりしないで";

// The answer's lines are read up to this many; more than 99 players (the
// table's room) are ignored.
constexpr int kResponseLines = 4001;

// The answer body split at its line breaks (CR LF, LF or CR).
std::vector<std::string> split_lines(std::string_view body);

// Rebuilds the table from the packed answer lines: every entry emptied,
// then one entry per line that names a player (in order, entries 1..99),
// each tagged value into the entry last created, a player already listed
// under the same name and ID dropped again, and a refusal line putting the
// notice into entry 0 and ending the reading there. Returns the number of
// players (they stand in entries 1..count).
int ir_parse(RankingTable& ranking, const std::vector<std::string>& lines);
// The same from the whole answer body.
int ir_parse_response(RankingTable& ranking, std::string_view body);

} // namespace tsu
