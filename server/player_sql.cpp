// SQL text of the players table for SQLite and PostgreSQL.
#include "player_sql.h"

#include <charconv>

namespace tsu::rankd {

namespace {

// Columns of a player in bind order: texts, numbers, the extra packs.
std::vector<std::string> player_columns() {
    std::vector<std::string> c = {"name",     "ir_id",    "date",  "place",    "comment",
                                  "hi_stage", "hi_chara", "hi_score", "age", "play_count"};
    for (const char* f : {"ex_play", "ex_score", "ex_chara", "ex_stage"})
        for (int s = 1; s < kStageSets; ++s) c.push_back(f + std::to_string(s));
    return c;
}

std::string score_column(int set) { return set == 0 ? "hi_score" : "ex_score" + std::to_string(set); }
std::string plays_column(int set) { return set == 0 ? "play_count" : "ex_play" + std::to_string(set); }

// Who stands in a set's ranking: played it or scored in it. The same text
// is the condition of the set's partial index, so the index serves.
std::string played(int set) {
    return "(" + score_column(set) + " > 0 OR " + plays_column(set) + " > 0)";
}

std::string param(Dialect d, int n) { return (d == Dialect::sqlite ? "?" : "$") + std::to_string(n); }

std::string joined(const std::vector<std::string>& v, const std::string& prefix = "") {
    std::string out;
    for (const std::string& s : v) out += (out.empty() ? "" : ", ") + prefix + s;
    return out;
}

} // namespace

std::vector<std::string> schema_sql(Dialect d) {
    std::string cols;
    for (const std::string& c : player_columns()) {
        const bool text = c == "name" || c == "date" || c == "place" || c == "comment";
        cols += "  " + c + (text ? " TEXT NOT NULL" : (c == "ir_id" ? " INTEGER NOT NULL" : " INTEGER NOT NULL DEFAULT 0")) + ",\n";
    }
    std::vector<std::string> v = {
        "CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)",
        "CREATE TABLE IF NOT EXISTS players (\n" +
            std::string(d == Dialect::sqlite ? "  id INTEGER PRIMARY KEY,\n"
                                             : "  id BIGINT GENERATED ALWAYS AS IDENTITY PRIMARY KEY,\n") +
            cols +
            "  line TEXT NOT NULL,\n"
            "  rank_time BIGINT NOT NULL,\n"
            "  last_post BIGINT NOT NULL,\n"
            "  UNIQUE (name, ir_id))",
    };
    for (int s = 0; s < kStageSets; ++s)
        v.push_back("CREATE INDEX IF NOT EXISTS players_set" + std::to_string(s) + " ON players (" +
                    score_column(s) + " DESC, rank_time, id) WHERE " + played(s));
    return v;
}

std::string post_sql(Dialect d) {
    const std::vector<std::string> cols = player_columns();
    std::string values;
    for (std::size_t i = 0; i < cols.size() + 1; ++i) values += param(d, int(i) + 1) + ", ";
    const std::string now = d == Dialect::sqlite
                                ? param(d, 36)
                                : "CAST(EXTRACT(EPOCH FROM statement_timestamp()) * 1000000 AS BIGINT)";
    const std::string refuse = param(d, d == Dialect::sqlite ? 37 : 36);
    std::string set;
    for (const std::string& c : cols)
        if (c != "name" && c != "ir_id") set += c + " = excluded." + c + ", ";
    std::vector<std::string> scores = {"hi_score"};
    for (int s = 1; s < kStageSets; ++s) scores.push_back(score_column(s));
    return "INSERT INTO players (" + joined(cols) + ", line, rank_time, last_post) VALUES (" +
           values + now + ", " + now + ")\n"
           "ON CONFLICT (name, ir_id) DO UPDATE SET " + set + "line = excluded.line,\n"
           "  rank_time = CASE WHEN (" + joined(scores, "players.") + ") = (" +
           joined(scores, "excluded.") + ") THEN players.rank_time ELSE excluded.rank_time END,\n"
           "  last_post = excluded.last_post\n"
           "WHERE players.last_post <= excluded.last_post - " + refuse + "\n"
           "RETURNING id, rank_time";
}

std::vector<SqlValue> post_values(const tplayer& p, const std::string& line) {
    auto text = [](const std::string& s) { return SqlValue{true, 0, s}; };
    auto num = [](int64_t n) { return SqlValue{false, n, {}}; };
    std::vector<SqlValue> v = {text(p.name),     num(p.ir_id),    text(p.date),
                               text(p.place),    text(p.comment), num(p.hi_stage),
                               num(p.hi_chara),  num(p.hi_score), num(p.age),
                               num(p.play_count)};
    for (const auto* a : {&p.ex_play, &p.ex_score, &p.ex_chara, &p.ex_stage})
        for (int s = 1; s < kStageSets; ++s) v.push_back(num((*a)[std::size_t(s)]));
    v.push_back(text(line));
    return v;
}

std::string player_sql(Dialect d) {
    return "SELECT id, rank_time FROM players WHERE name = " + param(d, 1) +
           " AND ir_id = " + param(d, 2);
}

std::string turn_sql(Dialect d) {
    // A player's turn in set s at place k (from 0) is k * 7 + s; the first
    // turn counts.
    std::string turns;
    for (int s = 0; s < kStageSets; ++s) {
        if (s) turns += "\n    UNION ALL ";
        const std::string order = score_column(s) + " DESC, rank_time, id";
        turns += "SELECT id, (ROW_NUMBER() OVER (ORDER BY " + order + ") - 1) * " + std::to_string(kStageSets) +
                 " + " + std::to_string(s) + " AS turn FROM (SELECT id, rank_time, " + score_column(s) +
                 " FROM players WHERE " + played(s) + " ORDER BY " + order + " LIMIT " + param(d, 1) + ") AS top" +
                 std::to_string(s);
    }
    return "SELECT p.id, p.rank_time, p.line FROM (\n  SELECT id, MIN(turn) AS turn FROM (\n    " + turns +
           ") AS turns\n  GROUP BY id ORDER BY MIN(turn) LIMIT " + param(d, 1) +
           ") AS chosen JOIN players AS p ON p.id = chosen.id ORDER BY chosen.turn";
}

std::string best_sql(Dialect d, int set) {
    return "SELECT id, rank_time, " + score_column(set) + ", line FROM players WHERE " + played(set) +
           " ORDER BY " + score_column(set) + " DESC, rank_time, id LIMIT " + param(d, 1);
}

int64_t set_score(const tplayer& p, int set) { return set_record(p, set).score; }

bool plays_in(const tplayer& p, int set) {
    const SetRecord r = set_record(p, set);
    return r.score > 0 || r.plays > 0;
}

std::string line_sql(Dialect d) { return "SELECT line FROM players WHERE id = " + param(d, 1); }

std::string ranking_sql(Dialect d, int set) {
    return "SELECT " + joined(player_columns()) + " FROM players WHERE " + played(set) +
           " ORDER BY " + score_column(set) + " DESC, rank_time, id LIMIT " + param(d, 1);
}

tplayer read_player(const std::vector<std::string>& c) {
    tplayer p;
    auto n = [&](std::size_t i) {
        int32_t v = 0;
        if (i < c.size()) std::from_chars(c[i].data(), c[i].data() + c[i].size(), v);
        return v;
    };
    auto t = [&](std::size_t i) { return i < c.size() ? c[i] : std::string(); };
    p.name = t(0), p.ir_id = n(1), p.date = t(2), p.place = t(3), p.comment = t(4);
    p.hi_stage = n(5), p.hi_chara = n(6), p.hi_score = n(7), p.age = n(8), p.play_count = n(9);
    std::size_t i = 10;
    for (auto* a : {&p.ex_play, &p.ex_score, &p.ex_chara, &p.ex_stage})
        for (int s = 1; s < kStageSets; ++s) (*a)[std::size_t(s)] = n(i++);
    return p;
}

} // namespace tsu::rankd
