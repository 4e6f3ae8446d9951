// The read-only web page of the seven ranking tables and the same tables as
// JSON for other tools.
#pragma once
#include "ranking/tplayer.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tsu::rankd {

// Rows per table on the page (the game's ranking shows ranks 1..50).
constexpr int kPageRows = 50;

// Every text HTML-escaped; plain HTML and CSS, no scripts.
std::string ranking_page(const std::array<std::vector<tplayer>, kStageSets>& sets);

// {"set": N, "title": ..., "players": [{"rank", "gold", "name", "heroine",
// "heroine_name", "stage", "stage_text", "plays", "region", "age",
// "comment", "date"}, ...]}
std::string ranking_json(int set, const std::vector<tplayer>& players);

std::string html_escape(std::string_view text);

} // namespace tsu::rankd
