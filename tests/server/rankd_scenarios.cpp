// Server scenarios shared by the SQLite and PostgreSQL tests.
#include "rankd_scenarios.h"

#include "answer_choice.h"
#include "platform/http_client.h"
#include "ranking/ranking.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <map>
#include <random>

namespace tsu::testing {

namespace {

std::vector<std::string> api_names(const std::string& base, int set) {
    const HttpResponse r = http_get(base + "/api/ranking?set=" + std::to_string(set));
    EXPECT_EQ(r.status, 200) << r.body;
    std::vector<std::string> names;
    if (r.status != 200) return names;
    const nlohmann::json doc = nlohmann::json::parse(r.body);
    for (const auto& p : doc["players"]) names.push_back(p["name"]);
    return names;
}

// The names the game's ranking screen lists for a set, best first.
std::vector<std::string> game_names(const std::string& answer, int set) {
    RankingTable t;
    ir_parse_response(t, answer);
    IrOrder order;
    ir_sort(t, order);
    std::vector<std::string> names;
    for (const int32_t e : order[std::size_t(set)])
        if (e != 0) names.push_back(t[std::size_t(e)].name);
    return names;
}

const tplayer* find(const RankingTable& t, const std::string& name) {
    for (int i = 1; i < kRankingEntries; ++i)
        if (t[std::size_t(i)].name == name) return &t[std::size_t(i)];
    return nullptr;
}

// Names of the players a set's ranking shows, best first, as the game
// orders the answer's lines.
std::vector<std::string> shown_in(RankingTable& t, int set) {
    IrOrder order;
    ir_sort(t, order);
    std::vector<std::string> names;
    for (const int32_t e : order[std::size_t(set)])
        if (e != 0) names.push_back(t[std::size_t(e)].name);
    return names;
}

} // namespace

void vary_scores(tplayer& p, std::mt19937& rng) {
    auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    p.hi_score = below(40), p.play_count = below(4);
    for (int s = 1; s < kStageSets; ++s) {
        const auto k = std::size_t(s);
        const bool plays = below(3) != 0;
        p.ex_score[k] = plays ? below(30) : 0, p.ex_play[k] = plays ? below(3) : 0;
    }
}

void leave_set(tplayer& p, int set) {
    if (set == 0) p.hi_score = 0, p.play_count = 0;
    else p.ex_score[std::size_t(set)] = 0, p.ex_play[std::size_t(set)] = 0;
}

void check_answered_table(LocalServer& server) {
    const std::string base = server.base_url();
    tplayer a = make_player("あいう", 11, 500), b = make_player("Bob", 22, 900),
            c = make_player("ソラ〜", 33, 500);
    a.ex_score[3] = 40, a.ex_play[3] = 2, a.ex_chara[3] = 3, a.ex_stage[3] = 8;
    c.ex_score[3] = 40, c.ex_play[3] = 1;
    b.ex_play[3] = 5; // played pack 3 without gold
    HttpResponse last;
    for (const tplayer& p : {a, b, c}) {
        last = post_player(base, p);
        ASSERT_EQ(last.status, 200) << last.body << last.error;
    }
    RankingTable t;
    ASSERT_EQ(ir_parse_response(t, last.body), 3);
    for (tplayer want : {a, b, c}) {
        if (want.name == "ソラ〜") want.name = "ソラ～"; // the wave dash travels as the full-width tilde
        const tplayer* got = find(t, want.name);
        ASSERT_TRUE(got) << want.name;
        EXPECT_EQ(field_text(*got), field_text(want));
    }
    // Equal gold: the earlier post first, on the game's screen as on the page.
    EXPECT_EQ(game_names(last.body, 0), (std::vector<std::string>{"Bob", "あいう", "ソラ～"}));
    EXPECT_EQ(api_names(base, 0), game_names(last.body, 0));
    EXPECT_EQ(api_names(base, 3), (std::vector<std::string>{"あいう", "ソラ～", "Bob"}));
    const std::vector<std::string> shown = game_names(last.body, 3);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(api_names(base, 3), shown);
}

void check_refusal(LocalServer& server) {
    const std::string base = server.base_url();
    tplayer d = make_player("二度目", 4242, 100);
    ASSERT_EQ(post_player(base, d).status, 200);
    d.hi_score = 999, d.comment = "changed";
    const HttpResponse again = post_player(base, d);
    ASSERT_EQ(again.status, 200);
    RankingTable t;
    ir_parse_response(t, again.body);
    EXPECT_EQ(t[0].name, kRefusalNotice);
    const tplayer* kept = find(t, "二度目");
    ASSERT_TRUE(kept) << "the poster stays listed";
    EXPECT_EQ(kept->hi_score, 100);
    EXPECT_NE(kept->comment, "changed");
    const HttpResponse page = http_get(base + "/api/ranking?set=0");
    EXPECT_EQ(page.body.find("changed"), std::string::npos);
    // Another ID under the same name is another player.
    d.ir_id = 4243;
    const HttpResponse other = post_player(base, d);
    ir_parse_response(t, other.body);
    EXPECT_TRUE(t[0].name.empty());
}

void check_poster_listed_among_many(LocalServer& server) {
    std::vector<tplayer> many;
    for (int i = 0; i < 10000; ++i) {
        tplayer p = make_player("p" + std::to_string(i), i % 10000, (i * 7919) % 100000 + 10);
        const auto pack = std::size_t(1 + i % 6);
        if (i % 5 == 0) p.ex_play[pack] = 1, p.ex_score[pack] = (i * 31) % 5000;
        many.push_back(p);
    }
    server.seed(many);
    const std::string base = server.base_url();
    const HttpResponse r = post_player(base, make_player("最下位", 7, 1));
    ASSERT_EQ(r.status, 200);
    EXPECT_EQ(split_lines(r.body).size(), 99u);
    RankingTable t;
    ASSERT_EQ(ir_parse_response(t, r.body), 99); // no duplicates either
    EXPECT_TRUE(find(t, "最下位"));
    for (int s = 0; s < kStageSets; ++s) {
        const std::vector<std::string> best = api_names(base, s);
        ASSERT_GE(best.size(), 5u) << s;
        for (std::size_t k = 0; k < 5; ++k) EXPECT_TRUE(find(t, best[k])) << "set " << s << " rank " << k + 1;
        // The game's screen shows them in the page's order.
        const std::vector<std::string> shown = game_names(r.body, s);
        EXPECT_EQ(std::vector<std::string>(shown.begin(), shown.begin() + 5),
                  std::vector<std::string>(best.begin(), best.begin() + 5));
    }
}

void check_bad_posts(LocalServer& server) {
    const std::string base = server.base_url();
    auto body_of = [](const std::string& field_text) {
        return percent_encode(utf7_pack(wrap_field_text(field_text)));
    };
    const std::string ok = "[nok]n{t5}t";
    struct Case {
        const char* what;
        std::string body;
        int status;
    };
    std::vector<Case> cases = {
        {"empty name", body_of("[n]n{t5}t"), 400},
        {"no name", body_of("{t5}t{g10}g"), 400},
        {"negative gold", body_of(ok + "{g-1}g"), 400},
        {"negative plays", body_of(ok + "{p-3}p"), 400},
        {"negative pack gold", body_of(ok + "{w-5w}"), 400},
        {"negative pack plays", body_of(ok + "{$-5$}"), 400},
        {"official stage 9", body_of(ok + "{y9}y"), 400},
        {"heroine 4", body_of(ok + "{x4}x"), 400},
        {"pack heroine 4", body_of(ok + "{e48e}"), 400},
        {"pack stage 9", body_of(ok + "{i19i}"), 400},
        {"pack pair of one digit", body_of(ok + "{m1m}"), 400},
        {"pack pair not digits", body_of(ok + "{r1xr}"), 400},
        {"ID 10000", body_of("[nok]n{t10000}t"), 400},
        {"gold not a number", body_of(ok + "{g12a}g"), 400},
        {"name of 11 characters", body_of("[nあいうえおかきくけこさ]n"), 400},
        {"comment of 81 characters", body_of(ok + "{c" + std::string(81, 'x') + "}c"), 400},
        {"line break in a comment", body_of(ok + "{ca\nb}c"), 400},
        {"comment that the game reads as a refusal", body_of(ok + "{cね" + std::string(kRefusalMark) + "}c"), 400},
        {"comment holding another player's ID", body_of(ok + "{cme {t7}t}c"), 400},
        {"region holding the name's marker", body_of(ok + "{la[nb}l"), 400},
        {"comment holding a closing marker", body_of(ok + "{cx}gy}c"), 400},
        {"braces that are no marker are fine", body_of(ok + "{c{ } {} [ ]}c"), 200},
        {"broken percent escape", "%41%G1", 400},
        {"not UTF-7", percent_encode("ZeVn!"), 400},
        {"empty body", "", 400},
        {"over the size limit", std::string(8193, 'A'), 413},
        {"10 and 80 characters are fine",
         body_of("[nあいうえおかきくけこ]n{t5}t{c" + std::string(80, 'x') + "}c"), 200},
    };
    for (const Case& c : cases) {
        const HttpResponse r = post_body(base, c.body);
        EXPECT_EQ(r.status, c.status) << c.what << ": " << r.body << r.error;
    }
    const HttpResponse no_query = http_post_curl(base + "/sorabou/sorabou_rank.exe", body_of(ok), "", 10);
    EXPECT_EQ(no_query.status, 400);
}

void check_page_escapes(LocalServer& server) {
    const std::string base = server.base_url();
    tplayer p = make_player("<script>", 77, 300);
    p.comment = "<b>&\"'</b>", p.place = "<i>";
    ASSERT_EQ(post_player(base, p).status, 200);
    const HttpResponse page = http_get(base + "/");
    ASSERT_EQ(page.status, 200);
    EXPECT_EQ(page.body.find("<script"), std::string::npos);
    EXPECT_EQ(page.body.find("<b>"), std::string::npos);
    EXPECT_NE(page.body.find("&lt;script&gt;"), std::string::npos);
    EXPECT_NE(page.body.find("&lt;b&gt;&amp;&quot;&#39;&lt;/b&gt;"), std::string::npos);
    EXPECT_NE(page.body.find("IR MODE of トリックステージ"), std::string::npos);
    const auto json = nlohmann::json::parse(http_get(base + "/api/ranking?set=0").body);
    bool seen = false;
    for (const auto& e : json["players"]) seen |= e["name"] == "<script>" && e["comment"] == "<b>&\"'</b>";
    EXPECT_TRUE(seen);
    EXPECT_EQ(http_get(base + "/api/ranking?set=7").status, 400);
}

void check_answers_follow_tables(LocalServer& server) {
    rankd::Store* store = &server.store();
    std::mt19937 rng(11);
    constexpr int kPlayers = 260;
    std::vector<tplayer> players;
    for (int i = 0; i < kPlayers; ++i) {
        tplayer p = make_player("p" + std::to_string(i), i, 0);
        vary_scores(p, rng);
        players.push_back(p);
        store->post(p, packed_line(p), 0, 0);
    }
    std::string leader; // of the official set
    for (int post = 0; post < 120; ++post) {
        // First the official set's leaders leave it one after another (a
        // store keeping the best lists must read that one again), then
        // anyone posts anything.
        tplayer* chosen = &players[std::size_t(std::uniform_int_distribution<int>(0, kPlayers - 1)(rng))];
        if (post < 45)
            for (tplayer& q : players)
                if (q.name == leader) chosen = &q;
        tplayer& p = *chosen;
        vary_scores(p, rng);
        if (post < 45) leave_set(p, 0);
        const rankd::PostOutcome out = store->post(p, packed_line(p), 0, rankd::kAnswerPlayers);
        RankingTable answer;
        ASSERT_EQ(ir_parse(answer, out.lines), int(out.lines.size()));

        // The database's own tables, taken in turn, with the poster.
        std::map<std::string, int64_t> row;
        rankd::SetBests top;
        std::array<std::vector<std::string>, kStageSets> tables;
        for (int s = 0; s < kStageSets; ++s) {
            for (const tplayer& q : store->ranking(s, kPlayers)) {
                const auto id = row.try_emplace(q.name, int64_t(row.size()) + 1).first->second;
                if (tables[std::size_t(s)].size() < std::size_t(rankd::kAnswerPlayers)) top[std::size_t(s)].push_back({id, 0});
                tables[std::size_t(s)].push_back(q.name);
            }
        }
        const auto poster = row.try_emplace(p.name, int64_t(row.size()) + 1).first->second;
        leader = tables[0].front();
        std::vector<std::string> want, got;
        for (const rankd::Candidate& c : rankd::answer_from(rankd::in_turn(top, rankd::kAnswerPlayers), {poster, 0}, rankd::kAnswerPlayers))
            for (const auto& [name, id] : row)
                if (id == c.id) want.push_back(name);
        for (std::size_t e = 1; e <= out.lines.size(); ++e) got.push_back(answer[e].name);
        std::sort(want.begin(), want.end()), std::sort(got.begin(), got.end());
        ASSERT_EQ(got, want) << "post " << post;
        // Each set's players in the answer stand in the table's order.
        for (int s = 0; s < kStageSets; ++s) {
            // (The game also lists, with no gold, players who never played the set.)
            std::vector<std::string> in_table, shown;
            for (const std::string& name : tables[std::size_t(s)])
                if (std::binary_search(got.begin(), got.end(), name)) in_table.push_back(name);
            for (const std::string& name : shown_in(answer, s))
                if (std::find(in_table.begin(), in_table.end(), name) != in_table.end()) shown.push_back(name);
            ASSERT_EQ(shown, in_table) << "post " << post << " set " << s;
        }
    }
}

} // namespace tsu::testing
