// The ranking server on PostgreSQL: the same scenarios as on SQLite against
// a throwaway cluster, then two server processes sharing it.
#include "pg_store.h"
#include "rankd_scenarios.h"
#include "support/pg_cluster.h"

#include "ranking/ranking.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace tsu::testing {
namespace {

TEST(RankdPostgres, SameBehaviourAsSqliteAndTwoServersShareOneDatabase) {
    // One cluster for the whole test (starting one takes seconds), a
    // database per scenario.
    PgCluster cluster;
    ASSERT_TRUE(cluster.ok()) << cluster.error();
    int n = 0;
    for (void (*scenario)(LocalServer&) : {check_answered_table, check_refusal, check_poster_listed_among_many,
                                          check_bad_posts, check_page_escapes, check_answers_follow_tables}) {
        SCOPED_TRACE("scenario " + std::to_string(n));
        const std::string url = cluster.create_database("scenario" + std::to_string(n++));
        ASSERT_FALSE(url.empty()) << cluster.error();
        LocalServer server(rankd::open_pg_store(url, 8));
        scenario(server);
    }

    // Two servers on one database: each answers the full table, and the
    // refusal holds across them, also when both get the same new player at
    // the same moment.
    RankdProcess one({"--db", cluster.url()}), two({"--db", cluster.url()});
    ASSERT_TRUE(one.ok()) << one.child().err();
    ASSERT_TRUE(two.ok()) << two.child().err();
    ASSERT_EQ(post_player(one.base_url(), make_player("一号", 1, 10)).status, 200);
    RankingTable t;
    ir_parse_response(t, post_player(two.base_url(), make_player("一号", 1, 10)).body);
    EXPECT_EQ(t[0].name, kRefusalNotice);
    ASSERT_EQ(ir_parse_response(t, post_player(two.base_url(), make_player("二号", 2, 20)).body), 2);
    EXPECT_TRUE(t[0].name.empty());
    ASSERT_EQ(ir_parse_response(t, post_player(one.base_url(), make_player("三号", 3, 30)).body), 3);

    std::atomic<int> stored{0}, refused{0}, failed{0};
    std::vector<std::thread> clients;
    for (int i = 0; i < 8; ++i) {
        clients.emplace_back([&, i] {
            const HttpResponse r = post_player(i % 2 ? one.base_url() : two.base_url(), make_player("同時", 99, 50));
            if (r.status != 200) return void(++failed);
            RankingTable mine;
            ir_parse_response(mine, r.body);
            ++(mine[0].name.empty() ? stored : refused);
        });
    }
    for (auto& c : clients) c.join();
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(stored, 1);
    EXPECT_EQ(refused, 7);
}

} // namespace
} // namespace tsu::testing
