// The ranking server on its default database, SQLite, over HTTP on a
// loopback port.
#include "rankd_scenarios.h"
#include "sqlite_store.h"

#include <gtest/gtest.h>

namespace tsu::testing {
namespace {

struct SqliteServer {
    TempFolder folder;
    LocalServer server{rankd::open_sqlite_store(folder.path() + "/db/rankd.sqlite")};
};

TEST(RankdSqlite, AnswersWithTheStoredPlayersInTheGamesOrder) {
    SqliteServer s;
    check_answered_table(s.server);
}

TEST(RankdSqlite, RefusesASecondPostWithinTheRefusalTime) {
    SqliteServer s;
    check_refusal(s.server);
}

TEST(RankdSqlite, PosterAndEachSetsBestAmong10000Players) {
    SqliteServer s;
    check_poster_listed_among_many(s.server);
}

TEST(RankdSqlite, BadPostsGet400AndOversizedOnes413) {
    SqliteServer s;
    check_bad_posts(s.server);
}

TEST(RankdSqlite, WebPageEscapesEveryText) {
    SqliteServer s;
    check_page_escapes(s.server);
}

TEST(RankdSqlite, ZeroRefusalTimeStoresEveryPost) {
    TempFolder folder;
    rankd::Options o;
    o.refuse_seconds = 0;
    LocalServer server(rankd::open_sqlite_store(folder.path() + "/r.sqlite"), o);
    tplayer p = make_player("again", 1, 10);
    ASSERT_EQ(post_player(server.base_url(), p).status, 200);
    p.hi_score = 20;
    ASSERT_EQ(post_player(server.base_url(), p).status, 200);
    const auto rows = server.store().ranking(0, 10);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].hi_score, 20);
}

} // namespace
} // namespace tsu::testing
