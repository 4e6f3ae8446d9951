// The heroine through the headless runner: a stage built in code, scripted
// keys and clicks, and the state dump after a given number of ticks.
#include "app/command_line.h"
#include "app/headless.h"
#include "data/stage_dat.h"
#include "support/game_fixture.h"
#include "support/headless_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace tsu {
namespace {

using nlohmann::json;
using V = std::vector<int>;

constexpr int kGrass = 1, kEarth = 2, kStone = 4; // solid lower chips
constexpr int kBox = 6;                           // treasure box (upper chip)

// A flat stage: ground in play rows 18 and 19 and the border row 20 under
// every column, open sky above.
struct Course : ::testing::Test {
    testing::TempDir root;
    testing::TempDir out;
    StageGrid grid;

    Course() {
        testing::copy_built_root(root.path());
        for (int c = 0; c < kStageColumns; ++c) {
            grid.at(c, 18).lower = kGrass;
            grid.at(c, 19).lower = kEarth;
            grid.at(c, 20).lower = kEarth;
        }
    }
    void stone(int column, int row) { grid.at(column, row).lower = kStone; }
    void hole(int column) {
        for (int r = 18; r <= 20; ++r) grid.at(column, r).lower = 0;
    }

    // Writes the course as stage 0 and runs the game headless; the script's
    // "start" is replaced by the Enter that starts the run after tick 1.
    json run(const std::string& script, int ticks) {
        std::ofstream(root.path() / "dat" / "map0.dat", std::ios::binary) << format_stage_dat(grid);
        return testing::run_headless_dump(root.path(), out.path(), script, ticks, 11);
    }
    // One field of `my` after each tick count in `ticks`.
    V trace(const std::string& script, const char* field, const V& ticks) {
        V v;
        for (int t : ticks) v.push_back(run(script, t)["my"][field].get<int>());
        return v;
    }
};

// Ticks at which a sound was started.
V sound_ticks(const json& d, const std::string& name) {
    V v;
    for (const auto& s : d["sounds"])
        if (s["name"] == name) v.push_back(s["tick"].get<int>());
    return v;
}

int map_column(const json& d) { return d["my"]["x"].get<int>() + d["scroll"].get<int>(); }

const std::string kStart = "1 key Enter down\n2 key Enter up\n";

TEST_F(Course, AJumpRisesFiveRowsThenFallsBack) {
    const std::string s = kStart + "5 key Up down\n6 key Up up\n";
    EXPECT_EQ(trace(s, "y", {5, 6, 7, 8, 9, 10, 11, 12, 15, 16}),
              V({17, 16, 15, 14, 13, 12, 13, 14, 17, 17}));
    EXPECT_EQ(sound_ticks(run(s, 20), "jump.wav"), V({6}));
}

TEST_F(Course, AJumpUnderALowCeilingRisesOneRow) {
    for (int c = 0; c < 8; ++c) stone(c, 15);
    const std::string s = kStart + "5 key Up down\n6 key Up up\n";
    EXPECT_EQ(trace(s, "y", {6, 8, 10, 11, 12}), V({16, 16, 16, 17, 17}));
}

TEST_F(Course, HoldingRightAgainstAWall) {
    for (int r = 14; r <= 17; ++r) stone(9, r);
    const json d = run(kStart + "3 key Right down\n", 40);
    EXPECT_EQ(map_column(d), 8);
    EXPECT_EQ(d["my"]["target_x"], d["my"]["x"]);
}

TEST_F(Course, ATreasureBoxStopsAWalkToAClickedColumn) {
    grid.at(10, 17).upper = kBox;
    const json d = run(kStart + "3 mouse left down 410 350\n4 mouse left up 410 350\n", 30);
    EXPECT_EQ(map_column(d), 9);
    EXPECT_EQ(d["my"]["target_x"], d["my"]["x"]);
    EXPECT_EQ(d["my"]["y"], 17);
}

TEST_F(Course, WalkingIntoAHoleFallsOutOfTheViewAndCostsALife) {
    hole(6);
    const std::string s = kStart + "3 mouse left down 130 350\n4 mouse left up 130 350\n";
    // Columns 4, 5, 6 on ticks 4..6, then one row per tick down the hole.
    EXPECT_EQ(trace(s, "y", {6, 7, 8, 9}), V({18, 19, 0, 1}));
    const json d = run(s, 9);
    EXPECT_EQ(map_column(d), 6);
    EXPECT_EQ(d["my"]["lives"], 3); // four on an EASY stage, one lost
    EXPECT_EQ(sound_ticks(d, "damage.wav"), V({8}));
}

TEST_F(Course, AtColumnZeroTheViewPushesHerAlong) {
    const std::string s = kStart + "3 mouse left down 5 350\n4 mouse left up 5 350\n";
    const json d = run(s, 45); // the view moved on ticks 13, 25 and 37
    EXPECT_EQ(d["scroll"], 3);
    EXPECT_EQ(d["my"]["x"], 0);
    EXPECT_EQ(map_column(d), 3);
}

TEST_F(Course, RightOfColumn21TheViewScrollsEveryTick) {
    // Holding Right she reaches column 22 on tick 21; from then on every
    // tick scrolls the view one column, and she keeps walking.
    const std::string s = kStart + "2 key Right down\n";
    const json a = run(s, 22);
    const json b = run(s, 26);
    EXPECT_EQ(b["scroll"].get<int>() - a["scroll"].get<int>(), 4);
    EXPECT_EQ(a["my"]["x"], b["my"]["x"]);
    // Released at column 22, she is back at 21 the next tick and the view
    // goes back to one column in 12 ticks.
    const std::string r = kStart + "2 key Right down\n21 key Right up\n";
    const json c = run(r, 23);
    const json e = run(r, 33);
    EXPECT_EQ(c["my"]["x"], 21);
    EXPECT_LE(e["scroll"].get<int>() - c["scroll"].get<int>(), 1);
    EXPECT_EQ(e["my"]["x"].get<int>() + e["scroll"].get<int>(), map_column(c));
}

TEST_F(Course, AtTheEndOfTheStageSheWalksToTheLastColumn) {
    const json d = run(kStart + "2 key Right down\n", 140);
    EXPECT_EQ(d["scroll"], 74);
    EXPECT_EQ(d["my"]["x"], 25);
}

TEST_F(Course, FirstHeroineWarpsToTheTopAfterTheCooldown) {
    // The gauge starts at 60 and drops one per tick: empty from tick 61.
    const std::string s = kStart + "40 key X down\n41 key X up\n70 key X down\n71 key X up\n";
    const json early = run(s, 45);
    EXPECT_EQ(early["my"]["y"], 17);
    const json d = run(s, 71);
    EXPECT_EQ(d["my"]["y"], 0);
    EXPECT_EQ(d["my"]["sp_timer"], 59);
    EXPECT_EQ(sound_ticks(d, "powan.wav"), V({71}));
    EXPECT_EQ(run(s, 74)["my"]["y"], 3); // and falls back
}

struct SecondHeroineCourse : Course {
    const std::string start = "1 key R down\n2 key R up\n2 key Enter down\n3 key Enter up\n";
};

TEST_F(SecondHeroineCourse, EmptyTankThenRefillOnlyWithXReleased) {
    // X is held from the first tick of play, with the tank still empty.
    const std::string s = start + "2 key X down\n20 key X up\n";
    const json held = run(s, 20);
    EXPECT_EQ(held["chara"], 1);
    EXPECT_EQ(held["my"]["fuel"], 0);
    EXPECT_EQ(held["my"]["y"], 17);
    EXPECT_EQ(run(s, 30)["my"]["fuel"], 10);
    EXPECT_EQ(run(s, 100)["my"]["fuel"], 70);
}

TEST_F(SecondHeroineCourse, HoldingXWithFuelFlies) {
    const std::string s = start + "30 key X down\n";
    const V ys = trace(s, "y", {30, 31, 32, 33});
    EXPECT_EQ(ys[0], 17);
    EXPECT_LT(ys[3], ys[1]);
    const json d = run(s, 33);
    EXPECT_EQ(d["my"]["fuel"], 28 - 6); // 28 after tick 30, two per tick after
}

TEST_F(SecondHeroineCourse, ATapOnAFullTankPlaysTheSound) {
    // A press and release within one tick: the tank is not used.
    const json d = run(start + "90 key X down\n90 key X up\n", 92);
    EXPECT_EQ(sound_ticks(d, "powan.wav"), V({91}));
    EXPECT_EQ(d["my"]["fuel"], 70); // 69, then refilled
}

struct ThirdHeroineCourse : Course {
    const std::string start = "1 key R down\n2 key R up\n2 key R down\n3 key R up\n"
                              "3 key Enter down\n4 key Enter up\n";
};

TEST_F(ThirdHeroineCourse, BlocksClimbUntilTheGaugeOverheats) {
    // From 60 at the start the heat is 23 by tick 40: the first block costs
    // nothing, the second (at 22) overheats, the third press is ignored.
    const std::string s = start + "40 key X down\n41 key X up\n42 key X down\n43 key X up\n"
                                  "46 key X down\n47 key X up\n";
    EXPECT_EQ(run(s, 40)["my"]["sp_timer"], 23);
    const json d = run(s, 48);
    EXPECT_EQ(sound_ticks(d, "15.wav"), V({41, 43}));
    EXPECT_EQ(d["my"]["y"], 15);
    EXPECT_EQ(d["my"]["sp_timer"], 60 - 6); // overheated on tick 43, six decays since
    ASSERT_EQ(d["block"].size(), 2u);
    EXPECT_EQ(d["block"][0]["y"], 17);
    EXPECT_EQ(d["block"][1]["y"], 16);
    EXPECT_EQ(d["block"][0]["x"], d["my"]["x"]);
    // The blocks shrink away after 30 ticks and she falls back to the ground.
    const json later = run(s, 80);
    EXPECT_TRUE(later["block"].empty());
    EXPECT_EQ(later["my"]["y"], 17);
}

} // namespace
} // namespace tsu
