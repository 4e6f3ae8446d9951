// The SQL both databases share: the players table, its indexes, the post
// (an upsert that refuses a repeated post in its WHERE), the best players of
// each set and the ranking of one set. Parameters are always bound.
#pragma once
#include "ranking/tplayer.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tsu::rankd {

enum class Dialect { sqlite, postgresql };

constexpr int kSchemaVersion = 1;

// A bound value: text or a 64-bit integer.
struct SqlValue {
    bool is_text = false;
    int64_t number = 0;
    std::string text;
};

// Statements that create the tables and indexes (each IF NOT EXISTS).
std::vector<std::string> schema_sql(Dialect d);

// The post. Parameters: the player's columns ($1..$35, see post_values);
// SQLite then takes the time of the post in microseconds ($36) and the
// refusal time in microseconds ($37); PostgreSQL reads its own clock, so
// that all servers share one, and takes the refusal time as $36. Returns
// (id, rank_time) when stored, no row when refused.
std::string post_sql(Dialect d);
std::vector<SqlValue> post_values(const tplayer& p, const std::string& line);

// (id, rank_time) of a player by $1 name and $2 ID.
std::string player_sql(Dialect d);

// (id, rank_time, line) of the first $1 players of the sets' best $1 taken
// in turn (the first of every set, then the second, ...), each once, in
// that order: in_turn (answer_choice.h) done by the database.
std::string turn_sql(Dialect d);

// (id, rank_time, score, line) of set s's best $1 players, in order.
std::string best_sql(Dialect d, int set);

// A player's score in a set, and whether the player stands in that set's
// ranking (the condition of the SQL above).
int64_t set_score(const tplayer& p, int set);
bool plays_in(const tplayer& p, int set);

// The line of a player by $1 id.
std::string line_sql(Dialect d);

// A set's players best first, $1 at most: columns as read by read_player.
std::string ranking_sql(Dialect d, int set);

// A ranking_sql row (its columns as text) back into a player.
tplayer read_player(const std::vector<std::string>& columns);

} // namespace tsu::rankd
