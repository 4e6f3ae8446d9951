#include "data/stage_file.h"

#include "data/number_reader.h"
#include "data_files.h"

#include <gtest/gtest.h>

#include <random>

namespace tsu::testing {
namespace {

// A grid with a value in every cell, in and out of the ranges play uses.
std::unique_ptr<StageGrid> random_grid(uint32_t seed) {
    std::mt19937 rng(seed);
    auto grid = std::make_unique<StageGrid>();
    for (cell& c : grid->cells) {
        c.lower = int32_t(rng() % 60) - 5; // -5..54: some outside 0..49
        c.upper = int32_t(rng() % 30);     // 0..29: some 23 and more
        c.teki = rng() % 20 == 0 ? int32_t(rng() % 30) : 0;
    }
    grid->weather = 3;
    return grid;
}

cell clamped(const cell& c) {
    return {c.lower >= 0 && c.lower <= 49 ? c.lower : 0, c.upper >= 0 && c.upper <= 22 ? c.upper : 0,
            c.teki >= 0 && c.teki <= 25 ? c.teki : 0};
}

bool same(const cell& a, const cell& b) {
    return a.lower == b.lower && a.upper == b.upper && a.teki == b.teki;
}

int alive_items(const Game& g) {
    int n = 0;
    for (const tman& it : g.item) n += it.alive >= 1;
    return n;
}

int alive_teki(const Game& g) {
    int n = 0;
    for (const tman& t : g.teki) n += t.alive >= 1;
    return n;
}

// ---- round trip and files ---------------------------------------------------

TEST(StageFile, SavedThenLoadedGivesTheSameGridExceptTheClamps) {
    DataRoot root;
    root.write_plain_chips();
    const auto grid = random_grid(7);
    Game& g = root.g();
    for (int c = 0; c < 100; ++c)
        for (int r = 0; r < 100; ++r) g.map[std::size_t(c + 1)][std::size_t(r + 1)] = grid->at(c, r);
    g.stage_weather = 3;
    ASSERT_TRUE(save_stage(g, 104));

    DataRoot again;
    std::filesystem::copy_file(root.dat("map104.dat"), again.dat("map4.dat"));
    std::filesystem::copy_file(root.dat("chip.dat"), again.dat("chip.dat"));
    Game& h = again.g();
    ASSERT_TRUE(load_stage(h, 4));
    EXPECT_TRUE(again.platform.messages.empty());
    int wrong = 0;
    for (int c = 0; c < 100; ++c)
        for (int r = 0; r < 100; ++r)
            wrong += !same(h.map[std::size_t(c + 1)][std::size_t(r + 1)], clamped(grid->at(c, r)));
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(h.stage_weather, 3);
    EXPECT_EQ(h.my.weather, 3);
    // Index 0 of either dimension is never written.
    EXPECT_EQ(h.map[0][5].lower, 0);
    EXPECT_EQ(h.map[5][0].upper, 0);
}

TEST(StageFile, TheFileIsThirtyThousandAndOneCrLfLinesInColumnOrder) {
    DataRoot root;
    Game& g = root.g();
    g.map[2][3] = cell{4, 5, 6}; // column 1, row 2
    g.map[100][100] = cell{-7, 0, 0};
    g.stage_weather = 4;
    ASSERT_TRUE(save_stage(g, 101));
    const std::string text = root.read("map101.dat");
    const auto lines = crlf_lines(text);
    ASSERT_EQ(lines.size(), 30001u);
    EXPECT_EQ(text.substr(text.size() - 3), "4\r\n");
    const std::size_t first = 3 * (100 * 1 + 2); // line 3 * (100 (c - 1) + (r - 1)) + 1, 0-based
    EXPECT_EQ(lines[first], "4");
    EXPECT_EQ(lines[first + 1], "5");
    EXPECT_EQ(lines[first + 2], "6");
    EXPECT_EQ(lines[29997], "-7");
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
}

TEST(StageFile, SavingAUserStageLeavesChipDatAlone) {
    DataRoot root;
    root.write("chip.dat", "old chips");
    Game& g = root.g();
    g.pass_lower[3] = 1;
    ASSERT_TRUE(save_stage(g, 105));
    EXPECT_TRUE(root.exists("map105.dat"));
    EXPECT_FALSE(root.exists("map5.dat"));
    EXPECT_EQ(root.read("chip.dat"), "old chips");
}

TEST(StageFile, SavingAnOfficialStageAlsoWritesChipDat) {
    DataRoot root;
    root.write("chip.dat", "old chips");
    Game& g = root.g();
    g.pass_lower[3] = 1;
    g.pass_upper[99] = 2;
    ASSERT_TRUE(save_stage(g, 5));
    EXPECT_TRUE(root.exists("map5.dat"));
    const auto lines = crlf_lines(root.read("chip.dat"));
    ASSERT_EQ(lines.size(), 200u);
    EXPECT_EQ(lines[3], "1");
    EXPECT_EQ(lines[199], "2");
    EXPECT_EQ(lines[0], "0");
}

TEST(StageFile, SavingLeavesNoTemporaryFilesBehind) {
    DataRoot root;
    ASSERT_TRUE(save_stage(root.g(), 2));
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(root.dir.path() / "dat"))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"chip.dat", "map2.dat"}));
}

TEST(StageFile, TheStageSetPicksTheFileNumber) {
    DataRoot root;
    root.write_plain_chips();
    StageGrid grid;
    grid.at(0, 0).lower = 9;
    root.write_stage(23, grid);
    Game& g = root.g();
    g.stage_set = 2;
    ASSERT_TRUE(load_stage(g, 3));
    EXPECT_EQ(g.map[1][1].lower, 9);
    // Saving takes the number as it is.
    ASSERT_TRUE(save_stage(g, 3));
    EXPECT_TRUE(root.exists("map3.dat"));
}

// ---- what loading places and clamps ---------------------------------------------

struct Loaded {
    DataRoot root;
    explicit Loaded(const StageGrid& grid, int easy = 0) {
        root.write_plain_chips();
        root.write_stage(0, grid);
        root.g().my.easy = easy;
        ok = load_stage(root.g(), 0);
    }
    bool ok = false;
};

TEST(StageLoad, ItemMarkersPlaceTheirItemsAndStayInTheGrid) {
    const int kinds[][2] = {{1, 0},  {2, 5},   {3, 6},   {4, 7},   {5, 8},
                            {9, 11}, {10, 10}, {11, 12}, {12, 13}, {13, 14}};
    StageGrid grid;
    for (int k = 0; k < 10; ++k) grid.at(10 + k, 4).upper = kinds[k][0];
    grid.at(40, 4).upper = 6;  // treasure box: no item
    grid.at(41, 4).upper = 14; // vent: no item
    Loaded l(grid);
    ASSERT_TRUE(l.ok);
    Game& g = l.root.g();
    ASSERT_EQ(alive_items(g), 10);
    for (int k = 0; k < 10; ++k) {
        const tman& it = g.item[std::size_t(k + 2)]; // the ring starts at row 2
        EXPECT_EQ(it.kind, kinds[k][1]) << "upper chip " << kinds[k][0];
        EXPECT_EQ(it.x, 10 + k);
        EXPECT_EQ(it.y, 4);
        EXPECT_EQ(it.size, 10);
        EXPECT_EQ(g.map[std::size_t(11 + k)][5].upper, kinds[k][0]);
    }
}

TEST(StageLoad, UpperChipThreeGivesAnItemOfKindSixAndStaysThree) {
    StageGrid grid;
    grid.at(7, 12).upper = 3;
    Loaded l(grid);
    Game& g = l.root.g();
    ASSERT_EQ(alive_items(g), 1);
    EXPECT_EQ(g.item[2].kind, 6);
    EXPECT_EQ(g.map[8][13].upper, 3);
}

TEST(StageLoad, CoinMarkersNeverDrawTheCoinUpgrade) {
    StageGrid grid;
    for (int c = 0; c < 50; ++c) grid.at(c, 3).upper = 1;
    Loaded l(grid);
    Game& g = l.root.g();
    EXPECT_EQ(g.random.draws(), 0u);
    for (int i = 2; i <= 51; ++i) EXPECT_EQ(g.item[std::size_t(i)].kind, 0);
}

TEST(StageLoad, OutOfRangeChipsAndEnemiesBecomeZero) {
    StageGrid grid;
    grid.at(0, 0) = cell{50, 30, 26};
    grid.at(1, 0) = cell{-1, -2, -3};
    grid.at(2, 0) = cell{49, 22, 25};
    grid.at(3, 0) = cell{2147483647, 23, 1000};
    Loaded l(grid);
    Game& g = l.root.g();
    ASSERT_TRUE(l.ok);
    EXPECT_TRUE(same(g.map[1][1], cell{0, 0, 0}));
    EXPECT_TRUE(same(g.map[2][1], cell{0, 0, 0}));
    EXPECT_TRUE(same(g.map[3][1], cell{49, 22, 25}));
    EXPECT_TRUE(same(g.map[4][1], cell{0, 0, 0}));
    EXPECT_EQ(alive_teki(g), 1); // only type 25
    EXPECT_EQ(alive_items(g), 0);
}

TEST(StageLoad, EnemyTypeTwentySixBecomesZeroAndSpawnsNothing) {
    StageGrid grid;
    grid.at(30, 10).teki = 26;
    Loaded l(grid);
    EXPECT_EQ(l.root.g().map[31][11].teki, 0);
    EXPECT_EQ(alive_teki(l.root.g()), 0);
}

TEST(StageLoad, EnemiesAreSpawnedFromTheirTemplates) {
    StageGrid grid;
    grid.at(30, 10).teki = 14;
    grid.at(31, 17).teki = 17;
    Loaded l(grid);
    Game& g = l.root.g();
    ASSERT_EQ(alive_teki(g), 2);
    EXPECT_EQ(g.teki[2].kind, 14);
    EXPECT_EQ(g.teki[2].x, 30);
    EXPECT_EQ(g.teki[2].y, 10);
    EXPECT_EQ(g.teki[2].hp, 5);
    EXPECT_EQ(g.teki[2].name, "ＵＦＯ");
    EXPECT_EQ(g.teki[3].kind, 17);
    EXPECT_EQ(g.teki[3].hp, 99);
}

TEST(StageLoad, AnEasyStageGivesEveryEnemyOneHitPointAndALife) {
    StageGrid grid;
    grid.at(31, 17).teki = 17;
    Loaded l(grid, 1);
    Game& g = l.root.g();
    EXPECT_EQ(g.teki[2].hp, 1);
    EXPECT_EQ(g.my.lives, 1);
    ASSERT_TRUE(load_stage(g, 0));
    ASSERT_TRUE(load_stage(g, 0));
    EXPECT_EQ(g.my.lives, 3);
}

TEST(StageLoad, NomalGivesNoLife) {
    Loaded l(StageGrid{}, 0);
    EXPECT_EQ(l.root.g().my.lives, 0);
}

TEST(StageLoad, TheWeatherPressesItsButtonOnlyWhenItHasOne) {
    StageGrid grid;
    grid.weather = 7;
    DataRoot root;
    root.write_plain_chips();
    root.write_stage(0, grid);
    Game& g = root.g();
    g.tenki_down = 3;
    ASSERT_TRUE(load_stage(g, 0));
    EXPECT_EQ(g.tenki_down, 3);
    EXPECT_EQ(g.my.weather, 7);
    EXPECT_EQ(g.stage_weather, 7);

    grid.weather = 2;
    root.write_stage(0, grid);
    ASSERT_TRUE(load_stage(g, 0));
    EXPECT_EQ(g.tenki_down, 2);
    EXPECT_EQ(g.my.weather, 2);

    grid.weather = -1;
    root.write_stage(0, grid);
    ASSERT_TRUE(load_stage(g, 0));
    EXPECT_EQ(g.tenki_down, 2);
    EXPECT_EQ(g.my.weather, -1);
}

TEST(StageLoad, EmptiesThePoolsAndTheScrollFirst) {
    StageGrid grid;
    grid.at(5, 5).upper = 2;
    DataRoot root;
    root.write_plain_chips();
    root.write_stage(0, grid);
    Game& g = root.g();
    g.scroll = 40;
    g.item[60].alive = 1;
    g.teki[700].alive = 9;
    g.shot[100].alive = 1;
    g.teki_shot[3].alive = 1;
    g.effects.ef_age[10] = 4;
    ASSERT_TRUE(load_stage(g, 0));
    EXPECT_EQ(g.scroll, 0);
    EXPECT_EQ(g.item[60].alive, 0);
    EXPECT_EQ(g.teki[700].alive, 0);
    EXPECT_EQ(g.teki[700].image, 3); // the blank template
    EXPECT_EQ(g.shot[100].alive, 0);
    EXPECT_EQ(g.teki_shot[3].alive, 0);
    EXPECT_FALSE(g.effects.active(10));
    EXPECT_EQ(alive_items(g), 1);
}

TEST(StageLoad, ReadsThePassabilityTables) {
    DataRoot root;
    PassTable lower{}, upper{};
    lower[13] = 1;
    lower[30] = 2;
    upper[99] = 5;
    root.write("chip.dat", format_chip_dat(lower, upper));
    root.write_stage(0, StageGrid{});
    Game& g = root.g();
    g.pass_lower[1] = 1;
    ASSERT_TRUE(load_stage(g, 0));
    EXPECT_EQ(g.pass_lower, lower);
    EXPECT_EQ(g.pass_upper, upper);
}

TEST(StageLoad, BlanksEmptyLinesAndCommentsAroundNumbersAreRead) {
    StageGrid grid;
    std::string text = format_stage_dat(grid);
    // First cell: lower 4 after blanks and two empty lines, upper 9 with a
    // comment after a blank, enemy 1 after a tab.
    text.replace(0, 9, "\r\n\r\n   4\r\n9 the bag\r\n\t1\r\n");
    DataRoot root;
    root.write_plain_chips();
    root.write("map0.dat", text);
    Game& g = root.g();
    ASSERT_TRUE(load_stage(g, 0));
    EXPECT_TRUE(same(g.map[1][1], cell{4, 9, 1}));
    EXPECT_EQ(g.map[1][2].lower, 0);
    EXPECT_EQ(g.item[2].kind, 11);
}

// ---- faults ------------------------------------------------------------------

// A game whose grid and records hold markers, to see what a failed load
// changed.
struct Marked {
    DataRoot root;
    Marked() {
        Game& g = root.g();
        for (auto& column : g.map)
            for (cell& c : column) c = cell{7, 7, 7};
        g.pass_lower.fill(3);
        g.my.easy = 1;
        g.my.lives = 2;
        g.my.weather = 1;
        g.stage_weather = 1;
        g.tenki_down = 1;
        g.scroll = 30;
        g.item[9].alive = 1;
        g.teki[9].alive = 4;
    }
    Game& g() { return root.g(); }

    void expect_untouched_after_the_grid() {
        EXPECT_EQ(g().pass_lower[0], 3);
        EXPECT_EQ(g().my.lives, 2);
        EXPECT_EQ(g().my.weather, 1);
        EXPECT_EQ(g().tenki_down, 1);
        EXPECT_EQ(g().scroll, 0);
        EXPECT_EQ(g().item[9].alive, 0);
        EXPECT_EQ(g().teki[9].alive, 0);
        ASSERT_EQ(root.platform.messages.size(), 1u);
    }
};

TEST(StageLoadFault, AMissingFileIsReported) {
    Marked m;
    m.root.write_plain_chips();
    EXPECT_FALSE(load_stage(m.g(), 4));
    m.expect_untouched_after_the_grid();
    const std::string& msg = m.root.platform.messages[0];
    EXPECT_NE(msg.find("map4.dat"), std::string::npos) << msg;
    EXPECT_NE(msg.find("not found"), std::string::npos) << msg;
    EXPECT_EQ(m.g().map[1][1].lower, 7);
}

TEST(StageLoadFault, AMissingDatFolderIsReported) {
    DataRoot root(false);
    EXPECT_FALSE(load_stage(root.g(), 0));
    ASSERT_EQ(root.platform.messages.size(), 1u);
    EXPECT_NE(root.platform.messages[0].find("Path not found"), std::string::npos);
    EXPECT_FALSE(save_stage(root.g(), 0));
    EXPECT_EQ(root.platform.messages.size(), 2u);
}

TEST(StageLoadFault, ALineThatIsNoNumberStopsTheLoadWhereItIs) {
    Marked m;
    m.root.write_plain_chips();
    StageGrid grid;
    grid.at(0, 99).upper = 2; // read before the fault: its item is placed
    grid.at(0, 98).teki = 1;
    auto lines = crlf_lines(format_stage_dat(grid));
    lines[301] = "x"; // upper chip of column 1, row 0
    m.root.write("map0.dat", join_crlf(lines));
    EXPECT_FALSE(load_stage(m.g(), 0));
    m.expect_untouched_after_the_grid();
    EXPECT_NE(m.root.platform.messages[0].find("line 302"), std::string::npos)
        << m.root.platform.messages[0];
    EXPECT_NE(m.root.platform.messages[0].find(read_status_text(ReadStatus::not_a_number)),
              std::string::npos);
    EXPECT_EQ(m.g().map[1][100].upper, 2); // column 0 was read
    EXPECT_EQ(m.g().map[2][1].lower, 0);   // the lower chip before the fault too
    EXPECT_EQ(m.g().map[2][1].upper, 7);   // old values from the fault on
    EXPECT_EQ(m.g().map[2][1].teki, 7);
    EXPECT_EQ(m.g().map[50][50].lower, 7);
    EXPECT_EQ(alive_items(m.g()), 1);
    EXPECT_EQ(alive_teki(m.g()), 1);
}

TEST(StageLoadFault, NumberGluedToTextIsNoNumber) {
    Marked m;
    m.root.write_plain_chips();
    auto lines = crlf_lines(format_stage_dat(StageGrid{}));
    lines[0] = "12abc";
    m.root.write("map0.dat", join_crlf(lines));
    EXPECT_FALSE(load_stage(m.g(), 0));
    m.expect_untouched_after_the_grid();
    EXPECT_EQ(m.g().map[1][1].lower, 7);
}

TEST(StageLoadFault, ATruncatedFileIsReported) {
    Marked m;
    m.root.write_plain_chips();
    const std::string full = format_stage_dat(StageGrid{});
    m.root.write("map0.dat", full.substr(0, 3000 * 3)); // 3000 lines of "0\r\n"
    EXPECT_FALSE(load_stage(m.g(), 0));
    m.expect_untouched_after_the_grid();
    EXPECT_NE(m.root.platform.messages[0].find(read_status_text(ReadStatus::end_of_file)),
              std::string::npos);
    EXPECT_EQ(m.g().map[10][100].teki, 0); // the 1000th cell was read
    EXPECT_EQ(m.g().map[11][1].lower, 7);

    // Without the weather line alone.
    m.root.platform.messages.clear();
    m.root.write("map0.dat", full.substr(0, full.size() - 3));
    EXPECT_FALSE(load_stage(m.g(), 0));
    m.expect_untouched_after_the_grid();
    EXPECT_EQ(m.g().map[100][100].lower, 0);
}

TEST(StageLoadFault, RandomBytesAreReported) {
    Marked m;
    m.root.write_plain_chips();
    std::mt19937 rng(3);
    std::string junk(5000, '\0');
    for (char& c : junk) c = char(rng());
    junk[0] = 'Z';
    m.root.write("map0.dat", junk);
    EXPECT_FALSE(load_stage(m.g(), 0));
    m.expect_untouched_after_the_grid();
}

TEST(StageLoadFault, AHugeNumberIsReported) {
    Marked m;
    m.root.write_plain_chips();
    auto lines = crlf_lines(format_stage_dat(StageGrid{}));
    lines[5] = "99999999999";
    m.root.write("map0.dat", join_crlf(lines));
    EXPECT_FALSE(load_stage(m.g(), 0));
    m.expect_untouched_after_the_grid();
}

TEST(StageLoadFault, AMissingChipFileSkipsWeatherAndLife) {
    Marked m;
    StageGrid grid;
    grid.weather = 3;
    m.root.write_stage(0, grid); // and no chip.dat
    EXPECT_FALSE(load_stage(m.g(), 0));
    m.expect_untouched_after_the_grid();
    EXPECT_NE(m.root.platform.messages[0].find("chip.dat"), std::string::npos);
    EXPECT_EQ(m.g().map[1][1].lower, 0); // the stage itself was read
    EXPECT_EQ(m.g().stage_weather, 3);
}

TEST(StageLoadFault, ABrokenChipFileKeepsWhatWasReadBeforeTheFault) {
    DataRoot root;
    root.write_stage(0, StageGrid{});
    root.write("chip.dat", "1\r\n2\r\nsolid\r\n");
    Game& g = root.g();
    g.pass_lower.fill(3);
    EXPECT_FALSE(load_stage(g, 0));
    EXPECT_EQ(g.pass_lower[0], 1);
    EXPECT_EQ(g.pass_lower[1], 2);
    EXPECT_EQ(g.pass_lower[2], 3);
    ASSERT_EQ(root.platform.messages.size(), 1u);
    EXPECT_NE(root.platform.messages[0].find("line 3"), std::string::npos);
}

} // namespace
} // namespace tsu::testing
