// The stage source format, the chip source, and the shipped stages the
// build compiles with tsumikiya-stagec.
#include "data/chip_source.h"
#include "data/file_io.h"
#include "data/stage_file.h"
#include "data/stage_source.h"
#include "data/data_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace tsu::testing {
namespace {

namespace fs = std::filesystem;

std::string read_text(const fs::path& p) {
    std::string text, error;
    EXPECT_TRUE(read_file(p.string(), text, error)) << error;
    return text;
}

std::vector<fs::path> sources_in(const fs::path& folder) {
    std::vector<fs::path> out;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.path().extension() == ".stage") out.push_back(e.path());
    std::sort(out.begin(), out.end());
    return out;
}

const fs::path kContent = fs::path(TSUMIKIYA_SOURCE_DIR) / "content";
const fs::path kTestStages = fs::path(TSUMIKIYA_SOURCE_DIR) / "tests/scenarios/stages";

std::unique_ptr<StageGrid> compile(const fs::path& source) {
    auto grid = std::make_unique<StageGrid>();
    std::string error;
    EXPECT_TRUE(parse_stage_source(read_text(source), *grid, error)) << source << ": " << error;
    return grid;
}

// A minimal valid source with one changed part.
std::string source_with(const std::string& weather, const std::string& legend, int rows,
                        const std::string& row) {
    std::string s = weather + "\n[legend]\n" + legend + "\n[map]\n";
    for (int r = 0; r < rows; ++r) s += row + "\n";
    return s;
}

const std::string kRow(100, '.');

// ---- the format --------------------------------------------------------------------

TEST(StageSource, ReadsTheLegendAndRowsIntoGridRows) {
    std::string row0 = kRow, row20 = std::string(100, '=');
    row0[0] = 'E';
    std::string s = "# test\nweather 3  # snow\n[legend]\n.  0 0 0\n= 1 0 0 # ground\n"
                    "E 6 0 0\n忍 0 1 14\n[map]\n" + row0 + "\n";
    std::string mid = kRow;
    mid.replace(50, 1, "忍");
    for (int r = 1; r < 20; ++r) s += (r == 5 ? mid : kRow) + "   # a row\n";
    s += row20 + "\n";
    StageGrid grid;
    std::string error;
    ASSERT_TRUE(parse_stage_source(s, grid, error)) << error;
    EXPECT_EQ(grid.weather, 3);
    EXPECT_EQ(grid.at(0, 0).lower, 6);
    EXPECT_EQ(grid.at(50, 5).upper, 1);
    EXPECT_EQ(grid.at(50, 5).teki, 14);
    EXPECT_EQ(grid.at(99, 20).lower, 1);
    EXPECT_EQ(grid.at(99, 21).lower, 0);
}

TEST(StageSource, FaultsNameTheirLine) {
    const std::string legend = ". 0 0 0";
    struct Case {
        std::string text;
        std::string expect;
    } cases[] = {
        {source_with("", legend, 21, kRow), "no weather"},
        {source_with("weather x", legend, 21, kRow), "line 1"},
        {source_with("weather 1", legend + "\n. 1 0 0", 21, kRow), "line 4"},
        {source_with("weather 1", ". 0 0", 21, kRow), "line 3"},
        {source_with("weather 1", ".. 0 0 0", 21, kRow), "one character"},
        {source_with("weather 1", legend, 20, kRow), "21"},
        {source_with("weather 1", legend, 101, kRow), "line 105"},
        {source_with("weather 1", legend, 21, kRow.substr(1)), "line 5"},
        {source_with("weather 1", legend, 21, kRow + "."), "100 symbols"},
        {source_with("weather 1", legend, 21, "x" + kRow.substr(1)), "symbol x"},
        {source_with("weather 1", legend, 21, kRow.substr(0, 50) + " " + kRow.substr(0, 50)),
         "line 5"},
        {"weather 1\n[map]\n", "no [legend]"},
        {"weather 1\nfloor 2\n", "line 2"},
    };
    for (const auto& c : cases) {
        StageGrid grid;
        std::string error;
        EXPECT_FALSE(parse_stage_source(c.text, grid, error)) << c.expect;
        EXPECT_NE(error.find(c.expect), std::string::npos) << "want " << c.expect << ", got " << error;
    }
}

TEST(StageSource, AnyGridSurvivesDecompilingAndCompiling) {
    std::mt19937 rng(17);
    for (int variety : {3, 40, 5000}) {
        StageGrid grid;
        std::uniform_int_distribution<int32_t> any(INT32_MIN, INT32_MAX);
        for (int c = 0; c < 100; ++c)
            for (int r = 0; r < 100; ++r)
                if (r < 21 || rng() % 97 == 0)
                    grid.at(c, r) = cell{int32_t(rng() % uint32_t(variety)), int32_t(rng() % 3),
                                         rng() % 500 == 0 ? any(rng) : 0};
        grid.weather = any(rng);
        const std::string text = format_stage_source(grid, "random");
        StageGrid back;
        std::string error;
        ASSERT_TRUE(parse_stage_source(text, back, error)) << error;
        EXPECT_TRUE(back == grid) << variety;
        EXPECT_EQ(format_stage_source(back, "random"), text);
    }
}

TEST(StageSource, TheDecompilerListsOnlyThePlayRowsOfAPlainStage) {
    StageGrid grid;
    grid.at(4, 17).upper = 1;
    const std::string text = format_stage_source(grid);
    EXPECT_NE(text.find("\n.  0 0 0"), std::string::npos);
    EXPECT_NE(text.find("coin"), std::string::npos);
    const auto map = text.find("[map]\n");
    ASSERT_NE(map, std::string::npos);
    EXPECT_EQ(std::count(text.begin() + long(map), text.end(), '\n'), 22);
}

// ---- the chip source ------------------------------------------------------------------

TEST(ChipSource, TheShippedChipsHaveTheirRoles) {
    PassTable lower{}, upper{};
    std::string error;
    ASSERT_TRUE(parse_chip_source(read_text(kContent / "chips.txt"), lower, upper, error)) << error;
    EXPECT_EQ(lower[0], 0);  // sky
    EXPECT_EQ(lower[6], 0);  // the exit is entered
    EXPECT_NE(lower[13], 0); // spikes are stood on
    EXPECT_EQ(lower[1], 1);
    EXPECT_EQ(lower[30], 2); // a window lets enemy shots through
    EXPECT_NE(upper[6], 0);  // treasure box
    EXPECT_NE(upper[8], 0);  // ice block
    for (int marker : {1, 2, 3, 4, 5, 9, 10, 11, 12, 13}) EXPECT_EQ(upper[std::size_t(marker)], 0);
}

TEST(ChipSource, EveryChipOnceAndOnlyOnce) {
    std::string all;
    for (int k = 0; k < 100; ++k) all += "lower " + std::to_string(k) + " 0 x\n";
    for (int k = 0; k < 100; ++k) all += "upper " + std::to_string(k) + " 1\n";
    PassTable lower{}, upper{};
    std::string error;
    ASSERT_TRUE(parse_chip_source("# c\n\n" + all, lower, upper, error)) << error;
    EXPECT_EQ(upper[99], 1);
    EXPECT_FALSE(parse_chip_source(all + "upper 5 0\n", lower, upper, error));
    EXPECT_NE(error.find("line 201"), std::string::npos) << error;
    EXPECT_FALSE(parse_chip_source(all.substr(0, all.find("lower 7 ")), lower, upper, error));
    EXPECT_NE(error.find("lower chip 7"), std::string::npos) << error;
    EXPECT_FALSE(parse_chip_source("middle 1 1\n", lower, upper, error));
    EXPECT_FALSE(parse_chip_source("lower 100 1\n", lower, upper, error));
}

// ---- the shipped and the test stages -----------------------------------------------

TEST(ShippedStages, EachSourceRoundTripsAndMatchesItsBuiltFile) {
    const auto sources = sources_in(kContent / "stages");
    ASSERT_GE(sources.size(), 8u);
    for (const auto& src : sources) {
        const auto grid = compile(src);
        StageGrid back;
        std::string error;
        ASSERT_TRUE(parse_stage_source(format_stage_source(*grid), back, error)) << error;
        EXPECT_TRUE(back == *grid) << src;
        const fs::path built = fs::path(TSUMIKIYA_GAME_DIR) / "dat" / (src.stem().string() + ".dat");
        EXPECT_EQ(read_text(built), format_stage_dat(*grid)) << built;
    }
    PassTable lower{}, upper{};
    std::string error;
    ASSERT_TRUE(parse_chip_source(read_text(kContent / "chips.txt"), lower, upper, error));
    EXPECT_EQ(read_text(fs::path(TSUMIKIYA_GAME_DIR) / "dat/chip.dat"),
              format_chip_dat(lower, upper));
}

TEST(ShippedStages, EveryBuiltStageLoadsAndCanBeWalkedToItsExit) {
    DataRoot root;
    fs::copy_file(fs::path(TSUMIKIYA_GAME_DIR) / "dat/chip.dat", root.dat("chip.dat"));
    for (int n = 0; n < 8; ++n) {
        const std::string name = "map" + std::to_string(n) + ".dat";
        fs::copy_file(fs::path(TSUMIKIYA_GAME_DIR) / "dat" / name, root.dat(name));
        Game& g = root.g();
        ASSERT_TRUE(load_stage(g, n)) << name;
        auto solid = [&g](int c, int r) {
            const cell& k = g.map[std::size_t(c + 1)][std::size_t(r + 1)];
            return g.pass_lower[std::size_t(k.lower)] != 0 || g.pass_upper[std::size_t(k.upper)] != 0;
        };
        // The heroine starts at column 3, row 17 on solid ground; the exit is
        // on her row, and nothing on the way is more than one cell high.
        EXPECT_FALSE(solid(3, 17)) << name;
        EXPECT_TRUE(solid(3, 18)) << name;
        int exit_column = -1;
        for (int c = 3; c < 100 && exit_column < 0; ++c)
            if (g.map[std::size_t(c + 1)][18].lower == 6) exit_column = c;
        ASSERT_GT(exit_column, 60) << name;
        for (int c = 3; c <= exit_column; ++c) {
            EXPECT_TRUE(solid(c, 18)) << name << " has a hole at column " << c;
            EXPECT_TRUE(!solid(c, 17) || !solid(c, 16)) << name << " is walled at " << c;
        }
        EXPECT_TRUE(root.platform.messages.empty());
    }
}

TEST(TestStages, MarkersAndClampsLoadAsPlayNeedsThem) {
    DataRoot root;
    root.write_plain_chips();
    const auto markers = compile(kTestStages / "markers.stage");
    const auto clamps = compile(kTestStages / "clamps.stage");
    root.write_stage(0, *markers);
    root.write_stage(1, *clamps);
    Game& g = root.g();
    ASSERT_TRUE(load_stage(g, 0));
    int items = 0, enemies = 0;
    for (const tman& it : g.item) items += it.alive;
    for (const tman& t : g.teki) enemies += t.alive;
    EXPECT_EQ(items, 10);
    EXPECT_EQ(enemies, 25);
    EXPECT_EQ(g.my.weather, 4);

    ASSERT_TRUE(load_stage(g, 1));
    EXPECT_EQ(g.my.weather, 7);
    for (int c = 1; c <= 100; ++c)
        for (int r = 1; r <= 100; ++r) {
            const cell& k = g.map[std::size_t(c)][std::size_t(r)];
            ASSERT_TRUE(k.lower >= 0 && k.lower <= 49 && k.upper >= 0 && k.upper <= 22 &&
                        k.teki >= 0 && k.teki <= 25);
        }
    EXPECT_EQ(g.map[1][1].lower, 49);
    EXPECT_EQ(g.map[1][23].lower, 5); // a hidden row is kept
}

// ---- the tool itself --------------------------------------------------------------------

TEST(StagecTool, DecompilesAndCompilesFiles) {
    const fs::path tool = fs::path(TSUMIKIYA_GAME_DIR) / "../tools/stagec/tsumikiya-stagec";
    if (!fs::exists(tool)) GTEST_SKIP() << "tsumikiya-stagec not built beside the game";
    TempDir dir;
    const fs::path dat = fs::path(TSUMIKIYA_GAME_DIR) / "dat/map3.dat";
    const std::string src = (dir.path() / "map3.stage").string();
    const std::string out = (dir.path() / "map3.dat").string();
    ASSERT_EQ(std::system((tool.string() + " decompile " + dat.string() + " " + src).c_str()), 0);
    ASSERT_EQ(std::system((tool.string() + " compile " + src + " " + out + " ").c_str()), 0);
    EXPECT_EQ(read_text(out), read_text(dat));
    EXPECT_NE(std::system((tool.string() + " compile " + dat.string() + " " + out +
                           " 2>/dev/null").c_str()),
              0);
}

} // namespace
} // namespace tsu::testing
