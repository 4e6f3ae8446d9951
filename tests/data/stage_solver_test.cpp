// The stage solver on small stages built in code: what her base moves can
// and cannot do, the view's scroll as a clock, boxes, spikes and pits.
#include "data/chip_source.h"
#include "data/file_io.h"
#include "data/stage_solver.h"
#include "data/stage_traps.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tsu {
namespace {

constexpr int kGrass = 1, kEarth = 2, kStone = 4, kExit = 6, kSpikes = 13, kCloud = 7;
constexpr int kBox = 6, kIce = 8, kCrate = 19; // upper chips

// A flat meadow: ground in rows 18..20 under every column, the exit at
// column 96, row 17; the project's own chip passability.
struct Solver : ::testing::Test {
    std::unique_ptr<StageGrid> stage = std::make_unique<StageGrid>();
    StageGrid& grid = *stage;
    PassTable lower{}, upper{};

    Solver() {
        std::string text, error;
        EXPECT_TRUE(read_file(std::string(TSUMIKIYA_SOURCE_DIR) + "/content/chips.txt", text, error))
            << error;
        EXPECT_TRUE(parse_chip_source(text, lower, upper, error)) << error;
        for (int c = 0; c < kStageColumns; ++c) {
            grid.at(c, 18).lower = kGrass;
            grid.at(c, 19).lower = kEarth;
            grid.at(c, 20).lower = kEarth;
        }
        grid.at(96, 17).lower = kExit;
    }
    void fill(int c0, int c1, int r0, int r1, int chip) {
        for (int c = c0; c <= c1; ++c)
            for (int r = r0; r <= r1; ++r) grid.at(c, r).lower = chip;
    }
    void pit(int c0, int c1) { fill(c0, c1, 18, 20, 0); }
    SolveResult solve(int start_row = 17) { return solve_stage(grid, lower, upper, start_row); }
    int jumps(const SolveResult& r) const {
        int n = 0;
        for (const PathStep& p : r.path) n += p.jump;
        return n;
    }
};

TEST_F(Solver, AFlatMeadowIsAWalkToTheRight) {
    const SolveResult r = solve();
    ASSERT_TRUE(r.completable) << r.reason;
    EXPECT_EQ(r.path.front().cell, (Cell{3, 17}));
    EXPECT_EQ(r.path.back().cell, (Cell{96, 17}));
    EXPECT_EQ(r.path.back().tick, 93); // one column a tick, the view catching up
    EXPECT_EQ(jumps(r), 0);
    EXPECT_TRUE(r.spikes_on_path.empty());
    EXPECT_TRUE(r.pits_on_path.empty());
    for (std::size_t i = 1; i < r.path.size(); ++i) {
        EXPECT_EQ(r.path[i].tick, int(i));
        EXPECT_LE(std::abs(r.path[i].cell.column - r.path[i - 1].cell.column), 1);
    }
}

TEST_F(Solver, TenColumnsOfPitAreOneJumpElevenAreTooMany) {
    pit(30, 39);
    SolveResult r = solve();
    ASSERT_TRUE(r.completable) << r.reason;
    // Only a jump from the last column before the pit, at full speed, clears
    // it: five rows up, five down, and the last step taken before the fall.
    int from = -1;
    for (const PathStep& p : r.path)
        if (p.jump) from = r.path[std::size_t(p.tick - 1)].cell.column;
    EXPECT_EQ(from, 29);
    EXPECT_EQ(jumps(r), 1);
    ASSERT_EQ(r.pits_on_path.size(), 1u);
    EXPECT_EQ(r.pits_on_path[0].first_column, 30);
    EXPECT_EQ(r.pits_on_path[0].last_column, 39);
    EXPECT_TRUE(r.pits_on_path[0].unavoidable);

    pit(40, 40);
    r = solve();
    EXPECT_FALSE(r.completable);
    EXPECT_NE(r.reason.find("column 29"), std::string::npos) << r.reason;
}

TEST_F(Solver, AWallOfFiveRowsIsClimbedSixAreNot) {
    fill(40, 40, 13, 17, kStone);
    ASSERT_TRUE(solve().completable);
    fill(40, 40, 12, 12, kStone);
    EXPECT_FALSE(solve().completable);
}

TEST_F(Solver, AnExitWalledInCannotBeReached) {
    fill(94, 94, 8, 17, kStone);
    fill(98, 98, 8, 17, kStone);
    fill(94, 98, 8, 8, kStone);
    const SolveResult r = solve();
    EXPECT_FALSE(r.completable);
    EXPECT_TRUE(r.path.empty());
    EXPECT_TRUE(input_script(r).empty());
    // A gap in the roof over the exit is a way in from above.
    grid.at(96, 8).lower = 0;
    fill(90, 93, 13, 17, kStone); // a step up to the roof
    EXPECT_TRUE(solve().completable);
}

TEST_F(Solver, ALowCeilingTakesAwayEveryJump) {
    fill(0, 60, 15, 15, kStone); // she can rise one row under it, not two
    fill(30, 30, 16, 17, kStone);
    EXPECT_FALSE(solve().completable);
    grid.at(30, 16).lower = 0; // one row of wall: one row of jump is enough
    EXPECT_TRUE(solve().completable);
}

TEST_F(Solver, ABoxInTheCorridorIsBrokenWithAThrow) {
    fill(0, 99, 0, 16, kStone); // a corridor one row high
    grid.at(50, 17).upper = kBox;
    SolveResult r = solve();
    ASSERT_TRUE(r.completable) << r.reason;
    ASSERT_EQ(r.broken.size(), 1u);
    EXPECT_EQ(r.broken[0], (Cell{50, 17}));
    int throws = 0;
    for (const PathStep& p : r.path)
        if (p.attack) {
            ++throws;
            EXPECT_EQ(p.cell, (Cell{49, 17}));
            EXPECT_NE(p.walk, Walk::right);
        }
    EXPECT_EQ(throws, 1);
    const std::string script = input_script(r);
    EXPECT_NE(script.find("key Z down"), std::string::npos);

    grid.at(51, 17).upper = kIce; // ice behind it breaks the same way
    r = solve();
    ASSERT_TRUE(r.completable) << r.reason;
    EXPECT_EQ(r.broken.size(), 2u);

    grid.at(52, 17).upper = kCrate; // a crate does not break
    EXPECT_FALSE(solve().completable);
}

TEST_F(Solver, AShurikenStoppedBySolidGroundBreaksNothing) {
    fill(0, 99, 0, 16, kStone);
    grid.at(50, 17).upper = kBox;
    grid.at(50, 17).lower = kStone; // the shuriken stops in the stone first
    EXPECT_FALSE(solve().completable);
}

TEST_F(Solver, TheViewIsAClockAnExitLeftBehindIsLost) {
    // A tunnel under the meadow leads back left to an exit at column 1;
    // the way down is a hole in the ground.
    grid.at(96, 17).lower = 0;
    fill(0, 99, 19, 19, 0);
    grid.at(1, 19).lower = kExit;
    grid.at(10, 18).lower = 0;
    const SolveResult r = solve();
    ASSERT_TRUE(r.completable) << r.reason;
    EXPECT_LE(r.path.back().tick, 23); // before the view leaves column 1 behind
    // Twenty columns further the way back is too long: the view has moved on.
    grid.at(10, 18).lower = kGrass;
    grid.at(30, 18).lower = 0;
    EXPECT_FALSE(solve().completable);
}

TEST_F(Solver, ThePushIntoAWallIsAFailure) {
    // She is shut in a pocket at the start; the view moves on and pushes
    // her into its wall.
    fill(0, 99, 0, 16, kStone);
    fill(5, 5, 17, 17, kStone);
    const SolveResult r = solve();
    EXPECT_FALSE(r.completable);
    EXPECT_NE(r.reason.find("column 4"), std::string::npos) << r.reason;
}

TEST_F(Solver, SpikesAreJumpedWhenTheyCanBeAndReportedWhenNot) {
    fill(40, 42, 18, 18, kSpikes);
    SolveResult r = solve();
    ASSERT_TRUE(r.completable);
    EXPECT_TRUE(r.spikes_on_path.empty());
    EXPECT_EQ(jumps(r), 1);

    fill(40, 55, 18, 18, kSpikes); // too long to jump over
    r = solve();
    ASSERT_TRUE(r.completable);
    EXPECT_FALSE(r.spikes_on_path.empty());
    for (const Cell& c : r.spikes_on_path) {
        EXPECT_EQ(c.row, 18);
        EXPECT_GE(c.column, 40);
        EXPECT_LE(c.column, 55);
    }
}

TEST_F(Solver, APitWithABridgeAboveCanBeAvoided) {
    pit(30, 34);
    fill(23, 23, 15, 17, kStone); // a step
    fill(25, 36, 12, 12, kCloud); // clouds are no bridge
    SolveResult r = solve();
    ASSERT_TRUE(r.completable);
    ASSERT_EQ(r.pits_on_path.size(), 1u);
    EXPECT_TRUE(r.pits_on_path[0].unavoidable);
    // A stone bridge over it, up from the step, with a box to break in a
    // low passage: slower than the jump across, but no pit under her.
    fill(25, 36, 12, 12, kStone);
    fill(26, 30, 10, 10, kStone);
    grid.at(28, 11).upper = kBox;
    r = solve();
    ASSERT_TRUE(r.completable);
    EXPECT_TRUE(r.broken.empty()); // the quick way is still the jump
    ASSERT_EQ(r.pits_on_path.size(), 1u);
    EXPECT_FALSE(r.pits_on_path[0].unavoidable);
}

TEST_F(Solver, FromTheUpperStartRowSheFallsFirst) {
    const SolveResult r = solve(10);
    ASSERT_TRUE(r.completable);
    EXPECT_EQ(r.path.front().cell, (Cell{3, 10}));
    EXPECT_EQ(r.path[7].cell.row, 17);
    // A start inside the ground is refused.
    EXPECT_FALSE(solve(18).completable);
}

TEST_F(Solver, TheScriptStartsOnTheTitleAndPressesEachJumpForOneTick) {
    fill(40, 40, 15, 17, kStone);
    const SolveResult r = solve();
    ASSERT_TRUE(r.completable);
    const std::string s = input_script(r);
    EXPECT_EQ(s.find("1 key Enter down\n"), s.find('\n') + 1); // after the comment line
    EXPECT_NE(s.find("2 key Enter up\n"), std::string::npos);
    int jump_tick = 0;
    for (const PathStep& p : r.path)
        if (p.jump) jump_tick = p.tick;
    ASSERT_GT(jump_tick, 0);
    EXPECT_NE(s.find(std::to_string(jump_tick) + " key Up down\n"), std::string::npos);
    EXPECT_NE(s.find(std::to_string(jump_tick + 1) + " key Up up\n"), std::string::npos);
    EXPECT_NE(s.find("1 key Right down\n"), std::string::npos);
}

TEST_F(Solver, EveryScrollPhaseIsItsOwnClock) {
    // An exit three columns behind her: reached on tick 3 unless the view
    // has moved on by then.
    grid.at(96, 17).lower = 0;
    grid.at(0, 17).lower = kExit;
    SolveOptions o;
    o.scroll_phase = 8; // the view moves on tick 4
    SolveResult r = solve_stage(grid, lower, upper, o);
    ASSERT_TRUE(r.completable) << r.reason;
    EXPECT_EQ(r.path.back().tick, 3);
    o.scroll_phase = 9; // on tick 3, before she gets there
    r = solve_stage(grid, lower, upper, o);
    EXPECT_FALSE(r.completable);
}

// Traps: where she can be stuck for good, and what the gauge hides, on
// small stages that each add one feature to the meadow.
TEST_F(Solver, TrapsAreWellsSheCannotLeaveOnceTheViewStops) {
    struct Case {
        const char* what;
        void (*build)(Solver&);
        std::vector<Cell> traps, hidden;
    };
    const Case cases[] = {
        {"the meadow", [](Solver&) {}, {}, {}},
        // A well in a block six rows high, reached from a step: she drops in
        // and her jump rises five rows, one short of the rim.
        {"a well in the final view",
         [](Solver& t) {
             t.fill(84, 90, 12, 17, kStone);
             t.fill(87, 87, 12, 17, 0);
             t.fill(83, 83, 15, 17, kStone);
         },
         {{87, 17}},
         {}},
        // The same well while the view still moves: its push squeezes her
        // out (a lost life), so it is no trap.
        {"a well the view passes",
         [](Solver& t) {
             t.fill(44, 50, 12, 17, kStone);
             t.fill(47, 47, 12, 17, 0);
             t.fill(43, 43, 15, 17, kStone);
         },
         {},
         {}},
        // A pond of two rows is left with a jump; under the gauge at the end
        // it hides her, and so does a bottomless pit there.
        {"a pond and a pit under the gauge",
         [](Solver& t) {
             t.fill(76, 77, 18, 19, 0);
             t.pit(80, 80);
         },
         {},
         {{76, 18}, {76, 19}, {77, 18}, {77, 19}, {80, 18}, {80, 19}}},
        // Boxes in a corridor she must break her way through: still no trap.
        {"boxes in a low corridor",
         [](Solver& t) {
             t.fill(30, 45, 0, 16, kStone);
             for (int c : {33, 36, 39}) t.grid.at(c, 17).upper = kBox;
         },
         {},
         {}},
    };
    const StageGrid meadow = grid;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        grid = meadow;
        c.build(*this);
        const StageTraps r = find_traps(grid, lower, upper);
        EXPECT_FALSE(r.limit);
        EXPECT_EQ(r.traps, c.traps) << r.summary();
        EXPECT_EQ(r.hidden, c.hidden) << r.summary();
        EXPECT_EQ(r.stuck_states > 0, !c.traps.empty());
        EXPECT_TRUE(solve().completable);
    }
}

} // namespace
} // namespace tsu
