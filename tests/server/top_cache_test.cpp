// The best lists a SQLite server keeps in memory follow the stored posts:
// after any run of posts (scores up, down, unchanged, ties, players leaving
// a set) the answer is the one the database itself gives.
#include "answer_choice.h"
#include "player_sql.h"
#include "rankd_scenarios.h"
#include "sqlite_store.h"
#include "top_cache.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace tsu::testing {
namespace {

using rankd::Candidate;
using rankd::kAnswerPlayers;
using rankd::TopCache;

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

TEST(RankdTopCache, SqliteAnswersMatchItsTablesOverManyPosts) {
    TempFolder folder;
    LocalServer server(rankd::open_sqlite_store(folder.path() + "/top.sqlite"));
    check_answers_follow_tables(server);
}

} // namespace
} // namespace tsu::testing
