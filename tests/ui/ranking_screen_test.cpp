// The ranking screen over a table filled by hand: its pages, colours, set
// switching, detail line, and the request's paths with a recording platform.
#include "game/events.h"
#include "ranking/ranking.h"
#include "support/game_fixture.h"
#include "ui/option_panel.h"
#include "ui/panels.h"
#include "ui/ranking_exchange.h"
#include "ui/ranking_screen.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tsu {
namespace {

tplayer player(std::string name, int32_t score, int32_t chara, int32_t plays, int32_t stage = 3) {
    tplayer p;
    p.name = std::move(name);
    p.hi_score = score;
    p.hi_chara = chara;
    p.play_count = plays;
    p.hi_stage = stage;
    p.age = 20;
    p.comment = "よろしく";
    p.place = "京都";
    p.date = "2026/4/1";
    return p;
}

struct RankingScreen : ::testing::Test, testing::GameFixture {
    // Players 1..n in answer order; player k scores 1000 - 10 k (so the
    // order is the answer's), heroine k % 4.
    void fill(int n) {
        for (int k = 1; k <= n; ++k)
            g().ranking[std::size_t(k)] = player("p" + std::to_string(k), 1000 - 10 * k, k % 4, 1);
        ir_sort(g().ranking, g().ir_order);
    }
    void show() {
        g().panels.option_box = true;
        ir_show_top(g());
    }
    Bitmap& lines() { return picture_box(g(), "ir_rank_cg").canvas; }
    // Whether the band of line `row` on the picture holds a pixel of colour c.
    bool row_has(int row, Colour c) {
        for (int y = row * kRankLineHeight; y < (row + 1) * kRankLineHeight; ++y)
            for (int x = 0; x < lines().width(); ++x)
                if (lines().pixel(x, y) == c) return true;
        return false;
    }
    std::string detail() { return label(g(), "ir_rank_l").caption; }
};

TEST_F(RankingScreen, PagesListRanksWithDatesOnTheFirst) {
    fill(30);
    g().ranking[7].play_count = 0; // listed, but unplayed
    ir_sort(g().ranking, g().ir_order);
    show();
    const auto& l = g().ranking_lines;
    ASSERT_EQ(l.size(), 44u); // 22 lines, each with its date
    EXPECT_EQ(l[0], "01位 990両 【p1】 20才 よろしく");
    EXPECT_EQ(l[1], "2026/4/1");
    EXPECT_EQ(l[12], "07位 【p7】未プレイ");
    EXPECT_EQ(l[42], "22位 780両 【p22】 20才 よろしく");
    EXPECT_EQ(label(g(), "ir_mes_l2").caption, "上位から表示しています");
    EXPECT_FALSE(g().panels.option_box);

    FormKeyDown(g(), vk::down);
    EXPECT_EQ(g().ir_page, 1);
    EXPECT_EQ(label(g(), "ir_mes_l2").caption, "23位以下を表示しています");
    ASSERT_EQ(l.size(), 8u); // ranks 23..30, no dates
    EXPECT_EQ(l.front(), "23位 770両 【p23】 20才 よろしく");
    EXPECT_EQ(l.back(), "30位 700両 【p30】 20才 よろしく");
    EXPECT_EQ(g().ir_order[0][30], 0);
    ASSERT_TRUE(click_control(g(), "Label17"));
    EXPECT_EQ(g().ir_page, 0);
}

TEST_F(RankingScreen, LinesAreColouredByHeroineAndDatesGrey) {
    fill(8);
    show();
    const Colour heroine[] = {rgb(0xAAAAAA), rgb(0x00CCFF), rgb(0xFFCC00), rgb(0xFF00CC)};
    for (int row = 0; row < 8; ++row) {
        const int chara = (row + 1) % 4;
        SCOPED_TRACE(row);
        EXPECT_TRUE(row_has(row, heroine[chara]));
        EXPECT_FALSE(row_has(row, heroine[(chara + 1) % 4]));
        EXPECT_TRUE(row_has(row, rgb(0x666666)));
    }
    EXPECT_FALSE(row_has(9, heroine[1]) || row_has(9, rgb(0x666666))) << "nothing below the last player";
}

TEST_F(RankingScreen, DetailLineFollowsTheMouse) {
    fill(30);
    g().ranking[25].hi_stage = 8;
    ir_sort(g().ranking, g().ir_order);
    show();
    Timer2Timer(g());
    EXPECT_EQ(detail(), "1位 990両 【p1】\r1回Play 京都 20才 \rキャラ:花園ソラ ／ 最終達成ステージ:3\rよろしく");
    ranking_page_switch(g());
    // Mouse at y 30 of the picture on page 1: the third line, rank 25.
    mouse_move(g(), 8 + 100, 32 + 30);
    EXPECT_EQ(g().ir_mouse_y, 30);
    Timer2Timer(g());
    EXPECT_EQ(detail(), "25位 750両 【p25】\r1回Play 京都 20才 \rキャラ:花園ソラ ／ 最終達成ステージ:<<クリア>>\rよろしく");
    mouse_move(g(), 8 + 100, 32 + 120); // rank 33: nobody
    Timer2Timer(g());
    EXPECT_EQ(detail(), "");
}

TEST_F(RankingScreen, SetsSwitchByButtonAndArrowKeys) {
    fill(3);
    g().ranking[2].ex_play[1] = 4;
    g().ranking[2].ex_score[1] = 55;
    ir_sort(g().ranking, g().ir_order);
    show();
    ranking_page_switch(g());
    const Rect r = control(g(), "Label23").client_rect();
    struct Case {
        bool key;
        bool left;
        int set;
        const char* title;
    };
    const Case cases[] = {
        {false, true, 1, "IR MODE of カオスステージ"}, {false, false, 0, "IR MODE"},
        {false, false, 6, "IR MODE of トリックステージ"}, {true, true, 0, "IR MODE"},
        {true, true, 1, "IR MODE of カオスステージ"},  {true, false, 0, "IR MODE"},
    };
    for (const Case& c : cases) {
        if (c.key) {
            FormKeyDown(g(), c.left ? vk::left : vk::right);
        } else {
            const MouseButton b = c.left ? MouseButton::left : MouseButton::right;
            mouse_down(g(), b, r.left + 5, r.top + 5);
            mouse_up(g(), b, r.left + 5, r.top + 5);
        }
        EXPECT_EQ(g().ir_set, c.set);
        EXPECT_EQ(g().ir_page, 0);
        EXPECT_EQ(label(g(), "ir_name_l").caption, c.title);
    }
    ranking_set_switch(g(), true);
    ASSERT_EQ(g().ranking_lines.size(), 6u);
    EXPECT_EQ(g().ranking_lines[0], "01位 55両 【p2】 20才 よろしく");
    EXPECT_EQ(g().ranking_lines[2], "02位 【p3】未プレイ"); // of equal scores the later first
    EXPECT_EQ(g().ranking_lines[4], "03位 【p1】未プレイ");
}

TEST_F(RankingScreen, EscAndBackReturnToTheOptionPanel) {
    show();
    FormKeyDown(g(), vk::esc);
    EXPECT_FALSE(g().panels.ir_rank_box);
    EXPECT_TRUE(g().panels.option_box);
    ir_show_top(g());
    ASSERT_TRUE(click_control(g(), "Label13"));
    EXPECT_TRUE(g().panels.option_box);
    EXPECT_EQ(platform.sounds.back(), "2.wav");
}

// The request's paths; the platform answers from its queue.
struct RankingScreenRequest : RankingScreen {
    RankingScreenRequest() {
        platform.now = LocalTime{2026, 4, 1, 12, 30, 5};
        std::filesystem::create_directories(root.path() / "dat"); // the save file's folder
        open_options(g());
    }
    void register_name() {
        ASSERT_TRUE(click_control(g(), "Label31"));
        ASSERT_TRUE(click_control(g(), "ir_name_b"));
        ASSERT_TRUE(click_control(g(), "close_b"));
    }
    static HttpResponse answer(const std::vector<tplayer>& players) {
        HttpResponse r;
        r.status = 200;
        for (const tplayer& p : players) r.body += packed_line(p) + "\r\n";
        return r;
    }
};

TEST_F(RankingScreenRequest, UnregisteredGetsTheProfileAndTheSameMinuteNoRequest) {
    FormKeyDown(g(), 'I');
    EXPECT_TRUE(g().panels.tusin_box);
    EXPECT_FALSE(g().panels.ir_rank_box);
    EXPECT_TRUE(platform.posts.empty());
    ASSERT_TRUE(click_control(g(), "close_b"));
    register_name();
    platform.responses.push_back(answer({player("a", 10, 1, 1), player("b", 20, 2, 1)}));
    ASSERT_TRUE(click_control(g(), "ir_b"));
    ASSERT_EQ(platform.posts.size(), 1u);
    EXPECT_EQ(platform.posts[0].url, "http://127.0.0.1:8610/tsumikiya/sorabou/sorabou_rank.exe?write");
    EXPECT_EQ(g().my.ir_time, minute_stamp(2026, 4, 1, 12, 30));
    EXPECT_EQ(g().ranking_lines[0], "01位 20両 【b】 20才 よろしく");
    // Back and again within the minute: the same table, no request.
    FormKeyDown(g(), vk::esc);
    platform.now.second = 59;
    FormKeyDown(g(), 'I');
    EXPECT_EQ(platform.posts.size(), 1u);
    EXPECT_TRUE(g().panels.ir_rank_box);
    EXPECT_EQ(g().ranking_lines[0], "01位 20両 【b】 20才 よろしく");
    // The next minute asks again.
    FormKeyDown(g(), vk::esc);
    platform.now.minute = 31;
    FormKeyDown(g(), 'I');
    EXPECT_EQ(platform.posts.size(), 2u);
}

TEST_F(RankingScreenRequest, ThePostCarriesTheProfileAndEveryRecord) {
    register_name();
    tmy& my = g().my;
    my.ir_id = 12;
    my.hi_score = 300;
    my.hi_chara = 2;
    my.hi_stage = 4;
    my.play_count = 5;
    my.ex_play[3] = 7;
    my.ex_best[3] = ex_record{8, 3, 1234};
    my.ex_play[6] = 1;
    my.ex_best[6] = ex_record{0, 1, 0};
    edit_field(g(), "ir_mes").set_value("x");
    spin_edit(g(), "ir_age").set_number(20);
    edit_field(g(), "ir_place").set_value("東京");
    platform.responses.push_back(answer({}));
    FormKeyDown(g(), 'I');
    ASSERT_EQ(platform.posts.size(), 1u);
    const auto packed = percent_decode(platform.posts[0].body);
    ASSERT_TRUE(packed.has_value());
    EXPECT_EQ(utf7_unpack(*packed), "＊　[hあ]hあ[nなまえ]n{t12}t{cx}c{a20}a{l東京}l{g300}g{p5}p{x2}x{y4}y"
                                    "{b0b}{d0d}{e00e}{f0f}{h0h}{i00i}{j1234j}{k7k}{m38m}{o0o}{q0q}{r00r}"
                                    "{s0s}{u0u}{v00v}{w0w}{$1$}{#10#}{z2026/4/1}z　＊");
    EXPECT_EQ(g().comment, "x");
    EXPECT_EQ(my.age, 20);
    EXPECT_EQ(my.place, "東京");
}

TEST_F(RankingScreenRequest, FailuresShowUntilTheNextAction) {
    register_name();
    g().ranking[1] = player("old", 5, 1, 1);
    HttpResponse server_error;
    server_error.status = 500;
    server_error.body = answer({player("x", 1, 1, 1)}).body;
    platform.responses.push_back(server_error);
    FormKeyDown(g(), 'I');
    EXPECT_TRUE(g().panels.ir_rank_box);
    EXPECT_EQ(label(g(), "ir_err_l").caption, kTimeoutText);
    EXPECT_TRUE(g().ranking[1].name.empty()) << "a failed exchange empties the table";
    EXPECT_TRUE(g().ranking_lines.empty());
    FormKeyDown(g(), vk::down);
    EXPECT_EQ(label(g(), "ir_err_l").caption, "");

    // No HTTP client, a bad address: a box, the table as it was.
    g().ranking[1] = player("kept", 5, 1, 1);
    HttpResponse no_client;
    no_client.failure = HttpFailure::no_client;
    HttpResponse bad;
    bad.failure = HttpFailure::bad_request;
    platform.responses.push_back(no_client);
    platform.responses.push_back(bad);
    for (int minute : {40, 41}) {
        FormKeyDown(g(), vk::esc);
        platform.now.minute = minute;
        FormKeyDown(g(), 'I');
        EXPECT_EQ(g().ranking[1].name, "kept");
        EXPECT_EQ(label(g(), "ir_err_l").caption, "");
    }
    ASSERT_EQ(platform.messages.size(), 2u) << ::testing::PrintToString(platform.messages);
    EXPECT_EQ(platform.messages[0], "1x.libcurl生成に失敗");
    EXPECT_NE(platform.messages[1].find("http://127.0.0.1:8610/tsumikiya"), std::string::npos);
}

} // namespace
} // namespace tsu
