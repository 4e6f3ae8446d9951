// Reading the server's answer into the ranking table.
#include "ranking/ranking.h"

#include <gtest/gtest.h>

namespace tsu {
namespace {

// One answer line as a server writes it: the field text wrapped and packed.
std::string line(std::string_view text) { return utf7_pack(wrap_field_text(text)); }
std::string player(std::string_view name, int id, int gold) {
    return line("[n" + std::string(name) + "]n{t" + std::to_string(id) + "}t{g" +
                std::to_string(gold) + "}g");
}

TEST(RankingParse, AWrittenPlayerReadsBackWithEveryField) {
    tplayer p;
    p.date = "2024/12/31", p.place = "大阪", p.name = "つみき", p.comment = "よろしく{x}";
    p.hi_stage = 8, p.hi_chara = 3, p.ir_id = 9999, p.hi_score = 123456, p.age = 99;
    p.play_count = 77;
    for (int s = 1; s <= 6; ++s) {
        const auto i = std::size_t(s);
        p.ex_play[i] = 10 + s, p.ex_score[i] = 1000 * s, p.ex_chara[i] = s % 4, p.ex_stage[i] = s;
    }
    RankingTable t;
    ASSERT_EQ(ir_parse(t, {packed_line(p)}), 1);
    const tplayer& r = t[1];
    EXPECT_EQ(field_text(r), field_text(p));
    EXPECT_EQ(r.comment, "よろしく{x}"); // "{x" inside a text that comes earlier is harmless
    EXPECT_TRUE(t[0].name.empty());
}

TEST(RankingParse, FieldRules) {
    struct Case {
        const char* what;
        std::string text;
        tplayer want;
    };
    auto with = [](auto&& set) {
        tplayer p;
        set(p);
        return p;
    };
    const std::vector<Case> cases = {
        {"only a name and gold", "[nソラ]n{g500}g", with([](tplayer& p) { p.name = "ソラ", p.hi_score = 500; })},
        {"last occurrence wins", "[na]n{g1}g[nb]n{g-2}g", with([](tplayer& p) { p.name = "b", p.hi_score = -2; })},
        {"bad number keeps the field", "[na]n{g12x}g{p+4}p{a}a", with([](tplayer& p) { p.name = "a", p.play_count = 4; })},
        {"out of int32 keeps the field", "[na]n{g2147483648}g{t-2147483648}t", with([](tplayer& p) { p.name = "a", p.ir_id = INT32_MIN; })},
        {"pair 27", "[na]n{e27e}", with([](tplayer& p) { p.name = "a", p.ex_chara[1] = 2, p.ex_stage[1] = 7; })},
        {"pair of one digit", "[na]n{#2#}", with([](tplayer& p) { p.name = "a", p.ex_chara[6] = 2; })},
        {"pair reads two characters only", "[na]n{r1x9r}{v35v}", with([](tplayer& p) { p.name = "a", p.ex_chara[4] = 1, p.ex_chara[5] = 3, p.ex_stage[5] = 5; })},
        {"closing marker before opening", "[na]n}g5{g", with([](tplayer& p) { p.name = "a"; })},
        {"texts with markers of others", "[na]n{l{g7}g}l{z2009/3/7}z", with([](tplayer& p) { p.name = "a", p.place = "{g7}g", p.hi_score = 7, p.date = "2009/3/7"; })},
        {"letter-first closers of the packs", "[na]n{b5b}{d6d}{f7f}{h8h}{$9$}{w10w}",
         with([](tplayer& p) { p.name = "a", p.ex_score[1] = 5, p.ex_play[1] = 6, p.ex_score[2] = 7, p.ex_play[2] = 8, p.ex_play[6] = 9, p.ex_score[6] = 10; })},
    };
    for (const Case& c : cases) {
        RankingTable t;
        t[1].date = "old", t[1].ir_id = 55; // a previous reading leaves nothing behind
        EXPECT_EQ(ir_parse(t, {line(c.text)}), 1) << c.what;
        EXPECT_EQ(field_text(t[1]), field_text(c.want)) << c.what;
    }
}

TEST(RankingParse, LinesWithoutANameFeedTheLastEntry) {
    RankingTable t;
    ASSERT_EQ(ir_parse(t, {line("{g9}g{l前}l"), player("a", 1, 5), line("{p3}p"), line("junk"), player("b", 2, 6)}), 2);
    EXPECT_EQ(t[0].hi_score, 9); // before the first name: the notice entry
    EXPECT_EQ(t[0].place, "前");
    EXPECT_EQ(t[1].play_count, 3);
    EXPECT_EQ(t[2].name, "b");
}

TEST(RankingParse, DuplicatesByNameAndId) {
    RankingTable t;
    ASSERT_EQ(ir_parse(t, {player("a", 1, 5), player("a", 1, 900), player("a", 2, 7), player("b", 1, 8)}), 3);
    EXPECT_EQ(t[1].hi_score, 5); // the first stays
    EXPECT_EQ(t[2].name, "a");
    EXPECT_EQ(t[2].ir_id, 2);
    EXPECT_EQ(t[3].name, "b");
    EXPECT_TRUE(t[4].name.empty());
    EXPECT_EQ(t[4].hi_score, 0);
}

TEST(RankingParse, RefusalKeepsTheEntriesBeforeIt) {
    RankingTable t;
    const std::string refusal = line("――" + std::string(kRefusalMark) + "――");
    ASSERT_EQ(ir_parse(t, {player("a", 1, 5), player("b", 2, 6), refusal, player("c", 3, 7)}), 2);
    EXPECT_EQ(t[0].name, kRefusalNotice);
    EXPECT_EQ(t[2].name, "b");
    EXPECT_TRUE(t[3].name.empty());
}

TEST(RankingParse, ReadsAtMost4001LinesAnd99Players) {
    std::vector<std::string> lines(4000, "");
    lines.push_back(player("line4001", 1, 1));
    lines.push_back(player("line4002", 2, 2));
    RankingTable t;
    ASSERT_EQ(ir_parse(t, lines), 1);
    EXPECT_EQ(t[1].name, "line4001");

    lines.clear();
    for (int i = 1; i <= 120; ++i) {
        lines.push_back(player("p" + std::to_string(i), i, i));
        lines.push_back(line("{p" + std::to_string(i) + "}p"));
    }
    lines.push_back(line(kRefusalMark));
    ASSERT_EQ(ir_parse(t, lines), 99);
    EXPECT_EQ(t[99].name, "p99");
    EXPECT_EQ(t[99].play_count, 99); // the 100th player's lines went nowhere
    EXPECT_EQ(t[0].name, kRefusalNotice); // the refusal is still seen
}

TEST(RankingParse, MarkersAreFoundInTheShiftJisBytes) {
    // "ー" is 0x81 0x5B in Shift-JIS: its second byte is "[", so "ーn" holds
    // the marker "[n" there, and the name is what follows it.
    RankingTable t;
    ASSERT_EQ(ir_parse(t, {line("[nーnabc]n")}), 1);
    EXPECT_EQ(t[1].name, "abc");
}

TEST(RankingParse, AnswerBodiesSplitAtEveryKindOfLineBreak) {
    EXPECT_EQ(split_lines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(split_lines("a\n\nb\n"), (std::vector<std::string>{"a", "", "b"}));
    RankingTable t;
    t[3].name = "stale";
    EXPECT_EQ(ir_parse_response(t, player("a", 1, 5) + "\r\n" + player("b", 2, 6) + "\r\n"), 2);
    EXPECT_TRUE(t[3].name.empty());
    EXPECT_EQ(ir_parse_response(t, ""), 0); // a failed exchange empties the table
    EXPECT_TRUE(t[1].name.empty());
}

} // namespace
} // namespace tsu
