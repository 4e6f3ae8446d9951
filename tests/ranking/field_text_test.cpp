// The request side of the ranking: field text, wrap, percent encoding, URL
// and the clock values.
#include "ranking/ranking.h"

#include <gtest/gtest.h>

namespace tsu {
namespace {

tplayer example_profile() {
    tplayer p;
    p.name = "あ", p.ir_id = 12, p.comment = "x", p.age = 20, p.place = "東京";
    p.hi_score = 300, p.hi_chara = 2, p.hi_stage = 4, p.play_count = 5;
    p.date = "2009/3/7";
    return p;
}

TEST(RankingRequest, FieldTextOfAProfileHasEveryFieldInOrderWithBothClosingForms) {
    EXPECT_EQ(field_text(example_profile()),
              "[hあ]hあ[nあ]n{t12}t{cx}c{a20}a{l東京}l{g300}g{p5}p{x2}x{y4}y{b0b}{d0d}{e00e}"
              "{f0f}{h0h}{i00i}{j0j}{k0k}{m00m}{o0o}{q0q}{r00r}{s0s}{u0u}{v00v}{w0w}{$0$}"
              "{#00#}{z2009/3/7}z");
    tplayer p = example_profile();
    p.ex_score[6] = -40, p.ex_play[6] = 3, p.ex_chara[6] = 3, p.ex_stage[6] = 8;
    p.ex_score[2] = 7, p.ex_chara[2] = 1;
    const std::string t = field_text(p);
    EXPECT_NE(t.find("{f7f}{h0h}{i10i}"), std::string::npos) << t;
    EXPECT_NE(t.find("{w-40w}{$3$}{#38#}"), std::string::npos) << t;
}

TEST(RankingRequest, BodyIsTheWrappedTextPackedAndEveryBytePercentEncoded) {
    EXPECT_EQ(percent_encode("AB"), "%41%42");
    EXPECT_EQ(percent_encode("\xE3"), "%E3");
    EXPECT_EQ(percent_encode(std::string("\0+", 2)), "%00%2B");

    const tplayer p = example_profile();
    const std::string body = ir_request_body(p);
    ASSERT_EQ(body.size() % 3, 0u);
    for (std::size_t i = 0; i < body.size(); i += 3) ASSERT_EQ(body[i], '%') << i;
    const auto packed = percent_decode(body);
    ASSERT_TRUE(packed);
    // The packed form starts inside the first base64 run ("＊　[" are all
    // encoded) and ends before the "-" that closes the last.
    EXPECT_EQ(packed->substr(0, 8), "/wowAABb");
    EXPECT_EQ(utf7_unpack(*packed), "＊　" + field_text(p) + "　＊");
}

TEST(RankingRequest, PercentDecodingKeepsPlusAndRefusesBrokenEscapes) {
    using Text = std::optional<std::string>;
    EXPECT_EQ(percent_decode("%41%42"), Text("AB"));
    EXPECT_EQ(percent_decode("%e3a+b"), Text("\xE3" "a+b"));
    EXPECT_EQ(percent_decode(""), Text(""));
    for (const char* bad : {"%", "%4", "%G1", "ab%4"}) EXPECT_FALSE(percent_decode(bad)) << bad;
}

TEST(RankingRequest, UrlAndClockValues) {
    EXPECT_EQ(ir_request_url("http://127.0.0.1:8610/tsumikiya/"),
              "http://127.0.0.1:8610/tsumikiya/sorabou/sorabou_rank.exe?write");
    EXPECT_EQ(date_text(2009, 3, 7), "2009/3/7");
    EXPECT_EQ(minute_stamp(2009, 3, 7, 13, 5), 2009 * 535680 + 3 * 44640 + 7 * 1440 + 13 * 60 + 5);
    // The last minute of a day and the first of the next differ; so do the
    // 31st of a month and the 1st of the next.
    EXPECT_LT(minute_stamp(2024, 1, 31, 23, 59), minute_stamp(2024, 2, 1, 0, 0));
    EXPECT_LT(minute_stamp(2024, 12, 31, 23, 59), minute_stamp(2025, 1, 1, 0, 0));
    // The year is capped, so the stamp never overflows.
    EXPECT_EQ(minute_stamp(9999, 12, 31, 23, 59), minute_stamp(2100, 12, 31, 23, 59));
    EXPECT_GT(minute_stamp(2100, 12, 31, 23, 59), 0);
}

} // namespace
} // namespace tsu
