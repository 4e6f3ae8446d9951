// The stage source format, the chip source, and the stages the build
// compiles with tsumikiya-stagec.
#include "data/chip_source.h"
#include "data/data_files.h"
#include "data/file_io.h"
#include "data/stage_file.h"
#include "data/stage_source.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace tsu::testing {
namespace {

namespace fs = std::filesystem;
const fs::path kContent = fs::path(TSUMIKIYA_SOURCE_DIR) / "content";
const fs::path kBuiltDat = fs::path(TSUMIKIYA_GAME_DIR) / "dat";

std::string read_text(const fs::path& p) {
    std::string text, error;
    EXPECT_TRUE(read_file(p.string(), text, error)) << error;
    return text;
}

std::unique_ptr<StageGrid> compile(const fs::path& source) {
    auto grid = std::make_unique<StageGrid>();
    std::string error;
    EXPECT_TRUE(parse_stage_source(read_text(source), *grid, error)) << source << ": " << error;
    return grid;
}

std::string source_with(const std::string& head, const std::string& legend, int rows,
                        const std::string& row) {
    std::string s = head + "\n[legend]\n" + legend + "\n[map]\n";
    for (int r = 0; r < rows; ++r) s += row + "\n";
    return s;
}
const std::string kRow(100, '.');

TEST(StageSource, ReadsLegendAndRowsIntoTheGrid) {
    std::string mid = kRow;
    mid.replace(50, 1, "忍");
    std::string text = source_with("# a stage\nweather 3  # snow",
                                   ". 0 0 0\n= 1 0 0 # ground\n忍 0 1 14", 0, "");
    for (int r = 0; r < 21; ++r) text += (r == 5 ? mid : r == 20 ? std::string(100, '=') : kRow) + "  # row\n";
    StageGrid grid;
    std::string error;
    ASSERT_TRUE(parse_stage_source(text, grid, error)) << error;
    EXPECT_EQ(grid.weather, 3);
    EXPECT_EQ(V({grid.at(50, 5).upper, grid.at(50, 5).teki}), V({1, 14}));
    EXPECT_EQ(V({grid.at(99, 20).lower, grid.at(99, 21).lower}), V({1, 0}));
}

TEST(StageSource, FaultsSayWhatAndWhere) {
    const std::string w = "weather 1", l = ". 0 0 0";
    const std::pair<std::string, std::string> cases[] = {
        {source_with("", l, 21, kRow), "no weather"},
        {source_with("weather x", l, 21, kRow), "line 1"},
        {source_with(w, l + "\n. 1 0 0", 21, kRow), "line 4: the symbol . is defined twice"},
        {source_with(w, ". 0 0", 21, kRow), "line 3"},
        {source_with(w, ".. 0 0 0", 21, kRow), "one character"},
        {source_with(w, l, 20, kRow), "it needs 21"},
        {source_with(w, l, 101, kRow), "line 105"},
        {source_with(w, l, 21, kRow.substr(1)), "line 5: a map row holds 100"},
        {source_with(w, l, 21, kRow + "."), "line 5: a map row holds 100"},
        {source_with(w, l, 21, "x" + kRow.substr(1)), "symbol x is not in the legend"},
        {source_with(w, l, 21, kRow.substr(0, 50) + " " + kRow.substr(50)), "no blanks"},
        {"weather 1\nfloor 2\n", "line 2"},
        {"weather 1\n[map]\n", "no [legend]"},
    };
    for (const auto& [text, want] : cases) {
        StageGrid grid;
        std::string error;
        EXPECT_FALSE(parse_stage_source(text, grid, error)) << want;
        EXPECT_TRUE(contains(error, want)) << "want " << want << ", got " << error;
    }
}

TEST(StageSource, AnyGridSurvivesDecompilingAndCompiling) {
    std::mt19937 rng(17);
    std::uniform_int_distribution<int32_t> any(INT32_MIN, INT32_MAX);
    for (uint32_t variety : {3u, 40u, 5000u}) { // 5000 kinds of cell run past the ASCII symbols
        StageGrid grid;
        for (int c = 0; c < 100; ++c)
            for (int r = 0; r < 100; ++r)
                if (r < 21 || rng() % 97 == 0) // hidden rows now and then
                    grid.at(c, r) = cell{int32_t(rng() % variety), int32_t(rng() % 3),
                                         rng() % 500 == 0 ? any(rng) : 0};
        grid.weather = any(rng);
        const std::string text = format_stage_source(grid, "random");
        StageGrid back;
        std::string error;
        ASSERT_TRUE(parse_stage_source(text, back, error)) << error;
        EXPECT_TRUE(back == grid) << variety;
        EXPECT_EQ(format_stage_source(back, "random"), text);
    }
    // A plain stage lists only the 21 rows of play, blank cells as '.'.
    StageGrid plain;
    plain.at(4, 17).upper = 1;
    const std::string text = format_stage_source(plain);
    EXPECT_TRUE(contains(text, "\n.  0 0 0") && contains(text, "# coin"));
    EXPECT_EQ(std::count(text.begin() + long(text.find("[map]")), text.end(), '\n'), 22);
}

TEST(ChipSource, ListsEveryChipOnceAndTheShippedChipsHaveTheirRoles) {
    std::string all;
    for (const char* layer : {"lower ", "upper "})
        for (int k = 0; k < 100; ++k) all += layer + std::to_string(k) + " 1 what it is\n";
    PassTable lower{}, upper{};
    std::string error;
    ASSERT_TRUE(parse_chip_source("# c\n\n" + all, lower, upper, error)) << error;
    EXPECT_FALSE(parse_chip_source(all + "upper 5 0\n", lower, upper, error));
    EXPECT_TRUE(contains(error, "line 201")) << error;
    EXPECT_FALSE(parse_chip_source(all.substr(0, all.find("lower 7 ")), lower, upper, error));
    EXPECT_TRUE(contains(error, "lower chip 7 is missing")) << error;
    EXPECT_FALSE(parse_chip_source("middle 1 1\n", lower, upper, error));
    EXPECT_FALSE(parse_chip_source("lower 100 1\n", lower, upper, error));

    ASSERT_TRUE(parse_chip_source(read_text(kContent / "chips.txt"), lower, upper, error)) << error;
    EXPECT_EQ(lower[0] + lower[6], 0); // sky, and the exit she steps into
    EXPECT_EQ(V({lower[1], lower[13], lower[30]}), V({1, 1, 2})); // ground, spikes, a window
    EXPECT_EQ(V({upper[6], upper[8]}), V({1, 1}));                  // treasure box, ice block
    for (int marker : {1, 2, 3, 4, 5, 9, 10, 11, 12, 13}) EXPECT_EQ(upper[std::size_t(marker)], 0);
    EXPECT_EQ(read_text(kBuiltDat / "chip.dat"), format_chip_dat(lower, upper));
}

TEST(ShippedStages, RoundTripMatchTheirBuiltFilesAndLoadWithAnExit) {
    DataRoot root;
    fs::copy_file(kBuiltDat / "chip.dat", root.dat("chip.dat"));
    int stages = 0;
    for (const auto& entry : fs::directory_iterator(kContent / "stages")) {
        if (entry.path().extension() != ".stage") continue;
        const std::string name = entry.path().stem().string();
        ASSERT_EQ(name.rfind("map", 0), 0u) << name;
        const int n = std::stoi(name.substr(3));
        ++stages;
        const auto grid = compile(entry.path());
        StageGrid back;
        std::string error;
        ASSERT_TRUE(parse_stage_source(format_stage_source(*grid), back, error)) << error;
        EXPECT_TRUE(back == *grid) << name;
        EXPECT_EQ(read_text(kBuiltDat / (name + ".dat")), format_stage_dat(*grid)) << name;

        fs::copy_file(kBuiltDat / (name + ".dat"), root.dat(name + ".dat"));
        Game& g = root.g();
        ASSERT_TRUE(load_stage(g, n)) << name;
        // Every stage has an exit door; whether she can reach it is the
        // solver's question, asked of every shipped stage in its own test.
        int exits = 0;
        for (const auto& column : g.map)
            for (const cell& k : column) exits += k.lower == 6;
        EXPECT_GT(exits, 0) << name;
    }
    EXPECT_GE(stages, 8);
    EXPECT_TRUE(root.messages().empty());
}

TEST(TestStages, MarkersAndOutOfRangeValuesLoadAsPlayNeedsThem) {
    const fs::path dir = fs::path(TSUMIKIYA_SOURCE_DIR) / "tests/scenarios/stages";
    DataRoot root;
    root.write_plain_chips();
    root.write_stage(0, *compile(dir / "markers.stage"));
    root.write_stage(1, *compile(dir / "clamps.stage"));
    Game& g = root.g();
    ASSERT_TRUE(load_stage(g, 0));
    int items = 0, enemies = 0;
    for (const tman& it : g.item) items += it.alive;
    for (const tman& t : g.teki) enemies += t.alive;
    EXPECT_EQ(V({items, enemies}), V({10, 25}));
    EXPECT_EQ(g.my.weather, 4);
    ASSERT_TRUE(load_stage(g, 1));
    EXPECT_EQ(g.my.weather, 7);
    int bad = 0;
    for (const auto& column : g.map)
        for (const cell& k : column)
            bad += k.lower < 0 || k.lower > 49 || k.upper < 0 || k.upper > 22 || k.teki < 0 || k.teki > 25;
    EXPECT_EQ(bad, 0);
    EXPECT_EQ(V({g.map[1][1].lower, g.map[1][23].lower}), V({49, 5})); // a hidden row is kept
}

TEST(StagecTool, DecompilesAndCompilesFiles) {
    const fs::path tool = fs::path(TSUMIKIYA_GAME_DIR) / "../tools/stagec/tsumikiya-stagec";
    if (!fs::exists(tool)) GTEST_SKIP() << "tsumikiya-stagec is not built beside the game";
    TempDir dir;
    const std::string dat = (kBuiltDat / "map3.dat").string();
    const std::string src = (dir.path() / "map3.stage").string();
    const std::string out = (dir.path() / "map3.dat").string();
    const std::string t = tool.string() + " ";
    ASSERT_EQ(std::system((t + "decompile " + dat + " " + src).c_str()), 0);
    ASSERT_EQ(std::system((t + "compile " + src + " " + out).c_str()), 0);
    EXPECT_EQ(read_text(out), read_text(dat));
    EXPECT_NE(std::system((t + "compile " + dat + " " + out + " 2>/dev/null").c_str()), 0);
}

} // namespace
} // namespace tsu::testing
