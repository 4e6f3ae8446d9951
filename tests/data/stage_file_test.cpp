#include "data/stage_file.h"

#include "data/number_reader.h"
#include "data_files.h"

#include <gtest/gtest.h>

#include <random>

namespace tsu::testing {
namespace {

cell clamped(const cell& c) {
    return {c.lower >= 0 && c.lower <= 49 ? c.lower : 0, c.upper >= 0 && c.upper <= 22 ? c.upper : 0,
            c.teki >= 0 && c.teki <= 25 ? c.teki : 0};
}
bool same(const cell& a, const cell& b) {
    return a.lower == b.lower && a.upper == b.upper && a.teki == b.teki;
}
template <std::size_t N> int alive(const std::array<tman, N>& pool) {
    int n = 0;
    for (const tman& t : pool) n += t.alive >= 1;
    return n;
}

// A fresh root with plain chips and `grid` loaded as stage 0.
struct Loaded {
    explicit Loaded(const StageGrid& grid, int easy = 0) {
        root.write_plain_chips();
        root.write_stage(0, grid);
        root.g().my.easy = easy;
        ok = load_stage(root.g(), 0);
    }
    DataRoot root;
    bool ok = false;
    Game& g() { return root.g(); }
};

TEST(StageFile, SavedThenLoadedGivesTheSameGridExceptTheClamps) {
    std::mt19937 rng(7);
    DataRoot root;
    root.write_plain_chips();
    Game& g = root.g();
    for (int c = 1; c <= 100; ++c)
        for (int r = 1; r <= 100; ++r)
            g.map[std::size_t(c)][std::size_t(r)] =
                cell{int32_t(rng() % 60) - 5, int32_t(rng() % 30),
                     rng() % 20 == 0 ? int32_t(rng() % 30) : 0};
    const auto saved = g.map;
    g.stage_weather = 3;
    ASSERT_TRUE(save_stage(g, 104));
    std::filesystem::rename(root.dat("map104.dat"), root.dat("map4.dat"));
    g.map = {};
    ASSERT_TRUE(load_stage(g, 4));
    int wrong = 0;
    for (int c = 1; c <= 100; ++c)
        for (int r = 1; r <= 100; ++r)
            wrong += !same(g.map[std::size_t(c)][std::size_t(r)],
                           clamped(saved[std::size_t(c)][std::size_t(r)]));
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(g.my.weather, 3);
    EXPECT_TRUE(root.messages().empty());
}

TEST(StageFile, WritesThirtyThousandAndOneCrLfLinesColumnByColumn) {
    DataRoot root;
    Game& g = root.g();
    g.map[2][3] = cell{4, 5, 6}; // column 1, row 2: lines 3 * (100 * 1 + 2) + 1..3
    g.map[100][100].lower = -7;
    g.stage_weather = 4;
    ASSERT_TRUE(save_stage(g, 101));
    const std::string text = root.read("map101.dat");
    const auto lines = crlf_lines(text);
    ASSERT_EQ(lines.size(), 30001u);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 30001);
    EXPECT_EQ(lines[306] + lines[307] + lines[308], "456");
    EXPECT_EQ(lines[29997], "-7");
    EXPECT_EQ(lines[30000], "4");
}

TEST(StageFile, OnlyOfficialStagesRewriteChipDat) {
    DataRoot root;
    root.write("chip.dat", "old chips");
    Game& g = root.g();
    g.pass_lower[3] = 1;
    g.pass_upper[99] = 2;
    ASSERT_TRUE(save_stage(g, 105));
    EXPECT_TRUE(std::filesystem::exists(root.dat("map105.dat")));
    EXPECT_EQ(root.read("chip.dat"), "old chips");
    ASSERT_TRUE(save_stage(g, 5));
    const auto chips = crlf_lines(root.read("chip.dat"));
    ASSERT_EQ(chips.size(), 200u);
    EXPECT_EQ(chips[3] + chips[0] + chips[199], "102");
    // Every file was replaced whole: no temporary file is left.
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(root.dat("")))
        ++files;
    EXPECT_EQ(files, 3);
}

TEST(StageFile, LoadingAddsTenTimesTheStageSetButSavingDoesNot) {
    DataRoot root;
    root.write_plain_chips();
    StageGrid grid;
    grid.at(0, 0).lower = 9;
    root.write_stage(23, grid);
    Game& g = root.g();
    g.stage_set = 2;
    ASSERT_TRUE(load_stage(g, 3));
    EXPECT_EQ(g.map[1][1].lower, 9);
    ASSERT_TRUE(save_stage(g, 3));
    EXPECT_TRUE(std::filesystem::exists(root.dat("map3.dat")));
}

TEST(StageLoad, PlacesItemsAndEnemiesAndClampsWhatPlayCannotUse) {
    const int markers[][2] = {{1, 0},  {2, 5},   {3, 6},   {4, 7},   {5, 8},
                              {9, 11}, {10, 10}, {11, 12}, {12, 13}, {13, 14}};
    StageGrid grid;
    for (int k = 0; k < 10; ++k) grid.at(10 + k, 4).upper = markers[k][0];
    grid.at(40, 4).upper = 6; // a treasure box places nothing
    grid.at(30, 10).teki = 14;
    grid.at(31, 10).teki = 26;
    grid.at(0, 0) = cell{50, 30, 26};
    grid.at(1, 0) = cell{-1, -2, -3};
    grid.at(2, 0) = cell{49, 22, 0};
    Loaded l(grid);
    Game& g = l.g();
    ASSERT_TRUE(l.ok);
    ASSERT_EQ(alive(g.item), 10);
    for (int k = 0; k < 10; ++k) {
        const tman& it = g.item[std::size_t(k + 2)]; // the ring's first spawn is row 2
        EXPECT_EQ(it.kind, markers[k][1]) << "upper chip " << markers[k][0];
        EXPECT_EQ(V({it.x, it.y, it.size}), V({10 + k, 4, 10}));
        EXPECT_EQ(g.map[std::size_t(11 + k)][5].upper, markers[k][0]);
    }
    EXPECT_EQ(g.random.draws(), 0u); // a marked coin is never upgraded
    ASSERT_EQ(alive(g.teki), 1);
    const tman& t = g.teki[2];
    EXPECT_EQ(V({t.kind, t.x, t.y}), V({14, 30, 10}));
    EXPECT_EQ(t.hp, 5);
    EXPECT_EQ(g.map[32][11].teki, 0);
    EXPECT_TRUE(same(g.map[1][1], cell{0, 0, 0}));
    EXPECT_TRUE(same(g.map[2][1], cell{0, 0, 0}));
    EXPECT_TRUE(same(g.map[3][1], cell{49, 22, 0}));
}

TEST(StageLoad, TheWeatherPressesItsButtonOnlyWhenThereIsOne) {
    DataRoot root;
    root.write_plain_chips();
    Game& g = root.g();
    g.tenki_down = 3;
    for (const auto& [weather, button] : {std::pair{7, 3}, {2, 2}, {-1, 2}, {4, 4}}) {
        StageGrid grid;
        grid.weather = weather;
        root.write_stage(0, grid);
        ASSERT_TRUE(load_stage(g, 0));
        EXPECT_EQ(g.tenki_down, button) << weather;
        EXPECT_EQ(g.my.weather, weather);
        EXPECT_EQ(g.stage_weather, weather);
    }
}

TEST(StageLoad, EasyGivesALifePerLoadAndEnemiesOneHitPoint) {
    StageGrid grid;
    grid.at(31, 17).teki = 17;
    Loaded easy(grid, 1);
    EXPECT_EQ(easy.g().teki[2].hp, 1);
    ASSERT_TRUE(load_stage(easy.g(), 0));
    EXPECT_EQ(easy.g().my.lives, 2);
    Loaded nomal(grid, 0);
    EXPECT_EQ(nomal.g().teki[2].hp, 99);
    EXPECT_EQ(nomal.g().my.lives, 0);
}

TEST(StageLoad, EmptiesThePoolsAndReadsThePassabilityTables) {
    DataRoot root;
    PassTable lower{}, upper{};
    lower[13] = 1;
    upper[99] = 5;
    root.write("chip.dat", format_chip_dat(lower, upper));
    root.write_stage(0, StageGrid{});
    Game& g = root.g();
    g.scroll = 40;
    g.item[60].alive = g.teki[700].alive = g.shot[100].alive = g.teki_shot[3].alive = 1;
    g.effects.ef_age[10] = 4;
    g.pass_lower[1] = 1;
    ASSERT_TRUE(load_stage(g, 0));
    EXPECT_EQ(g.scroll, 0);
    EXPECT_EQ(alive(g.item) + alive(g.teki) + alive(g.shot) + alive(g.teki_shot), 0);
    EXPECT_EQ(g.teki[700].image, 3); // the blank template
    EXPECT_FALSE(g.effects.active(10));
    EXPECT_EQ(g.pass_lower, lower);
    EXPECT_EQ(g.pass_upper, upper);
}

TEST(StageLoad, ReadsBlanksAndEmptyLinesBeforeANumberAndTextAfterIt) {
    std::string text = format_stage_dat(StageGrid{});
    text.replace(0, 9, "\r\n\r\n   4\r\n9 the bag\r\n\t1\r\n");
    Loaded l(StageGrid{});
    l.root.write("map0.dat", text);
    ASSERT_TRUE(load_stage(l.g(), 0));
    EXPECT_TRUE(same(l.g().map[1][1], cell{4, 9, 1}));
    EXPECT_EQ(l.g().map[1][2].lower, 0);
    EXPECT_EQ(l.g().item[2].kind, 11);
}

// ---- faults ------------------------------------------------------------------

// A game with markers in its grid and records, to see what a failed load
// changed: the pools are empty, the steps after the grid did not happen.
struct Marked {
    Marked() {
        root.write_plain_chips();
        Game& g = root.g();
        for (auto& column : g.map) column.fill(cell{7, 7, 7});
        g.pass_lower.fill(3);
        g.my.easy = 1;
        g.my.lives = g.my.weather = g.tenki_down = 2;
        g.scroll = 30;
        g.item[9].alive = g.teki[9].alive = 1;
    }
    bool load_fails(const std::string& text) {
        root.platform.messages.clear();
        root.write("map0.dat", text);
        const bool failed = !load_stage(root.g(), 0);
        const Game& g = root.g();
        EXPECT_EQ(root.messages().size(), 1u);
        EXPECT_EQ(V({g.pass_lower[0], g.my.lives, g.my.weather, g.tenki_down, g.scroll,
                     g.item[9].alive, g.teki[9].alive}),
                  V({3, 2, 2, 2, 0, 0, 0}));
        return failed;
    }
    std::string message() const { return root.messages().empty() ? "" : root.messages()[0]; }
    DataRoot root;
    Game& g() { return root.g(); }
};

TEST(StageLoadFault, MissingFileOrFolderIsReported) {
    Marked m;
    std::filesystem::remove(m.root.dat("map0.dat"));
    m.root.platform.messages.clear();
    EXPECT_FALSE(load_stage(m.g(), 4));
    EXPECT_TRUE(contains(m.message(), "map4.dat") && contains(m.message(), "not found"))
        << m.message();
    EXPECT_EQ(m.g().map[1][1].lower, 7);
    DataRoot none(false);
    EXPECT_FALSE(load_stage(none.g(), 0));
    EXPECT_FALSE(save_stage(none.g(), 0));
    ASSERT_EQ(none.messages().size(), 2u);
    EXPECT_TRUE(contains(none.messages()[1], "Path not found"));
}

TEST(StageLoadFault, ALineThatIsNoNumberStopsTheLoadWhereItIs) {
    StageGrid grid;
    grid.at(0, 99).upper = 2; // read before the fault: the item is placed
    grid.at(0, 98).teki = 1;
    for (const char* bad : {"x", "12abc", "99999999999", "1.5"}) {
        Marked m;
        auto lines = crlf_lines(format_stage_dat(grid));
        lines[301] = bad; // the upper chip of column 1, row 0
        EXPECT_TRUE(m.load_fails(join_crlf(lines))) << bad;
        EXPECT_TRUE(contains(m.message(), "map0.dat, line 302")) << m.message();
        EXPECT_EQ(m.g().map[1][100].upper, 2);
        EXPECT_EQ(m.g().map[2][1].lower, 0); // read just before the fault
        EXPECT_EQ(m.g().map[2][1].upper, 7); // old values from the fault on
        EXPECT_EQ(m.g().map[50][50].lower, 7);
        EXPECT_EQ(V({alive(m.g().item), alive(m.g().teki)}), V({1, 1}));
    }
}

TEST(StageLoadFault, ShortFilesAndRandomBytesAreReported) {
    const std::string full = format_stage_dat(StageGrid{});
    Marked m;
    EXPECT_TRUE(m.load_fails(full.substr(0, 3000 * 3))); // 3000 lines of "0\r\n"
    EXPECT_TRUE(contains(m.message(), read_status_text(ReadStatus::end_of_file)));
    EXPECT_EQ(m.g().map[10][100].teki, 0); // the 1000th cell was read
    EXPECT_EQ(m.g().map[11][1].lower, 7);
    EXPECT_TRUE(m.load_fails(full.substr(0, full.size() - 3))); // no weather
    EXPECT_EQ(m.g().stage_weather, 0);
    std::mt19937 rng(3);
    std::string junk(5000, 'Z');
    for (std::size_t i = 1; i < junk.size(); ++i) junk[i] = char(rng());
    EXPECT_TRUE(m.load_fails(junk));
    EXPECT_TRUE(m.load_fails(""));
}

TEST(StageLoadFault, ABrokenChipFileEndsTheLoadAfterTheGrid) {
    Marked m;
    StageGrid grid;
    grid.weather = 3;
    m.root.write("chip.dat", "1\r\n2\r\nsolid\r\n");
    m.root.write_stage(0, grid);
    EXPECT_FALSE(load_stage(m.g(), 0));
    EXPECT_TRUE(contains(m.message(), "chip.dat, line 3")) << m.message();
    EXPECT_EQ(m.g().map[1][1].lower, 0); // the stage was read
    EXPECT_EQ(m.g().stage_weather, 3);
    EXPECT_EQ(V({m.g().pass_lower[1], m.g().pass_lower[2]}), V({2, 3})); // kept what came first
    EXPECT_EQ(V({m.g().my.weather, m.g().my.lives}), V({2, 2})); // no weather, no life
}

} // namespace
} // namespace tsu::testing
