// The save file through whole headless runs, which (like a killed program)
// never close the window: the first start makes the file without a word,
// a run's play count and records reach the disk while the game runs, and an
// unreadable file is kept aside before the first write over it.
#include "data/save_file.h"
#include "support/game_fixture.h"
#include "support/headless_run.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace tsu {
namespace {

namespace fs = std::filesystem;
using json = nlohmann::json;

// Start a run, give it up at once, and stay on the after-run screen.
constexpr const char* kShortRun = "2 key Enter down\n3 key Enter up\n8 key Q down\n9 key Q up\n";

struct SavedRun : ::testing::Test {
    testing::TempDir root, out;
    SavedRun() { testing::copy_built_root(root.path()); }
    fs::path save() const { return root.path() / "dat" / "my.dat"; }
    std::string read(const fs::path& p) const {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::vector<std::string> lines() const {
        std::vector<std::string> v;
        std::ifstream in(save(), std::ios::binary);
        for (std::string l; std::getline(in, l);) v.push_back(l.substr(0, l.find('\r')));
        return v;
    }
    json run(const std::string& script, int ticks) {
        return testing::run_headless_dump(root.path(), out.path(), script, ticks, 4);
    }
    std::vector<fs::path> copies() const {
        std::vector<fs::path> v;
        for (const auto& e : fs::directory_iterator(root.path() / "dat"))
            if (e.path().filename().string().starts_with("my.dat.unreadable-")) v.push_back(e.path());
        return v;
    }
};

TEST_F(SavedRun, TheFirstStartMakesTheSaveFileWithoutAWord) {
    const json d = run("", 3);
    EXPECT_TRUE(d["messages"].empty()) << d["messages"];
    ASSERT_TRUE(fs::exists(save()));
    const auto l = lines();
    ASSERT_EQ(l.size(), 40u);
    EXPECT_EQ(l[39], "1"); // initialised: the reset values
    EXPECT_TRUE(copies().empty());
}

TEST_F(SavedRun, PlayCountAndRecordsReachTheDiskBeforeTheWindowCloses) {
    const json d = run(kShortRun, 20);
    ASSERT_EQ(d["mode"], 2);
    const auto l = lines();
    ASSERT_EQ(l.size(), 40u);
    EXPECT_EQ(l[3], "1");  // play count
    EXPECT_EQ(l[10], "1"); // the record's heroine: the first one
    EXPECT_EQ(l[11], "0"); // reached on stage 0
}

TEST_F(SavedRun, AnUnreadableFileIsKeptAsideBeforeTheFirstWriteOverIt) {
    {
        testing::GameFixture f;
        f.g().root = root.str();
        reset_save_values(f.g());
        ASSERT_TRUE(write_save(f.g()));
    }
    auto l = lines();
    ASSERT_EQ(l.size(), 40u);
    l[33] = "0x"; // my.easy, damaged
    l[3] = "41";  // 41 plays the player would not want to lose
    std::string damaged;
    for (const auto& s : l) damaged += s + "\r\n";
    std::ofstream(save(), std::ios::binary) << damaged;

    const json d = run(kShortRun, 20);
    ASSERT_EQ(d["messages"].size(), 1u);
    const std::string message = d["messages"][0]["text"];
    const auto kept = copies();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_NE(message.find("読み込めませんでした"), std::string::npos) << message;
    EXPECT_NE(message.find(kept[0].string()), std::string::npos) << message;
    EXPECT_NE(message.find("line 34"), std::string::npos) << message;
    EXPECT_EQ(read(kept[0]), damaged);
    EXPECT_EQ(lines()[3], "1"); // the game went on from the reset values

    // The next start reads the new file; the copy stays as it is.
    const json again = run("", 2);
    EXPECT_TRUE(again["messages"].empty());
    EXPECT_EQ(copies().size(), 1u);
}

} // namespace
} // namespace tsu
