// tsumikiya-rankd as its own process: flags, a clean stop on SIGTERM, and no
// answered post lost when the server is killed right after answering.
#include "support/rankd_harness.h"

#include "ranking/ranking.h"
#include "sqlite_store.h"

#include <gtest/gtest.h>

#include <csignal>

namespace tsu::testing {
namespace {

TEST(RankdProcess, HelpVersionAndBadFlags) {
    std::string out;
    EXPECT_EQ(run_command({rankd_executable(), "--help"}, out), 0);
    EXPECT_NE(out.find("--refuse-seconds"), std::string::npos);
    out.clear();
    EXPECT_EQ(run_command({rankd_executable(), "--version"}, out), 0);
    EXPECT_NE(out.find("tsumikiya-rankd"), std::string::npos);
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--listen", "nowhere"}, {"--db", "mysql://x"}, {"--rate", "-1"}, {"--frobnicate"}}) {
        out.clear();
        std::vector<std::string> argv = {rankd_executable()};
        argv.insert(argv.end(), bad.begin(), bad.end());
        EXPECT_EQ(run_command(argv, out), 2) << bad[0];
    }
}

TEST(RankdProcess, KilledRightAfterAnsweringLosesNoPost) {
    TempFolder folder;
    const std::string db = folder.path() + "/rankd.sqlite";
    for (int round = 0; round < 3; ++round) {
        RankdProcess server({"--db", "sqlite:" + db});
        ASSERT_TRUE(server.ok()) << server.child().err();
        for (int i = 0; i < 20; ++i) {
            const HttpResponse r = post_player(server.base_url(), make_player("k" + std::to_string(round * 20 + i), i, 100 + i));
            ASSERT_EQ(r.status, 200);
        }
        // The 200 of the last post is in; nothing else happens before the kill.
        EXPECT_EQ(server.child().signal_and_wait(SIGKILL), 128 + SIGKILL);
    }
    const auto rows = rankd::open_sqlite_store(db)->ranking(0, 1000);
    EXPECT_EQ(rows.size(), 60u);
}

TEST(RankdProcess, StopsCleanlyOnSigtermAndLogsEachRequest) {
    TempFolder folder;
    RankdProcess server({"--db", "sqlite:" + folder.path() + "/rankd.sqlite"});
    ASSERT_TRUE(server.ok()) << server.child().err();
    ASSERT_EQ(post_player(server.base_url(), make_player("log", 1, 5)).status, 200);
    ASSERT_EQ(http_get(server.base_url() + "/").status, 200);
    const std::string line = server.child().wait_for("POST /tsumikiya/sorabou/sorabou_rank.exe 200 ", 5);
    EXPECT_NE(line.find("us"), std::string::npos) << server.child().err();
    EXPECT_NE(server.child().wait_for("GET /tsumikiya/ 200 ", 5), "");
    EXPECT_EQ(server.child().signal_and_wait(SIGTERM), 0);
    EXPECT_NE(server.child().err().find("stopped"), std::string::npos);
}

TEST(RankdProcess, RateLimitPerAddress) {
    TempFolder folder;
    RankdProcess server({"--db", "sqlite:" + folder.path() + "/rankd.sqlite", "--rate", "2/s", "--refuse-seconds", "0"});
    ASSERT_TRUE(server.ok()) << server.child().err();
    int limited = 0;
    for (int i = 0; i < 6; ++i) limited += post_player(server.base_url(), make_player("r", 1, i)).status == 429;
    EXPECT_GE(limited, 3);
}

} // namespace
} // namespace tsu::testing
