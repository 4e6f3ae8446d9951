// The shipped stages: every source under content/stages goes through the
// solver and the loader; the eight official stages are played from the title
// along the solver's way through the headless runner, and together they use
// every enemy, item, weather and hazard the game has.
#include "app/command_line.h"
#include "app/headless_platform.h"
#include "app/input_script.h"
#include "app/headless.h"
#include "data/chip_source.h"
#include "data/data_files.h"
#include "data/file_io.h"
#include "data/stage_file.h"
#include "data/stage_solver.h"
#include "data/stage_traps.h"
#include "data/stage_source.h"
#include "game/events.h"
#include "game/game.h"
#include "support/autopilot.h"
#include "support/game_fixture.h"
#include "support/headless_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace tsu {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

const fs::path kStages = fs::path(TSUMIKIYA_SOURCE_DIR) / "content" / "stages";
constexpr int kPhases = 12;    // the scroll's sub-counter carries over from stage to stage
constexpr int kPackOneFirst = 10, kPackOneLast = 17; // pack 1 starts her at row 10
constexpr int kUpperStartRow = 10;

// Stage numbers of the sources under content/stages (mapN.stage).
std::vector<int> shipped_stages() {
    std::vector<int> n;
    for (const auto& e : fs::directory_iterator(kStages)) {
        const std::string name = e.path().filename().string();
        if (name.rfind("map", 0) != 0 || e.path().extension() != ".stage") continue;
        n.push_back(std::stoi(name.substr(3)));
    }
    std::sort(n.begin(), n.end());
    return n;
}

struct Chips {
    PassTable lower{}, upper{};
    Chips() {
        std::string text, error;
        EXPECT_TRUE(read_file((fs::path(TSUMIKIYA_SOURCE_DIR) / "content" / "chips.txt").string(),
                              text, error))
            << error;
        EXPECT_TRUE(parse_chip_source(text, lower, upper, error)) << error;
    }
};

std::unique_ptr<StageGrid> stage_source(int n) {
    auto grid = std::make_unique<StageGrid>();
    std::string text, error;
    const std::string path = (kStages / ("map" + std::to_string(n) + ".stage")).string();
    EXPECT_TRUE(read_file(path, text, error)) << error;
    EXPECT_TRUE(parse_stage_source(text, *grid, error)) << path << ": " << error;
    return grid;
}

std::string stage_name(const ::testing::TestParamInfo<int>& info) {
    return "map" + std::to_string(info.param);
}

// ---------------------------------------------------------------------------
// Every shipped stage.

struct ShippedStage : ::testing::TestWithParam<int> {};

TEST_P(ShippedStage, IsCompletableFromEveryScrollPhase) {
    const Chips chips;
    const auto grid = stage_source(GetParam());
    std::vector<int> rows{17};
    if (GetParam() >= kPackOneFirst && GetParam() <= kPackOneLast) rows.push_back(kUpperStartRow);
    for (int row : rows)
        for (int phase = 0; phase < kPhases; ++phase) {
            SolveOptions o;
            o.start_row = row;
            o.scroll_phase = phase;
            o.analyse_pits = false;
            const SolveResult r = solve_stage(*grid, chips.lower, chips.upper, o);
            EXPECT_TRUE(r.completable) << "start row " << row << ", scroll phase " << phase << ": "
                                       << r.reason;
        }
}

// Nowhere can she be stuck for good (see stage_traps.h), and at the end no
// pit lies under the gauge where she would stand or fall out of sight.
// Timed: the whole check runs in the suite for every stage.
TEST_P(ShippedStage, HasNoTrapAndNothingHiddenBehindTheGauge) {
    const Chips chips;
    const auto grid = stage_source(GetParam());
    TrapOptions o;
    if (GetParam() >= kPackOneFirst && GetParam() <= kPackOneLast) o.start_rows.push_back(kUpperStartRow);
    const auto started = std::chrono::steady_clock::now();
    const StageTraps t = find_traps(*grid, chips.lower, chips.upper, o);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
    RecordProperty("trap_check_ms", int(ms.count()));
    RecordProperty("moments", t.states);
    EXPECT_FALSE(t.limit);
    EXPECT_EQ(t.stuck_states, 0) << t.summary();
    EXPECT_TRUE(t.hidden.empty()) << t.summary();
}

TEST_P(ShippedStage, LoadsAsWrittenWithNothingClamped) {
    const auto grid = stage_source(GetParam());
    for (int c = 0; c < kStageColumns; ++c)
        for (int r = 0; r < kStageRows; ++r) {
            const cell& k = grid->at(c, r);
            EXPECT_TRUE(k.lower >= 0 && k.lower <= 49) << "lower " << k.lower << " at " << c << "," << r;
            EXPECT_TRUE(k.upper >= 0 && k.upper <= 22) << "upper " << k.upper << " at " << c << "," << r;
            EXPECT_TRUE(k.teki >= 0 && k.teki <= 25) << "enemy " << k.teki << " at " << c << "," << r;
        }
    EXPECT_GE(grid->weather, 0);
    EXPECT_LE(grid->weather, 4);

    // The game's own loader gives back the same grid.
    testing::DataRoot root;
    const Chips chips;
    root.write("chip.dat", format_chip_dat(chips.lower, chips.upper));
    root.write_stage(GetParam(), *grid);
    Game& g = root.g();
    ASSERT_TRUE(load_stage(g, GetParam()));
    int differ = 0;
    for (int c = 0; c < kStageColumns; ++c)
        for (int r = 0; r < kStageRows; ++r) {
            const cell& a = grid->at(c, r);
            const cell& b = g.map[std::size_t(c + 1)][std::size_t(r + 1)];
            differ += a.lower != b.lower || a.upper != b.upper || a.teki != b.teki;
        }
    EXPECT_EQ(differ, 0);
    EXPECT_EQ(g.my.weather, grid->weather);
}

INSTANTIATE_TEST_SUITE_P(Content, ShippedStage, ::testing::ValuesIn(shipped_stages()), stage_name);

// ---------------------------------------------------------------------------
// The official run.

constexpr int kOfficial = 8;

TEST(OfficialRun, TheEightStagesShowEverything) {
    std::set<int> enemies, uppers, lowers, weathers;
    for (int n = 0; n < kOfficial; ++n) {
        const auto grid = stage_source(n);
        weathers.insert(grid->weather);
        bool exit_near_the_end = false;
        for (int c = 0; c < kStageColumns; ++c)
            for (int r = 0; r <= 20; ++r) {
                const cell& k = grid->at(c, r);
                if (k.teki != 0) enemies.insert(k.teki);
                if (k.upper != 0) uppers.insert(k.upper);
                lowers.insert(k.lower);
                if (k.lower == 6 && c >= 90) exit_near_the_end = true;
            }
        EXPECT_TRUE(exit_near_the_end) << "map" << n << " has no exit in columns 90..99";
    }
    // Every enemy but the blast (8), which the bombs leave: bombs come placed
    // (7) and dropped by both weathercocks (6, 24).
    for (int t = 1; t <= 25; ++t) {
        if (t == 8) continue;
        EXPECT_TRUE(enemies.count(t)) << "enemy type " << t << " is in no official stage";
    }
    EXPECT_FALSE(enemies.count(8));
    for (int u : {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14})
        EXPECT_TRUE(uppers.count(u)) << "upper chip " << u << " is in no official stage";
    EXPECT_TRUE(lowers.count(13)) << "no spike floor";
    EXPECT_EQ(weathers, (std::set<int>{0, 1, 2, 3, 4}));
}

// A game on a copy of the built root where stage 0 is the stage under test,
// driven tick by tick from the title.
struct Session {
    testing::TempDir root;
    HeadlessPlatform platform;
    std::unique_ptr<Game> game = std::make_unique<Game>();
    Game& g = *game;

    explicit Session(const StageGrid& stage) {
        testing::copy_built_root(root.path());
        std::ofstream(root.path() / "dat" / "map0.dat", std::ios::binary) << format_stage_dat(stage);
        platform.echo_messages = false;
        g.platform = &platform;
        g.root = root.str();
        g.random.reseed(7);
        EXPECT_TRUE(FormCreate(g));
    }
    void tick() {
        platform.tick += 1;
        Timer1Timer(g);
    }
    int column() const { return g.my.x + g.scroll; }
};

struct OfficialStage : ::testing::TestWithParam<int> {
    Chips chips;
    std::unique_ptr<StageGrid> grid = stage_source(GetParam());
};

// Without its enemies, and with crates standing in for the vents (as solid,
// but they fire nothing), the stage is the solver's own world: its input
// script, delivered as the headless runner delivers it, must bring her to
// the exit on the very tick and in the very cell the solver says.
TEST_P(OfficialStage, TheSolversWayIsTheGamesWay) {
    constexpr int kVent = 14, kCrate = 19;
    ASSERT_EQ(chips.upper[kVent], chips.upper[kCrate]);
    for (cell& k : grid->cells) {
        k.teki = 0;
        if (k.upper == kVent) k.upper = kCrate;
    }
    SolveOptions o;
    o.analyse_pits = false;
    const SolveResult r = solve_stage(*grid, chips.lower, chips.upper, o);
    ASSERT_TRUE(r.completable) << r.reason;
    std::vector<InputEvent> events;
    std::string error;
    ASSERT_TRUE(parse_input_script(input_script(r), events, error)) << error;

    Session s(*grid);
    std::size_t next = 0;
    const int last = r.path.back().tick; // play tick t is game tick t + 1
    for (int t = 0; t <= last + 1 && s.g.mode != 3; ++t) {
        while (next < events.size() && events[next].tick == t)
            deliver_input(s.g, events[next++], s.platform.answers);
        s.tick();
        testing::take_away_flight(s.g);
        const int play_tick = t; // the tick just run was play tick t (the title ran first)
        if (s.g.mode == 1 && play_tick >= 1 && play_tick <= last) {
            const PathStep& p = r.path[std::size_t(play_tick)];
            ASSERT_EQ(s.column(), p.cell.column) << "play tick " << play_tick << "\n" << describe_path(r);
            ASSERT_EQ(s.g.my.y, p.cell.row) << "play tick " << play_tick;
            ASSERT_EQ(s.g.scroll, p.scroll) << "play tick " << play_tick;
        }
        if (t < last) {
            EXPECT_EQ(s.g.mode, t == 0 ? 0 : 1) << "tick " << t;
        }
    }
    EXPECT_EQ(s.g.mode, 3);
    EXPECT_EQ(s.column(), r.path.back().cell.column);
    EXPECT_EQ(s.g.my.y, r.path.back().cell.row);
}

// With its enemies the way is played like a player would (see Autopilot).
// In test play a hit costs no life, so the question is whether the stage can
// be crossed at all with its enemies in it.
TEST_P(OfficialStage, PlayedWithItsEnemiesAlongTheWayItIsCleared) {
    Session s(*grid);
    s.g.test_play = true;
    s.g.my.easy = 0;
    s.tick();
    FormKeyDown(s.g, vk::enter);
    FormKeyUp(s.g, vk::enter);
    testing::Autopilot a(s.g);
    for (int t = 0; t < 3000 && s.g.mode == 1; ++t)
        ASSERT_TRUE(a.step([&s] { s.tick(); })) << a.reason();
    EXPECT_EQ(s.g.mode, 3) << "column " << s.column() << ", row " << s.g.my.y;
    RecordProperty("replans", a.replans());
}

// The first stage as shipped, enemies and all, through the headless runner
// itself: the solver's script starts the run on the title and clears it.
TEST(OfficialRun, TheSolversScriptClearsTheFirstStageInTheHeadlessRunner) {
    const Chips chips;
    const SolveResult r = solve_stage(*stage_source(0), chips.lower, chips.upper);
    ASSERT_TRUE(r.completable) << r.reason;
    testing::TempDir root, out;
    testing::copy_built_root(root.path());
    const json d =
        testing::run_headless_dump(root.path(), out.path(), input_script(r), r.path.back().tick + 2, 7);
    ASSERT_FALSE(d.empty());
    EXPECT_EQ(d["mode"], 3);
    EXPECT_EQ(d["my"]["x"].get<int>() + d["scroll"].get<int>(), r.path.back().cell.column);
}

INSTANTIATE_TEST_SUITE_P(Content, OfficialStage, ::testing::Range(0, kOfficial), stage_name);

} // namespace
} // namespace tsu
