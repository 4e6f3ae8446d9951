#include "data/save_file.h"

#include "data_files.h"

#include <gtest/gtest.h>

namespace tsu::testing {
namespace {

// A profile with a different value in every saved field.
void fill_profile(Game& g) {
    tmy& my = g.my;
    my.hi_score = 1200, my.music_off = 1, my.se_off = 1, my.play_count = 17;
    my.name = "つみき", my.ir_id = 4321, g.comment = "よろしく〜", my.age = 33, my.place = "大阪";
    my.hi_chara = 2, my.hi_stage = 6, my.easy = 0, my.effect_off = 1, my.initialized = 1;
    for (int s = 1; s <= 6; ++s) {
        my.ex_play[std::size_t(s)] = 10 + s;
        my.ex_best[std::size_t(s)] = ex_record{s, 1 + s % 3, 100 * s};
    }
}

// The saved numbers of a record, in a fixed order, to compare two records.
std::vector<int32_t> saved_numbers(const tmy& my) {
    std::vector<int32_t> v = {my.hi_score, my.music_off, my.se_off,   my.play_count,
                              my.ir_id,    my.age,       my.hi_chara, my.hi_stage,
                              my.easy,     my.effect_off, my.initialized};
    for (int s = 1; s <= 6; ++s) {
        const ex_record& b = my.ex_best[std::size_t(s)];
        v.insert(v.end(), {my.ex_play[std::size_t(s)], b.stage, b.chara, b.gold});
    }
    return v;
}

struct Saved {
    Saved() {
        fill_profile(root.g());
        EXPECT_TRUE(write_save(root.g()));
        lines = crlf_lines(root.read("my.dat"));
    }
    // Writes the edited lines back and loads them into a fresh game.
    SaveLoad reload() {
        again.write("my.dat", join_crlf(lines));
        return load_save(again.g());
    }
    DataRoot root, again;
    std::vector<std::string> lines;
};

TEST(SaveFile, WritesFortyLinesInOrderAndReadsThemBack) {
    Saved s;
    const std::vector<std::string> expected = {
        "1200", "1",  "1",   "17",  "", "4321", "", "33", "", std::to_string(17 + 1200 * 1200),
        "2",    "6",  "11",  "100", "2", "1",   "12", "200", "3", "2",
        "13",   "300", "1",  "3",   "14", "400", "2", "4",  "333", "15",
        "500",  "3",  "5",   "0",   "16", "600", "1", "6",  "1",  "1"};
    ASSERT_EQ(s.lines.size(), 40u);
    for (std::size_t i = 0; i < 40; ++i) {
        if (!expected[i].empty()) {
            EXPECT_EQ(s.lines[i], expected[i]) << "line " << i + 1;
        }
    }
    ASSERT_EQ(s.reload(), SaveLoad::loaded);
    const Game& a = s.root.g();
    const Game& b = s.again.g();
    EXPECT_EQ(saved_numbers(b.my), saved_numbers(a.my));
    EXPECT_EQ(b.my.name + "|" + b.my.place + "|" + b.comment, "つみき|大阪|よろしく～");
    EXPECT_TRUE(s.again.messages().empty());
}

TEST(SaveFile, TextsAreStoredAsShiftJis) {
    DataRoot root;
    fill_profile(root.g());
    root.g().my.place = "東京";
    root.g().my.name = "ｱｲ忍";
    ASSERT_TRUE(write_save(root.g()));
    const auto l = crlf_lines(root.read("my.dat"));
    EXPECT_EQ(l[8], "\x93\x8C\x8B\x9E");
    EXPECT_EQ(l[4], "\xB1\xB2\x94\x45");
    EXPECT_EQ(l[6], "\x82\xE6\x82\xEB\x82\xB5\x82\xAD\x81\x60"); // the wave dash as 81 60
}

TEST(SaveFile, AnUnencodableTextIsAnErrorAndALineBreakABlank) {
    DataRoot root;
    root.write("my.dat", "old");
    fill_profile(root.g());
    root.g().comment = "😀";
    EXPECT_FALSE(write_save(root.g()));
    EXPECT_EQ(root.read("my.dat"), "old");
    ASSERT_EQ(root.messages().size(), 1u);
    EXPECT_TRUE(contains(root.messages()[0], "comment"));
    root.g().comment = "一行目\r\n二行目";
    ASSERT_TRUE(write_save(root.g()));
    ASSERT_EQ(crlf_lines(root.read("my.dat")).size(), 40u);
    ASSERT_EQ(load_save(root.g()), SaveLoad::loaded);
    EXPECT_EQ(root.g().comment, "一行目  二行目");
}

TEST(SaveCheck, ComputedInWrapping32BitArithmetic) {
    tmy my;
    my.hi_score = 50000, my.play_count = 3;
    EXPECT_EQ(save_check_a(my), -1794967293);
    my.ex_best[1].gold = 100, my.ex_best[2].gold = 200;
    EXPECT_EQ(save_check_b(my), 100);
    my.ex_best[1].gold = 1, my.ex_best[2].gold = 1, my.ex_best[5].gold = my.ex_best[6].gold = 99;
    EXPECT_EQ(save_check_b(my), 0); // packs 5 and 6 are not covered
    my.ex_best[1].gold = -7, my.ex_best[2].gold = 0;
    EXPECT_EQ(save_check_b(my), -2); // toward zero
    my.ex_best[1].gold = INT32_MAX, my.ex_best[2].gold = 1;
    EXPECT_EQ(save_check_b(my), INT32_MIN / 3);
}

TEST(SaveCheck, MatchingValuesKeepTheScores) {
    Saved s;
    s.root.g().my.hi_score = 50000, s.root.g().my.play_count = 3;
    auto& b = s.root.g().my.ex_best;
    b[1].gold = 100, b[2].gold = 200, b[3].gold = b[4].gold = 0;
    ASSERT_TRUE(write_save(s.root.g()));
    s.lines = crlf_lines(s.root.read("my.dat"));
    EXPECT_EQ(s.lines[9] + " " + s.lines[28], "-1794967293 100");
    ASSERT_EQ(s.reload(), SaveLoad::loaded);
    EXPECT_EQ(s.again.g().my.hi_score, 50000);
    EXPECT_EQ(s.again.g().my.ex_best[2].gold, 200);
}

TEST(SaveCheck, AScoreRaisedByHandBecomesZero) {
    Saved s;
    s.lines[0] = "999999";
    ASSERT_EQ(s.reload(), SaveLoad::loaded);
    const tmy& my = s.again.g().my;
    EXPECT_EQ(my.hi_score, 0);
    EXPECT_EQ(V({my.hi_stage, my.hi_chara}), V({6, 2}));
    EXPECT_EQ(my.ex_best[1].gold, 100); // B still matches
    s.lines[0] = "1200";
    s.lines[21] = "90000"; // ex_best[3].gold
    ASSERT_EQ(s.reload(), SaveLoad::loaded);
    for (int p = 1; p <= 6; ++p) EXPECT_EQ(my.ex_best[std::size_t(p)].gold, p <= 4 ? 0 : 100 * p);
    EXPECT_EQ(V({my.ex_best[3].stage, my.ex_best[3].chara}), V({3, 1}));
    EXPECT_EQ(my.hi_score, 1200);
    EXPECT_TRUE(s.again.messages().empty());
}

TEST(SaveReset, ANeverResetFileIsResetOnceAndThenSavedAsReset) {
    Saved s;
    s.lines[39] = "0";
    EXPECT_EQ(s.reload(), SaveLoad::initialized);
    EXPECT_EQ(s.again.messages(), std::vector<std::string>{"初期化しました"});
    EXPECT_EQ(s.again.g().my.hi_score, 0);
    ASSERT_TRUE(write_save(s.again.g()));
    EXPECT_EQ(crlf_lines(s.again.read("my.dat"))[39], "1");
    EXPECT_EQ(load_save(s.again.g()), SaveLoad::loaded);
    EXPECT_EQ(s.again.messages().size(), 1u);
}

TEST(SaveReset, RestoresTheDefaultsButKeepsOptionsAndRankingId) {
    DataRoot root;
    Game& g = root.g();
    fill_profile(g);
    g.my.gold = 800;
    reset_save(g);
    tmy expected;
    expected.initialized = 1, expected.age = 20, expected.easy = 1;
    expected.music_off = expected.se_off = expected.effect_off = 1, expected.ir_id = 4321;
    EXPECT_EQ(saved_numbers(g.my), saved_numbers(expected));
    EXPECT_EQ(g.my.gold, 0);
    EXPECT_EQ(g.my.name + "|" + g.my.place + "|" + g.comment, "|東京|");
    EXPECT_EQ(root.messages(), std::vector<std::string>{"初期化しました"});
    EXPECT_FALSE(std::filesystem::exists(root.dat("my.dat"))); // memory only
}

TEST(SaveFault, AMissingFileIsTheFirstStartAndIsMadeQuietly) {
    DataRoot root;
    Game& g = root.g();
    g.my.music_off = 1;
    EXPECT_EQ(load_save(g), SaveLoad::missing);
    EXPECT_TRUE(load_save_at_start(g));
    EXPECT_TRUE(root.messages().empty());
    EXPECT_EQ(g.my.place + std::to_string(g.my.easy) + std::to_string(g.my.music_off), "東京11");
    EXPECT_EQ(crlf_lines(root.read("my.dat")).size(), 40u);
    EXPECT_EQ(load_save(g), SaveLoad::loaded);
    DataRoot none(false); // no dat folder: that is a fault
    EXPECT_EQ(load_save(none.g()), SaveLoad::failed);
    EXPECT_FALSE(write_save(none.g()));
    ASSERT_EQ(none.messages().size(), 2u);
    EXPECT_TRUE(contains(none.messages()[1], "Path not found"));
}

TEST(SaveFault, UnreadableFilesAreKeptUnderNamesThatNeverCollide) {
    Saved s;
    s.lines.resize(39); // cut short
    const std::string cut = join_crlf(s.lines);
    s.again.platform.now = LocalTime{2026, 3, 9, 7, 5, 2};
    for (int start = 1; start <= 2; ++start) {
        s.again.write("my.dat", cut);
        s.again.platform.messages.clear();
        EXPECT_FALSE(load_save_at_start(s.again.g()));
        ASSERT_EQ(s.again.messages().size(), 1u);
        EXPECT_TRUE(contains(s.again.messages()[0], "line 40")) << s.again.messages()[0];
        ASSERT_TRUE(write_save(s.again.g())); // over the damaged file
    }
    const std::string first = "my.dat.unreadable-20260309-070502";
    EXPECT_EQ(s.again.read(first), cut);
    EXPECT_EQ(s.again.read(first + "-2"), cut); // the same second: a name of its own
    EXPECT_TRUE(contains(s.again.messages()[0], s.again.dat(first + "-2").string()));
    EXPECT_EQ(s.again.g().my.hi_score, 0); // from the reset values
}

TEST(SaveFault, AFileThatCannotBeReadNorKeptIsNeverWrittenOver) {
    DataRoot root;
    std::filesystem::create_directory(root.dat("my.dat")); // there, but no file to read
    std::filesystem::create_directory(root.dat("my.dat") / "inside");
    EXPECT_FALSE(load_save_at_start(root.g()));
    ASSERT_EQ(root.messages().size(), 1u);
    EXPECT_TRUE(contains(root.messages()[0], "読み込めませんでした"));
    EXPECT_FALSE(write_save(root.g()));
    EXPECT_TRUE(std::filesystem::exists(root.dat("my.dat") / "inside"));
    EXPECT_EQ(root.messages().size(), 2u);
}

// Bytes that Shift-JIS does not hold, or holds twice, come back as they were
// as long as the player leaves the text alone; a text the player changed is
// written as Shift-JIS anew.
TEST(SaveFile, TextBytesSurviveARoundTripUntilThePlayerChangesThem) {
    const std::vector<std::string> bytes = {
        "\x80",           // not a character
        "A\xA0Z",         // not a character
        "\xFD\xFE\xFF",   // not characters
        "name\x81",       // a lead byte at the end of the line
        "\xED\x40",       // NEC-selected IBM kanji ...
        "\xFA\x5C",       // ... and the IBM code of the same kanji
        "\x87\x90\x81\xE0", // NEC row 13 and JIS codes of one sign
        "\x82\xA0 ok",    // plain text
    };
    for (const std::string& b : bytes) {
        Saved s;
        s.lines[4] = b, s.lines[6] = "c" + b, s.lines[8] = b + "p";
        ASSERT_EQ(s.reload(), SaveLoad::loaded);
        ASSERT_TRUE(write_save(s.again.g()));
        const auto back = crlf_lines(s.again.read("my.dat"));
        EXPECT_EQ(back[4], b);
        EXPECT_EQ(back[6], "c" + b);
        EXPECT_EQ(back[8], b + "p");
    }
    Saved s;
    s.lines[4] = "\xED\x40";
    ASSERT_EQ(s.reload(), SaveLoad::loaded);
    s.again.g().my.name += "忍";
    ASSERT_TRUE(write_save(s.again.g()));
    EXPECT_EQ(crlf_lines(s.again.read("my.dat"))[4], "\xFA\x5C\x94\x45");
}

TEST(SaveFault, ABadOrShortFileKeepsWhatWasReadAndSkipsTheChecks) {
    Saved s;
    s.lines[0] = "777"; // would fail check A
    s.lines[20] = "twenty";
    EXPECT_EQ(s.reload(), SaveLoad::failed);
    ASSERT_EQ(s.again.messages().size(), 1u);
    EXPECT_TRUE(contains(s.again.messages()[0], "my.dat, line 21")) << s.again.messages()[0];
    EXPECT_EQ(s.again.g().my.hi_score, 777);
    EXPECT_EQ(s.again.g().my.ex_best[2].stage, 2);
    EXPECT_EQ(s.again.g().my.ex_play[3], 0);
    s.lines.resize(20);
    EXPECT_EQ(s.reload(), SaveLoad::failed);
    EXPECT_EQ(s.again.messages().size(), 2u);
}

TEST(SaveFault, TextAfterCheckValueBIsTakenByTheNextRead) {
    Saved s;
    s.lines[0] += " hi-score"; // after any other number its line is skipped
    s.lines[28] += " 5";
    s.lines.erase(s.lines.begin() + 29);
    ASSERT_EQ(s.reload(), SaveLoad::loaded);
    const tmy& my = s.again.g().my;
    EXPECT_EQ(V({my.ex_play[5], my.ex_best[5].gold}), V({5, 500}));
    EXPECT_EQ(my.hi_score, 1200);
}

TEST(SaveFault, DamagedShiftJisTextStillLoads) {
    Saved s;
    s.lines[4] = "A\x81"; // a lead byte with nothing after it
    ASSERT_EQ(s.reload(), SaveLoad::loaded);
    EXPECT_EQ(s.again.g().my.name, "A?");
}

} // namespace
} // namespace tsu::testing
