// Where the game finds its data and where it writes: the build tree, an
// installed prefix, a read-only copy with the XDG folder, and reading the
// player's files before the shipped ones.
#include "app/data_root.h"
#include "data/save_file.h"
#include "data/stage_file.h"
#include "support/game_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace tsu {
namespace {

namespace fs = std::filesystem;

void make_root(const fs::path& p) {
    fs::create_directories(p / "cg");
    fs::create_directories(p / "dat");
}

// Sets an environment variable for one test.
struct Env {
    Env(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old, had_ = true;
        ::setenv(name, value.c_str(), 1);
    }
    ~Env() { had_ ? (void)::setenv(name_, old_.c_str(), 1) : (void)::unsetenv(name_); }
    const char* name_;
    std::string old_;
    bool had_ = false;
};

TEST(DataRoot, FoundBesideTheExecutableOrUnderTheInstallPrefix) {
    testing::TempDir t;
    const fs::path build = t.path() / "build" / "game";
    make_root(build);
    const fs::path prefix = t.path() / "usr";
    fs::create_directories(prefix / "bin");
    make_root(prefix / "share" / "tsumikiya");

    EXPECT_EQ(resolve_data_root("", build.string()), build.string());
    EXPECT_EQ(resolve_data_root("", (prefix / "bin").string()),
              (prefix / "share" / "tsumikiya").string());
    EXPECT_EQ(resolve_data_root("/given/root/", build.string()), "/given/root");
}

TEST(DataRoot, AReadOnlyDatSendsTheWritesToTheXdgFolder) {
    testing::TempDir t;
    const fs::path root = t.path() / "root";
    make_root(root);
    Env xdg("XDG_DATA_HOME", (t.path() / "xdg").string());

    EXPECT_EQ(user_data_folder(root.string()), (root / "dat").string());
    fs::permissions(root / "dat", fs::perms::owner_write | fs::perms::group_write |
                                      fs::perms::others_write, fs::perm_options::remove);
    EXPECT_FALSE(folder_writable((root / "dat").string())); // even for root
    const std::string user = user_data_folder(root.string());
    EXPECT_EQ(user, (t.path() / "xdg" / "tsumikiya").string());
    EXPECT_TRUE(fs::is_directory(user));
    fs::permissions(root / "dat", fs::perms::owner_write, fs::perm_options::add);

    Env no_xdg("XDG_DATA_HOME", "relative/is/ignored");
    Env home("HOME", "/home/player");
    EXPECT_EQ(xdg_data_folder(), "/home/player/.local/share/tsumikiya");
}

TEST(DataRoot, ThePlayersFilesAreReadFirstAndWrittenToTheUserFolder) {
    testing::GameFixture f;
    Game& g = f.g();
    testing::TempDir user;
    g.user_dir = user.str();
    fs::create_directories(f.root.path() / "dat");
    std::ofstream(f.root.path() / "dat" / "map3.dat") << "shipped";

    EXPECT_EQ(stage_path(g, 3), (f.root.path() / "dat" / "map3.dat").string());
    std::ofstream(user.path() / "map3.dat") << "mine";
    EXPECT_EQ(stage_path(g, 3), (user.path() / "map3.dat").string());

    // The save file goes to the user folder and is read back from there.
    g.my.hi_score = 4321;
    g.my.initialized = 1;
    ASSERT_TRUE(write_save(g));
    EXPECT_TRUE(fs::exists(user.path() / "my.dat"));
    EXPECT_FALSE(fs::exists(f.root.path() / "dat" / "my.dat"));
    g.my.hi_score = 0;
    EXPECT_EQ(load_save(g), SaveLoad::loaded);
    EXPECT_EQ(g.my.hi_score, 4321);
}

} // namespace
} // namespace tsu
