// Enemies through the headless runner on a stage of their own
// (stages/enemies.stage): walking, hopping, firing through a lattice, bombs
// bursting into blasts, a walker waiting beyond the view, and the run that
// ends when they have worn the heroine down.
#include "app/command_line.h"
#include "app/headless.h"
#include "data/stage_dat.h"
#include "data/stage_source.h"
#include "support/game_fixture.h"
#include "support/headless_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tsu {
namespace {

using nlohmann::json;
using V = std::vector<int>;

// NOMAL through the option panel, then Enter starts the run on stage 0.
constexpr const char* kNomalRun = "1 mouse right down 10 10\n2 click nomal_b1\n3 click Label4\n"
                                  "4 key Enter down\n5 key Enter up\n";

struct EnemyStage : ::testing::Test {
    testing::TempDir root;
    testing::TempDir out;

    EnemyStage() {
        testing::copy_built_root(root.path());
        std::ifstream in(std::string(TSUMIKIYA_SOURCE_DIR) + "/tests/scenarios/stages/enemies.stage");
        std::stringstream text;
        text << in.rdbuf();
        StageGrid grid;
        std::string error;
        EXPECT_TRUE(parse_stage_source(text.str(), grid, error)) << error;
        std::ofstream(root.path() / "dat" / "map0.dat", std::ios::binary) << format_stage_dat(grid);
    }
    json run(const std::string& script, int ticks) {
        return testing::run_headless_dump(root.path(), out.path(), script, ticks, 3);
    }
};

// The live enemies of a kind as (slot, x, y, alive).
std::vector<V> enemies_of(const json& d, int kind) {
    std::vector<V> v;
    for (const auto& t : d["teki"])
        if (t["kind"] == kind)
            v.push_back({t["slot"].get<int>(), t["x"].get<int>(), t["y"].get<int>(), t["alive"].get<int>()});
    return v;
}

// The stage loads its enemies column by column: the lone bomb (map column 8)
// is slot 1, the walker slot 2, the hopper 3, the still shooter 4, the bomb
// dropper 5, the six-way shooter 6, the three-way shooter 7, the far walker 8.
TEST_F(EnemyStage, ShotsCrossTheLatticeWhileTheFarWalkerWaits) {
    const json d = run(kNomalRun, 30);
    ASSERT_EQ(d["mode"], 1);
    const int scroll = d["scroll"].get<int>();
    bool through = false; // a shot of the still shooter left of the lattice (map column 15)
    for (const auto& s : d["teki_shot"])
        through = through || (s["image"] == 10 && s["y"] == 17 && s["x"].get<int>() + scroll < 15);
    EXPECT_TRUE(through);
    EXPECT_EQ(enemies_of(d, 3), std::vector<V>({{4, 17, 17, 27}})); // it never walks
    const auto far = enemies_of(d, 1);
    ASSERT_EQ(far.size(), 2u);
    EXPECT_EQ(far[1], V({8, 60, 17, 1})); // beyond the view: frozen, never aged
    EXPECT_LT(far[0][1], 9);              // the near walker came closer
    EXPECT_GE(enemies_of(d, 7).size(), 2u); // the dropper's bombs besides the lone one
}

TEST_F(EnemyStage, LoneBombBurstsOnItsFiftyNinthTickAndItsBlastsLastFourteen) {
    // The run starts after tick 4, so the bomb's first tick in view is tick 5.
    const json before = run(kNomalRun, 62);
    const auto bombs = enemies_of(before, 7);
    ASSERT_FALSE(bombs.empty());
    EXPECT_EQ(bombs[0], V({1, 8, 17, 59}));

    const json burst = run(kNomalRun, 63);
    const std::vector<V> blasts = {{11, 8, 17, 2}, {12, 7, 17, 2}, {13, 9, 17, 2}, {14, 8, 16, 2},
                                   {15, 8, 18, 2}};
    EXPECT_EQ(enemies_of(burst, 8), blasts);
    bool effect = false;
    for (const auto& e : burst["effects"]) effect = effect || (e["kind"] == 468 && e["x"] == 90);
    EXPECT_TRUE(effect);

    // Later bombs of the dropper leave blasts of their own in later slots.
    const auto lone_blasts = [](const json& d) {
        int n = 0;
        for (const V& b : enemies_of(d, 8)) n += b[0] >= 11 && b[0] <= 15;
        return n;
    };
    EXPECT_EQ(lone_blasts(run(kNomalRun, 75)), 5);
    EXPECT_EQ(lone_blasts(run(kNomalRun, 76)), 0);
}

TEST_F(EnemyStage, EnemiesWearHerDownToGameOver) {
    const json d = run(kNomalRun, 100);
    EXPECT_EQ(d["mode"], 2);
    EXPECT_EQ(d["my"]["lives"], 0);
    std::vector<std::string> hurt;
    for (const auto& s : d["sounds"])
        if (s["name"] == "damage.wav" || s["name"] == "over.wav") hurt.push_back(s["name"]);
    EXPECT_EQ(hurt, std::vector<std::string>({"damage.wav", "damage.wav", "damage.wav", "over.wav"}));
    EXPECT_EQ(d["my"]["misses"], 3);
}

TEST_F(EnemyStage, OnEasyEveryEnemyHasOneHitPoint) {
    const json d = run("1 key Enter down\n2 key Enter up\n", 3);
    ASSERT_EQ(d["teki"].size(), 8u);
    for (const auto& t : d["teki"]) EXPECT_EQ(t["hp"], 1) << t["kind"];
    const json n = run(kNomalRun, 6);
    V hp;
    for (const auto& t : n["teki"]) hp.push_back(t["hp"].get<int>());
    EXPECT_EQ(hp, V({1, 1, 1, 2, 1, 1, 3, 1}));
}

} // namespace
} // namespace tsu
