// The best lists a SQLite server keeps in memory follow the stored posts:
// after any run of posts (scores up, down, unchanged, ties, players leaving
// a set) the answer is the one the database itself gives.
#include "answer_choice.h"
#include "player_sql.h"
#include "sqlite_store.h"
#include "support/rankd_harness.h"
#include "top_cache.h"

#include "ranking/ranking.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

namespace tsu::testing {
namespace {

using rankd::Candidate;
using rankd::kAnswerPlayers;
using rankd::TopCache;

// Few score values, so that ties (decided by the ranking time, then the
// row) are common; a set is sometimes left (no gold, no plays).
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

// Every player of a set, in the set's order.
std::vector<TopCache::Entry> full_list(const std::vector<tplayer>& players, const std::vector<Candidate>& who,
                                       int set) {
    std::vector<TopCache::Entry> list;
    for (std::size_t i = 0; i < players.size(); ++i)
        if (rankd::plays_in(players[i], set)) list.push_back({who[i], rankd::set_score(players[i], set)});
    std::sort(list.begin(), list.end(), rankd::ranks_before);
    return list;
}

TEST(RankdTopCache, FollowsEveryStoredPostAsTheDatabaseWould) {
    std::mt19937 rng(7);
    constexpr int kPlayers = 300;
    std::vector<tplayer> players(kPlayers);
    std::vector<Candidate> who(kPlayers);
    std::vector<std::string> lines(kPlayers);
    int64_t clock = 1;
    for (int i = 0; i < kPlayers; ++i) {
        vary_scores(players[std::size_t(i)], rng);
        who[std::size_t(i)] = {i + 1, clock++};
        lines[std::size_t(i)] = "line " + std::to_string(i);
    }
    // What the database answers: the list's first kDepth players.
    auto read = [&](TopCache& cache, int set) {
        std::vector<TopCache::Entry> best = full_list(players, who, set);
        best.resize(std::min(best.size(), std::size_t(TopCache::kDepth)));
        std::vector<std::string> texts;
        for (const auto& e : best) texts.push_back(lines[std::size_t(e.who.id - 1)]);
        cache.load(set, best, texts);
    };
    TopCache cache;
    int reads = 0;
    for (int post = 0; post < 2500; ++post) {
        // Every third post a set's best player leaves it: the lists run
        // short and are read again.
        auto i = std::size_t(std::uniform_int_distribution<int>(0, kPlayers - 1)(rng));
        if (post % 3 == 0) {
            const auto best = full_list(players, who, post % kStageSets);
            if (!best.empty()) i = std::size_t(best.front().who.id - 1);
        }
        const tplayer before = players[i];
        vary_scores(players[i], rng);
        if (post % 3 == 0) leave_set(players[i], post % kStageSets);
        if (post % 5 == 1) players[i] = before; // same scores: the ranking time stays
        std::array<int32_t, kStageSets> old_scores{}, new_scores{};
        for (int s = 0; s < kStageSets; ++s)
            old_scores[std::size_t(s)] = rankd::set_score(before, s), new_scores[std::size_t(s)] = rankd::set_score(players[i], s);
        if (old_scores != new_scores) who[i].rank_time = clock++;
        lines[i] = "line " + std::to_string(i) + " post " + std::to_string(post);
        cache.stored(players[i], who[i], lines[i]);
        for (int s = 0; s < kStageSets; ++s)
            if (cache.needs_load(s)) read(cache, s), ++reads;

        rankd::SetBests top;
        for (int s = 0; s < kStageSets; ++s)
            for (const auto& e : full_list(players, who, s)) top[std::size_t(s)].push_back(e.who);
        const std::vector<Candidate> want = rankd::in_turn(top, kAnswerPlayers);
        const std::vector<Candidate>& got = cache.turn();
        ASSERT_EQ(got.size(), want.size()) << "post " << post;
        for (std::size_t k = 0; k < want.size(); ++k) {
            ASSERT_EQ(got[k].id, want[k].id) << "post " << post << " place " << k;
            ASSERT_EQ(got[k].rank_time, want[k].rank_time) << "post " << post;
            const std::string* line = cache.line(want[k].id);
            ASSERT_TRUE(line && *line == lines[std::size_t(want[k].id - 1)]) << "post " << post;
        }
    }
    // The first reading of each set, and more as lists ran short.
    EXPECT_GE(reads, kStageSets + 5);
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

TEST(RankdTopCache, SqliteAnswersMatchItsTablesOverManyPosts) {
    TempFolder folder;
    auto store = rankd::open_sqlite_store(folder.path() + "/top.sqlite");
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
        // First the official set's leaders leave it one after another (its
        // list runs short and is read again), then anyone posts anything.
        tplayer* chosen = &players[std::size_t(std::uniform_int_distribution<int>(0, kPlayers - 1)(rng))];
        if (post < 45)
            for (tplayer& q : players)
                if (q.name == leader) chosen = &q;
        tplayer& p = *chosen;
        vary_scores(p, rng);
        if (post < 45) leave_set(p, 0);
        const rankd::PostOutcome out = store->post(p, packed_line(p), 0, kAnswerPlayers);
        RankingTable answer;
        ASSERT_EQ(ir_parse(answer, out.lines), int(out.lines.size()));

        // The database's own tables, taken in turn, with the poster.
        std::map<std::string, int64_t> row;
        rankd::SetBests top;
        std::array<std::vector<std::string>, kStageSets> tables;
        for (int s = 0; s < kStageSets; ++s) {
            for (const tplayer& q : store->ranking(s, kPlayers)) {
                const auto id = row.try_emplace(q.name, int64_t(row.size()) + 1).first->second;
                if (tables[std::size_t(s)].size() < std::size_t(kAnswerPlayers)) top[std::size_t(s)].push_back({id, 0});
                tables[std::size_t(s)].push_back(q.name);
            }
        }
        const auto poster = row.try_emplace(p.name, int64_t(row.size()) + 1).first->second;
        leader = tables[0].front();
        std::vector<std::string> want, got;
        for (const Candidate& c : rankd::answer_from(rankd::in_turn(top, kAnswerPlayers), {poster, 0}, kAnswerPlayers))
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

} // namespace
} // namespace tsu::testing
