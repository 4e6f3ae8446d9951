// Replays: what the recorder writes reads back as the same events, a replay
// plays back to the same end state, carries its save file along without
// touching the player's, and replays of another version are refused.
#include "app/command_line.h"
#include "app/headless.h"
#include "app/replay.h"
#include "data/save_file.h"
#include "support/game_fixture.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <sstream>

namespace tsu {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

std::string slurp(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

TEST(Replay, RecordedEventsReadBackWithAnswersBeforeTheirQuestion) {
    std::vector<InputEvent> script;
    std::string error;
    ASSERT_TRUE(parse_input_script("0 move 10 20\n2 key Esc down\n2 key Esc up\n5 text  two  blanks\n"
                                   "7 mouse right down 30 40\n9 music done\n",
                                   script, error))
        << error;
    ReplayRecorder r;
    r.start(987654321, true, std::string("1\r\n\x82\xa0\r\n", 6));
    for (const InputEvent& e : script) {
        if (e.type == InputEvent::Type::key && e.down) r.answer(false); // Esc on the title asks
        r.event(e);
    }
    r.answer(true);       // a question asked during tick 10
    r.flush_answers(9);
    testing::TempDir dir;
    const std::string path = dir.str() + "/a.replay";
    ASSERT_TRUE(write_replay(path, r.text(12, 3, 2), error)) << error;

    ReplayHeader h;
    std::vector<InputEvent> back;
    ASSERT_TRUE(load_replay(path, h, back, error)) << error;
    EXPECT_EQ(h.seed, 987654321u);
    EXPECT_EQ(h.ticks, 12);
    EXPECT_EQ(h.stage_set, 3);
    EXPECT_EQ(h.heroine, 2);
    EXPECT_TRUE(h.has_save);
    EXPECT_EQ(h.save, std::string("1\r\n\x82\xa0\r\n", 6));
    std::vector<std::string> lines;
    for (const InputEvent& e : back) lines.push_back(format_input_event(e));
    const std::vector<std::string> expected = {
        "0 move 10 20",   "2 answer no",       "2 key Esc down", "2 key Esc up",
        "5 text  two  blanks", "7 mouse right down 30 40", "9 music done", "9 answer yes"};
    EXPECT_EQ(lines, expected);
}

TEST(Replay, AnotherVersionOrADamagedHeaderIsRefused) {
    testing::TempDir dir;
    const std::string path = dir.str() + "/old.replay";
    ReplayHeader h;
    std::vector<InputEvent> events;
    std::string error;
    std::ofstream(path) << "# tsumikiya replay\n# version 0.9\n# seed 1\n# ticks 5\n# save none\n";
    EXPECT_FALSE(load_replay(path, h, events, error));
    EXPECT_NE(error.find("version 0.9"), std::string::npos) << error;
    std::ofstream(path) << "# tsumikiya replay\n# version " << game_version() << "\n# seed x\n";
    EXPECT_FALSE(load_replay(path, h, events, error));
    std::ofstream(path) << "1 key Z down\n";
    EXPECT_FALSE(load_replay(path, h, events, error));
    EXPECT_NE(error.find("not a replay"), std::string::npos) << error;
}

TEST(Replay, OnlyTheNewestFiftyAreKept) {
    testing::TempDir dir;
    std::string error;
    for (int i = 0; i < 53; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "/r/2026010%d-%06d.replay", i / 10, i);
        ASSERT_TRUE(write_replay(dir.str() + name, "x", error)) << error;
    }
    std::ofstream(dir.path() / "r" / "notes.txt") << "mine";
    ASSERT_TRUE(write_replay(dir.str() + "/r/20270101-000000.replay", "x", error));
    int replays = 0;
    for (const auto& e : fs::directory_iterator(dir.path() / "r")) replays += e.path().extension() == ".replay";
    EXPECT_EQ(replays, 50);
    EXPECT_FALSE(fs::exists(dir.path() / "r" / "20260100-000003.replay"));
    EXPECT_TRUE(fs::exists(dir.path() / "r" / "20260100-000004.replay"));
    EXPECT_TRUE(fs::exists(dir.path() / "r" / "notes.txt"));
}

struct ReplayPlayback : ::testing::Test {
    testing::TempDir root, user, out;
    ReplayPlayback() { testing::copy_built_root(root.path()); }

    json run(CommandLine cl) {
        cl.headless = true;
        cl.root = root.str();
        cl.user_dir = user.str();
        cl.dump = (out.path() / "dump.json").string();
        std::ostringstream err;
        EXPECT_EQ(run_headless(cl, err), 0) << err.str();
        json j = json::parse(slurp(cl.dump));
        j.erase("messages"); // the missing save file is reported by its own path
        return j;
    }
};

TEST_F(ReplayPlayback, PlaysBackToTheSameEndStateFromItsOwnSaveFile) {
    // M opens the option panel, which saves the game.
    const std::string script = "1 key M down\n1 key M up\n2 key Esc down\n2 key Esc up\n"
                               "3 key Enter down\n4 key Enter up\n8 key Right down\n"
                               "14 key Up down\n16 key Up up\n18 key Z down\n19 key Z up\n"
                               "30 key Right up\n";
    // The recorded run started from a save file with a record and NOMAL;
    // the player's save file now says something else.
    {
        testing::GameFixture f;
        f.g().user_dir = user.str();
        f.g().my.initialized = 1;
        f.g().my.hi_score = 777;
        f.g().my.easy = 0;
        ASSERT_TRUE(write_save(f.g()));
    }
    const std::string recorded_save = slurp(user.path() / "my.dat");
    CommandLine direct;
    direct.seed_given = true;
    direct.seed = 31;
    direct.ticks = 40;
    direct.input = (out.path() / "in.txt").string();
    std::ofstream(direct.input) << script;
    const json expected = run(direct);
    ASSERT_EQ(expected["mode"], 1);
    ASSERT_EQ(expected["my"]["hi_score"], 777);

    ReplayRecorder r;
    r.start(31, true, recorded_save);
    std::vector<InputEvent> events;
    std::string error;
    ASSERT_TRUE(parse_input_script(script, events, error));
    for (const InputEvent& e : events) r.event(e);
    CommandLine playback;
    playback.replay = (out.path() / "run.replay").string();
    ASSERT_TRUE(write_replay(playback.replay, r.text(40, 0, 0), error));

    std::ofstream(user.path() / "my.dat", std::ios::trunc) << "the player's own file\r\n";
    const json played = run(playback);
    EXPECT_EQ(played["my"]["hi_score"], 777);
    EXPECT_EQ(played.dump(), expected.dump());
    // M saved the game: into the playback's scratch folder, not the player's.
    EXPECT_EQ(slurp(user.path() / "my.dat"), "the player's own file\r\n");
}

} // namespace
} // namespace tsu
