// Scenarios through the headless runner: scripted input, dumps, screenshots.
#include "app/command_line.h"
#include "app/headless.h"
#include "support/game_fixture.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace tsu {
namespace {

using nlohmann::json;
namespace fs = std::filesystem;

struct Headless : ::testing::Test {
    testing::TempDir root;
    testing::TempDir out;
    Headless() { testing::copy_built_root(root.path()); }

    std::string write_script(const std::string& name, const std::string& text) {
        const auto p = out.path() / name;
        std::ofstream(p) << text;
        return p.string();
    }
    // Runs the game headless and returns its dump.
    json run(const std::string& script, int ticks, int* status = nullptr,
             std::vector<Screenshot> shots = {}, uint64_t seed = 7) {
        CommandLine cl;
        cl.headless = true;
        cl.root = root.str();
        cl.seed_given = true;
        cl.seed = seed;
        cl.ticks = ticks;
        if (!script.empty()) cl.input = write_script("in.txt", script);
        cl.dump = (out.path() / "dump.json").string();
        cl.shots = std::move(shots);
        std::ostringstream err;
        const int s = run_headless(cl, err);
        if (status) *status = s;
        std::ifstream f(cl.dump);
        return json::parse(f);
    }
    static std::string slurp(const fs::path& p) {
        std::ifstream f(p, std::ios::binary);
        std::ostringstream s;
        s << f.rdbuf();
        return s.str();
    }
};

std::vector<std::string> names(const json& records, const char* field) {
    std::vector<std::string> v;
    for (const auto& r : records) v.push_back(r[field].get<std::string>());
    return v;
}

TEST_F(Headless, TitleAfterStartUp) {
    int status = -1;
    const json d = run("", 5, &status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(d["mode"], 0);
    EXPECT_EQ(d["frame_count"], 5);
    // No save file yet: the first start, quietly from the reset values.
    EXPECT_TRUE(d["messages"].empty());
    EXPECT_TRUE(fs::exists(root.path() / "dat" / "my.dat"));
    EXPECT_EQ(d["my"]["easy"], 1);
    EXPECT_EQ(d["my"]["place"], "東京");
    EXPECT_EQ(d["my"]["age"], 20);
    EXPECT_TRUE(d["panels"].empty());
}

TEST_F(Headless, SameSeedAndScriptGiveIdenticalDumpsAndPictures) {
    const std::string script = "2 key R down\n3 key R up\n4 key Enter down\n5 key Enter up\n"
                               "9 key Right down\n20 key Z down\n21 key Z up\n";
    const auto a = out.path() / "a.png";
    const auto b = out.path() / "b.png";
    run(script, 30, nullptr, {{a.string(), 30}});
    const std::string first = slurp(out.path() / "dump.json");
    fs::remove(root.path() / "dat" / "my.dat"); // the first run's play count
    run(script, 30, nullptr, {{b.string(), 30}});
    const std::string second = slurp(out.path() / "dump.json");
    EXPECT_EQ(first, second);
    ASSERT_TRUE(fs::exists(a));
    EXPECT_GT(fs::file_size(a), 100u);
    EXPECT_EQ(slurp(a), slurp(b));
}

TEST_F(Headless, RCyclesHeroinesOnTheTitle) {
    const json d = run("1 key R down\n2 key R up\n2 key R down\n3 key R down\n", 5);
    EXPECT_EQ(d["chara"], 0);
    const auto s = d["sounds"];
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[0]["tick"], 1);
    EXPECT_EQ(s[0]["name"], "1.wav");
    EXPECT_EQ(s[1]["tick"], 2);
    EXPECT_EQ(s[2]["tick"], 3);
    EXPECT_EQ(s[2]["name"], "2.wav");
}

TEST_F(Headless, EnterStartsARunOnStageZero) {
    const json d = run("3 key Enter down\n4 key Enter up\n", 10);
    EXPECT_EQ(d["mode"], 1);
    EXPECT_EQ(d["my"]["lives"], 4); // EASY after the reset: one more life per stage
    EXPECT_EQ(d["my"]["play_count"], 1);
    EXPECT_EQ(d["my"]["stage_no"], 0);
    EXPECT_FALSE(d["map"].empty());
    EXPECT_EQ(names(d["sounds"], "name").front(), "1.wav");
}

TEST_F(Headless, PauseFreezesTheTicks) {
    const json d = run("1 key Enter down\n5 key Esc down\n6 key Esc up\n", 40);
    EXPECT_TRUE(d["paused"]);
    EXPECT_EQ(d["frame_count"], 5);
    EXPECT_EQ(d["scroll"], 0);
}

TEST_F(Headless, GiveUpWipeAndBackToTheTitle) {
    // Q ends the run; clicks during the 10 wipe ticks do nothing; the first
    // click after them returns to the title.
    const json d = run("1 key Enter down\n2 key Enter up\n5 key Q down\n"
                       "8 mouse left down 10 10\n14 key Enter down\n15 key Enter up\n"
                       "16 key Enter down\n",
                       20);
    EXPECT_EQ(d["mode"], 0);
    EXPECT_EQ(d["my"]["lives"], 0);
    const auto s = names(d["sounds"], "name");
    EXPECT_NE(std::find(s.begin(), s.end(), "over.wav"), s.end());
    EXPECT_EQ(s.back(), "2.wav");
    EXPECT_EQ(d["sounds"].back()["tick"], 16);
}

TEST_F(Headless, ResetQuestionAnsweredNo) {
    const json d = run("1 answer no\n1 key Esc down\n", 3);
    ASSERT_EQ(d["messages"].size(), 1u);
    EXPECT_EQ(d["messages"][0]["text"], "? 初期化したいときは、はいを押してね");
    EXPECT_EQ(d["messages"][0]["tick"], 1);
}

TEST_F(Headless, MissingPictureIsAStartUpErrorNamingTheFile) {
    fs::remove(root.path() / "cg" / "teki5.bmp");
    int status = 0;
    const json d = run("", 5, &status);
    EXPECT_EQ(status, 1);
    bool named = false;
    for (const auto& m : d["messages"])
        named = named || m["text"].get<std::string>().find("teki5.bmp") != std::string::npos;
    EXPECT_TRUE(named);
    EXPECT_EQ(d["frame_count"], 0);
}

TEST_F(Headless, BadScriptIsRefused) {
    int status = 0;
    CommandLine cl;
    cl.headless = true;
    cl.root = root.str();
    cl.input = write_script("bad.txt", "0 key Nope down\n");
    std::ostringstream err;
    status = run_headless(cl, err);
    EXPECT_EQ(status, 2);
    EXPECT_NE(err.str().find("line 1"), std::string::npos);
}

} // namespace
} // namespace tsu
