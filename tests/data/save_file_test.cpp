#include "data/save_file.h"

#include "data/text_codec.h"
#include "data_files.h"

#include <gtest/gtest.h>

namespace tsu::testing {
namespace {

// A profile with a different value in every saved field.
void fill_profile(Game& g) {
    tmy& my = g.my;
    my.hi_score = 1200;
    my.music_off = 1;
    my.se_off = 1;
    my.play_count = 17;
    my.name = "つみき";
    my.ir_id = 4321;
    g.comment = "よろしく〜";
    my.age = 33;
    my.place = "大阪";
    my.hi_chara = 2;
    my.hi_stage = 6;
    for (int s = 1; s <= 6; ++s) {
        my.ex_play[std::size_t(s)] = 10 + s;
        my.ex_best[std::size_t(s)] = ex_record{s % 8, 1 + s % 3, 100 * s};
    }
    my.easy = 0;
    my.effect_off = 1;
    my.initialized = 1;
}

std::vector<std::string> saved_lines(DataRoot& root) { return crlf_lines(root.read("my.dat")); }

TEST(SaveFile, WritesFortyLinesInTheirOrder) {
    DataRoot root;
    fill_profile(root.g());
    ASSERT_TRUE(write_save(root.g()));
    const auto l = saved_lines(root);
    ASSERT_EQ(l.size(), 40u);
    EXPECT_EQ(l[0], "1200");
    EXPECT_EQ(l[1], "1");
    EXPECT_EQ(l[3], "17");
    EXPECT_EQ(l[5], "4321");
    EXPECT_EQ(l[7], "33");
    EXPECT_EQ(l[9], std::to_string(17 + 1200 * 1200));
    EXPECT_EQ(l[10], "2");                   // hi_chara
    EXPECT_EQ(l[11], "6");                   // hi_stage
    EXPECT_EQ(l[12], "11");                  // ex_play[1]
    EXPECT_EQ(l[13], "100");                 // ex_best[1].gold
    EXPECT_EQ(l[14], "2");                   // ex_best[1].chara
    EXPECT_EQ(l[15], "1");                   // ex_best[1].stage
    EXPECT_EQ(l[25], "400");                 // ex_best[4].gold
    EXPECT_EQ(l[28], std::to_string(1000 / 3)); // B
    EXPECT_EQ(l[29], "15");                  // ex_play[5]
    EXPECT_EQ(l[30], "500");
    EXPECT_EQ(l[33], "0");                   // easy
    EXPECT_EQ(l[34], "16");                  // ex_play[6]
    EXPECT_EQ(l[37], "6");                   // ex_best[6].stage
    EXPECT_EQ(l[38], "1");                   // effect_off
    EXPECT_EQ(l[39], "1");                   // initialized
}

TEST(SaveFile, ReadsBackWhatItWrote) {
    DataRoot root;
    fill_profile(root.g());
    ASSERT_TRUE(write_save(root.g()));
    DataRoot again;
    std::filesystem::copy_file(root.dat("my.dat"), again.dat("my.dat"));
    ASSERT_EQ(load_save(again.g()), SaveLoad::loaded);
    const tmy& a = root.g().my;
    const tmy& b = again.g().my;
    EXPECT_EQ(b.hi_score, a.hi_score);
    EXPECT_EQ(b.music_off, a.music_off);
    EXPECT_EQ(b.se_off, a.se_off);
    EXPECT_EQ(b.play_count, a.play_count);
    EXPECT_EQ(b.name, a.name);
    EXPECT_EQ(b.ir_id, a.ir_id);
    EXPECT_EQ(again.g().comment, "よろしく～"); // the wave dash comes back as a full-width tilde
    EXPECT_EQ(b.age, a.age);
    EXPECT_EQ(b.place, a.place);
    EXPECT_EQ(b.hi_chara, a.hi_chara);
    EXPECT_EQ(b.hi_stage, a.hi_stage);
    for (int s = 1; s <= 6; ++s) {
        EXPECT_EQ(b.ex_play[std::size_t(s)], a.ex_play[std::size_t(s)]);
        EXPECT_EQ(b.ex_best[std::size_t(s)].gold, a.ex_best[std::size_t(s)].gold);
        EXPECT_EQ(b.ex_best[std::size_t(s)].chara, a.ex_best[std::size_t(s)].chara);
        EXPECT_EQ(b.ex_best[std::size_t(s)].stage, a.ex_best[std::size_t(s)].stage);
    }
    EXPECT_EQ(b.easy, a.easy);
    EXPECT_EQ(b.effect_off, a.effect_off);
    EXPECT_EQ(b.initialized, 1);
    EXPECT_TRUE(again.platform.messages.empty());
}

TEST(SaveFile, TextsAreShiftJisOnDisk) {
    DataRoot root;
    fill_profile(root.g());
    root.g().my.place = "東京";
    root.g().my.name = "ｱｲ忍";
    ASSERT_TRUE(write_save(root.g()));
    const auto l = saved_lines(root);
    EXPECT_EQ(l[8], "\x93\x8C\x8B\x9E");
    EXPECT_EQ(l[4], "\xB1\xB2\x94\x45");
    EXPECT_EQ(l[6], "\x82\xE6\x82\xEB\x82\xB5\x82\xAD\x81\x60");
}

TEST(SaveFile, ATextWithNoShiftJisFormIsNotWritten) {
    DataRoot root;
    root.write("my.dat", "old");
    fill_profile(root.g());
    root.g().comment = "😀";
    EXPECT_FALSE(write_save(root.g()));
    EXPECT_EQ(root.read("my.dat"), "old");
    ASSERT_EQ(root.platform.messages.size(), 1u);
    EXPECT_NE(root.platform.messages[0].find("comment"), std::string::npos);
}

TEST(SaveFile, ALineBreakInATextDoesNotSplitTheFile) {
    DataRoot root;
    fill_profile(root.g());
    root.g().comment = "一行目\r\n二行目";
    ASSERT_TRUE(write_save(root.g()));
    EXPECT_EQ(saved_lines(root).size(), 40u);
    DataRoot again;
    std::filesystem::copy_file(root.dat("my.dat"), again.dat("my.dat"));
    ASSERT_EQ(load_save(again.g()), SaveLoad::loaded);
    EXPECT_EQ(again.g().comment, "一行目  二行目");
    EXPECT_EQ(again.g().my.place, "大阪");
}

// ---- check values --------------------------------------------------------------

TEST(SaveCheck, ValueAWrapsInThirtyTwoBits) {
    tmy my;
    my.hi_score = 50000;
    my.play_count = 3;
    EXPECT_EQ(save_check_a(my), -1794967293);
    my.hi_score = -70000; // squares the same in 32 bits
    EXPECT_EQ(save_check_a(my), int32_t(uint32_t(3) + uint32_t(70000u * 70000u)));
}

TEST(SaveCheck, ValueBDividesTheFirstFourGoldsByThree) {
    tmy my;
    my.ex_best[1].gold = 100;
    my.ex_best[2].gold = 200;
    EXPECT_EQ(save_check_b(my), 100);
    my.ex_best[1].gold = 1;
    my.ex_best[2].gold = 1;
    EXPECT_EQ(save_check_b(my), 0);
    my.ex_best[5].gold = 999; // packs 5 and 6 are not covered
    my.ex_best[6].gold = 999;
    EXPECT_EQ(save_check_b(my), 0);
    my.ex_best[1].gold = -7; // truncation toward zero
    my.ex_best[2].gold = 0;
    EXPECT_EQ(save_check_b(my), -2);
    my.ex_best[1].gold = INT32_MAX; // the sum wraps
    my.ex_best[2].gold = 1;
    EXPECT_EQ(save_check_b(my), INT32_MIN / 3);
}

TEST(SaveCheck, AHighScoreOfFiftyThousandStoresAndMatches) {
    DataRoot root;
    fill_profile(root.g());
    root.g().my.hi_score = 50000;
    root.g().my.play_count = 3;
    ASSERT_TRUE(write_save(root.g()));
    EXPECT_EQ(saved_lines(root)[9], "-1794967293");
    root.g().my.hi_score = 0;
    ASSERT_EQ(load_save(root.g()), SaveLoad::loaded);
    EXPECT_EQ(root.g().my.hi_score, 50000);
}

TEST(SaveCheck, GoldsStoreTheirCheckValue) {
    DataRoot root;
    fill_profile(root.g());
    auto& b = root.g().my.ex_best;
    b[1].gold = 100, b[2].gold = 200, b[3].gold = 0, b[4].gold = 0;
    ASSERT_TRUE(write_save(root.g()));
    EXPECT_EQ(saved_lines(root)[28], "100");
    b[1].gold = 1, b[2].gold = 1;
    ASSERT_TRUE(write_save(root.g()));
    EXPECT_EQ(saved_lines(root)[28], "0");
}

TEST(SaveCheck, AHighScoreRaisedByHandBecomesZero) {
    DataRoot root;
    fill_profile(root.g());
    ASSERT_TRUE(write_save(root.g()));
    auto l = saved_lines(root);
    l[0] = "999999";
    root.write("my.dat", join_crlf(l));
    DataRoot again;
    std::filesystem::copy_file(root.dat("my.dat"), again.dat("my.dat"));
    ASSERT_EQ(load_save(again.g()), SaveLoad::loaded);
    EXPECT_EQ(again.g().my.hi_score, 0);
    EXPECT_EQ(again.g().my.hi_stage, 6);
    EXPECT_EQ(again.g().my.hi_chara, 2);
    EXPECT_EQ(again.g().my.ex_best[1].gold, 100); // B still matches
    EXPECT_TRUE(again.platform.messages.empty());
}

TEST(SaveCheck, AGoldRaisedByHandZeroesTheFirstFourGolds) {
    DataRoot root;
    fill_profile(root.g());
    ASSERT_TRUE(write_save(root.g()));
    auto l = saved_lines(root);
    l[21] = "90000"; // ex_best[3].gold
    root.write("my.dat", join_crlf(l));
    Game& g = root.g();
    ASSERT_EQ(load_save(g), SaveLoad::loaded);
    for (int s = 1; s <= 4; ++s) EXPECT_EQ(g.my.ex_best[std::size_t(s)].gold, 0) << s;
    EXPECT_EQ(g.my.ex_best[5].gold, 500);
    EXPECT_EQ(g.my.ex_best[6].gold, 600);
    EXPECT_EQ(g.my.ex_best[3].stage, 3);
    EXPECT_EQ(g.my.ex_best[3].chara, 1);
    EXPECT_EQ(g.my.hi_score, 1200);
}

// ---- reset -----------------------------------------------------------------------

TEST(SaveReset, ANeverResetFileIsResetOnceAtLoad) {
    DataRoot root;
    fill_profile(root.g());
    ASSERT_TRUE(write_save(root.g()));
    auto l = saved_lines(root);
    l[39] = "0";
    root.write("my.dat", join_crlf(l));

    DataRoot again;
    std::filesystem::copy_file(root.dat("my.dat"), again.dat("my.dat"));
    EXPECT_EQ(load_save(again.g()), SaveLoad::initialized);
    EXPECT_EQ(again.platform.messages, std::vector<std::string>{"初期化しました"});
    EXPECT_EQ(again.g().my.hi_score, 0);
    EXPECT_EQ(again.g().my.place, "東京");
    ASSERT_TRUE(write_save(again.g()));
    EXPECT_EQ(crlf_lines(again.read("my.dat"))[39], "1");
    EXPECT_EQ(load_save(again.g()), SaveLoad::loaded);
    EXPECT_EQ(again.platform.messages.size(), 1u);
}

TEST(SaveReset, KeepsTheOptionsAndTheRankingId) {
    DataRoot root;
    Game& g = root.g();
    fill_profile(g);
    g.my.gold = 800;
    reset_save(g);
    EXPECT_EQ(g.my.music_off, 1);
    EXPECT_EQ(g.my.se_off, 1);
    EXPECT_EQ(g.my.effect_off, 1);
    EXPECT_EQ(g.my.ir_id, 4321);
    EXPECT_EQ(g.my.initialized, 1);
    EXPECT_EQ(g.my.gold, 0);
    EXPECT_EQ(g.my.hi_score, 0);
    EXPECT_EQ(g.my.play_count, 0);
    EXPECT_EQ(g.my.name, "");
    EXPECT_EQ(g.my.age, 20);
    EXPECT_EQ(g.my.place, "東京");
    EXPECT_EQ(g.comment, "");
    EXPECT_EQ(g.my.hi_chara, 0);
    EXPECT_EQ(g.my.hi_stage, 0);
    EXPECT_EQ(g.my.easy, 1);
    for (int s = 1; s <= 6; ++s) {
        EXPECT_EQ(g.my.ex_play[std::size_t(s)], 0);
        EXPECT_EQ(g.my.ex_best[std::size_t(s)].gold, 0);
        EXPECT_EQ(g.my.ex_best[std::size_t(s)].stage, 0);
        EXPECT_EQ(g.my.ex_best[std::size_t(s)].chara, 0);
    }
    EXPECT_EQ(root.platform.messages, std::vector<std::string>{"初期化しました"});
    EXPECT_FALSE(root.exists("my.dat")); // memory only
}

// ---- faults ----------------------------------------------------------------------

TEST(SaveFault, AMissingFileIsReportedAndStartUpGoesOnFromTheReset) {
    DataRoot root;
    Game& g = root.g();
    g.my.music_off = 1;
    EXPECT_EQ(load_save(g), SaveLoad::failed);
    ASSERT_EQ(root.platform.messages.size(), 1u);
    EXPECT_NE(root.platform.messages[0].find("my.dat"), std::string::npos);

    root.platform.messages.clear();
    EXPECT_FALSE(load_save_at_start(g));
    EXPECT_EQ(root.platform.messages.size(), 1u); // the error alone, no reset notice
    EXPECT_EQ(g.my.place, "東京");
    EXPECT_EQ(g.my.easy, 1);
    EXPECT_EQ(g.my.initialized, 1);
    EXPECT_EQ(g.my.music_off, 1);
    ASSERT_TRUE(write_save(g)); // the next save creates the file
    EXPECT_EQ(load_save(g), SaveLoad::loaded);
}

TEST(SaveFault, NoDatFolderIsReported) {
    DataRoot root(false);
    EXPECT_EQ(load_save(root.g()), SaveLoad::failed);
    EXPECT_FALSE(write_save(root.g()));
    ASSERT_EQ(root.platform.messages.size(), 2u);
    EXPECT_NE(root.platform.messages[1].find("Path not found"), std::string::npos);
}

TEST(SaveFault, ATruncatedFileKeepsWhatWasReadAndSkipsTheChecks) {
    DataRoot root;
    fill_profile(root.g());
    ASSERT_TRUE(write_save(root.g()));
    auto l = saved_lines(root);
    l[0] = "777"; // would fail check A
    l.resize(20);
    root.write("my.dat", join_crlf(l));
    DataRoot again;
    std::filesystem::copy_file(root.dat("my.dat"), again.dat("my.dat"));
    EXPECT_EQ(load_save(again.g()), SaveLoad::failed);
    EXPECT_EQ(again.g().my.hi_score, 777);
    EXPECT_EQ(again.g().my.ex_best[2].stage, 2);
    EXPECT_EQ(again.g().my.ex_play[3], 0);
    EXPECT_EQ(again.platform.messages.size(), 1u);
}

TEST(SaveFault, ALineThatIsNoNumberIsReportedWithItsLine) {
    DataRoot root;
    fill_profile(root.g());
    ASSERT_TRUE(write_save(root.g()));
    auto l = saved_lines(root);
    l[7] = "twenty";
    root.write("my.dat", join_crlf(l));
    EXPECT_EQ(load_save(root.g()), SaveLoad::failed);
    ASSERT_EQ(root.platform.messages.size(), 1u);
    EXPECT_NE(root.platform.messages[0].find("line 8"), std::string::npos)
        << root.platform.messages[0];
}

TEST(SaveFault, TextAfterCheckValueBIsReadAsTheNextNumber) {
    DataRoot root;
    fill_profile(root.g());
    ASSERT_TRUE(write_save(root.g()));
    auto l = saved_lines(root);
    l[0] += " hi-score";  // text after a number is skipped with its line...
    l[28] += " 5";        // ...but after B the next read takes it
    l.erase(l.begin() + 29);
    root.write("my.dat", join_crlf(l));
    ASSERT_EQ(load_save(root.g()), SaveLoad::loaded);
    EXPECT_EQ(root.g().my.ex_play[5], 5);
    EXPECT_EQ(root.g().my.ex_best[5].gold, 500);
    EXPECT_EQ(root.g().my.hi_score, 1200);
}

TEST(SaveFault, DamagedShiftJisTextStillLoads) {
    DataRoot root;
    fill_profile(root.g());
    ASSERT_TRUE(write_save(root.g()));
    auto l = saved_lines(root);
    l[4] = "A\x81"; // a lead byte with nothing after it
    root.write("my.dat", join_crlf(l));
    ASSERT_EQ(load_save(root.g()), SaveLoad::loaded);
    EXPECT_EQ(root.g().my.name, "A?");
}

} // namespace
} // namespace tsu::testing
