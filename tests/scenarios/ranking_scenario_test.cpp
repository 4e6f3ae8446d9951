// The ranking through the headless runner against a test server on a
// loopback port: what the game posts, what it shows of the answer, and how
// it behaves when the server refuses, fails, never answers or is not there.
#include "app/command_line.h"
#include "app/headless.h"
#include "ranking/ranking.h"
#include "support/game_fixture.h"
#include "support/headless_run.h"
#include "support/test_http_server.h"
#include "ui/ranking_exchange.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <chrono>
#include <fstream>
#include <sstream>

namespace tsu {
namespace {

using nlohmann::json;
using testing::TestHttpServer;

// Opens the option panel and the profile, types a name, a comment, an age
// and a region, registers the name (the question is answered yes) and
// closes the profile: all by tick 12.
constexpr const char* kRegister = R"(1 key M down
2 key M up
3 click Label31
4 click ir_name
4 key Backspace down
4 key Backspace down
4 key Backspace down
5 text ソラ
6 click ir_mes
6 text よろしく
7 click ir_age
7 text 14
8 click ir_place
8 key Backspace down
8 key Backspace down
8 key Backspace down
9 text 大阪
10 click ir_name_b
11 click close_b
)";

tplayer player(const std::string& name, int32_t id, int32_t score, int32_t chara) {
    tplayer p;
    p.name = name;
    p.ir_id = id;
    p.hi_score = score;
    p.hi_chara = chara;
    p.play_count = 3;
    p.age = 30;
    p.comment = "やあ";
    p.date = "2026/3/31";
    return p;
}

std::string answer(const std::vector<std::string>& lines) {
    std::string body;
    for (const std::string& l : lines) body += l + "\r\n";
    return body;
}

struct RankingScenario : ::testing::Test {
    RankingScenario() { testing::copy_built_root(root.path()); }

    json run(const std::string& script, int ticks, const std::string& url) {
        std::ofstream(scratch.path() / "in.txt") << script;
        CommandLine cl;
        cl.headless = true;
        cl.root = root.str();
        cl.seed_given = true;
        cl.seed = 7;
        cl.ticks = ticks;
        cl.input = (scratch.path() / "in.txt").string();
        cl.dump = (scratch.path() / "dump.json").string();
        cl.ranking_url = url;
        std::ostringstream err;
        EXPECT_EQ(run_headless(cl, err), 0) << err.str();
        std::ifstream f(cl.dump);
        return json::parse(f);
    }
    json run(const std::string& script, int ticks) { return run(script, ticks, server.base_url()); }

    // A failed exchange: the screen opens on an empty table with the
    // time-out text over it.
    static void expect_failed_exchange(const json& d) {
        EXPECT_EQ(d["panels"], json::array({"ir_rank_box"}));
        EXPECT_TRUE(d["ranking"].empty());
        EXPECT_TRUE(d["ranking_lines"].empty());
        const json* err = testing::find_control(d, "ir_err_l");
        ASSERT_NE(err, nullptr);
        EXPECT_EQ((*err)["text"], kTimeoutText);
    }

    testing::TempDir root, scratch;
    TestHttpServer server;
};

TEST_F(RankingScenario, RegistrationThenIPostsTheProfileAndShowsTheAnswer) {
    server.reply_with({200,
                       answer({packed_line(player("風", 11, 500, 1)), packed_line(player("雪", 22, 800, 2)),
                               packed_line(player("月", 33, 500, 3))}),
                       0, false});
    const json d = run(std::string(kRegister) + "12 key I down\n13 key I up\n", 14);
    const auto reqs = server.requests();
    ASSERT_EQ(reqs.size(), 1u);
    EXPECT_EQ(reqs[0].method, "POST");
    EXPECT_EQ(reqs[0].target, "/tsumikiya/sorabou/sorabou_rank.exe?write");
    EXPECT_EQ(reqs[0].headers.find("Expect:"), std::string::npos);
    EXPECT_EQ(reqs[0].headers.find("Proxy"), std::string::npos);

    const auto my_id = d["my"]["ir_id"].get<int>();
    const std::string id = std::to_string(my_id);
    const auto packed = percent_decode(reqs[0].body);
    ASSERT_TRUE(packed.has_value()) << reqs[0].body;
    EXPECT_EQ(*packed, utf7_pack("＊　[hあ]hあ[nソラ]n{t" + id + "}t{cよろしく}c{a14}a{l大阪}l{g0}g{p0}p{x0}x{y0}y"
                                 "{b0b}{d0d}{e00e}{f0f}{h0h}{i00i}{j0j}{k0k}{m00m}{o0o}{q0q}{r00r}"
                                 "{s0s}{u0u}{v00v}{w0w}{$0$}{#00#}{z2026/4/1}z　＊"));

    EXPECT_EQ(d["my"]["name"], "ソラ");
    EXPECT_EQ(d["comment"], "よろしく");
    EXPECT_EQ(d["panels"], json::array({"ir_rank_box"}));
    ASSERT_EQ(d["ranking"].size(), 3u);
    EXPECT_EQ(d["ranking"][1]["index"], 2);
    EXPECT_EQ(d["ranking"][1]["name"], "雪");
    EXPECT_EQ(d["ranking"][1]["ir_id"], 22);
    EXPECT_EQ(d["ir_order"][0][0], 2);
    EXPECT_EQ(d["ir_order"][0][1], 3); // the later of two equal scores first
    EXPECT_EQ(d["ir_order"][0][2], 1);
    EXPECT_EQ(d["ir_order"][0][3], 0);
    EXPECT_EQ(d["ranking_lines"], json::array({"01位 800両 【雪】 30才 やあ", "2026/3/31",
                                               "02位 500両 【月】 30才 やあ", "2026/3/31",
                                               "03位 500両 【風】 30才 やあ", "2026/3/31"}));
}

TEST_F(RankingScenario, TheSameMinuteShowsTheTableWithoutASecondRequest) {
    server.reply_with({200, answer({packed_line(player("風", 11, 500, 1))}), 0, false});
    const json d = run(std::string(kRegister) + "12 key I down\n13 key Esc down\n14 key I down\n", 15);
    EXPECT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(d["panels"], json::array({"ir_rank_box"}));
    EXPECT_EQ(d["ranking_lines"][0], "01位 500両 【風】 30才 やあ");
}

TEST_F(RankingScenario, AnUnregisteredPlayerGetsTheProfilePanel) {
    const json d = run("1 key M down\n3 key I down\n", 4);
    EXPECT_TRUE(server.requests().empty());
    EXPECT_EQ(d["panels"], json::array({"option_box", "tusin_box"}));
}

TEST_F(RankingScenario, ARefusalFillsTheEmptyRanksWithTheNotice) {
    server.reply_with({200,
                       answer({packed_line(player("風", 11, 500, 1)),
                               utf7_pack("＊　二重投稿は禁止しています　＊"),
                               packed_line(player("雪", 22, 800, 2))}),
                       0, false});
    const json d = run(std::string(kRegister) + "12 key I down\n", 13);
    const json& lines = d["ranking_lines"];
    ASSERT_EQ(lines.size(), 23u); // one player with its date, 21 notices
    EXPECT_EQ(lines[0], "01位 500両 【風】 30才 やあ");
    EXPECT_EQ(lines[2], "02位 【再起動が早すぎるよ、あまりしないで】未プレイ");
    EXPECT_EQ(lines[22], "22位 【再起動が早すぎるよ、あまりしないで】未プレイ");
    ASSERT_EQ(d["ranking"].size(), 2u);
    EXPECT_EQ(d["ranking"][0]["index"], 0);
}

TEST_F(RankingScenario, ASilentServerTimesOutWithinElevenSeconds) {
    server.reply_with({200, "", 0, true});
    const auto t0 = std::chrono::steady_clock::now();
    const json d = run(std::string(kRegister) + "12 key I down\n", 13);
    const auto took = std::chrono::steady_clock::now() - t0;
    EXPECT_EQ(server.requests().size(), 1u);
    EXPECT_GE(took, std::chrono::seconds(9));
    EXPECT_LT(took, std::chrono::seconds(11));
    expect_failed_exchange(d);
}

TEST_F(RankingScenario, AServerErrorOrNoServerIsLikeATimeOut) {
    server.reply_with({500, answer({packed_line(player("風", 11, 500, 1))}), 0, false});
    expect_failed_exchange(run(std::string(kRegister) + "12 key I down\n", 13));
    std::string closed_url;
    {
        TestHttpServer gone;
        closed_url = gone.base_url();
    }
    const auto t0 = std::chrono::steady_clock::now();
    expect_failed_exchange(run(std::string(kRegister) + "12 key I down\n", 13, closed_url));
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(5));
}

} // namespace
} // namespace tsu
