// Writes the game cannot finish: a process writing the save file, a stage
// and chip.dat over and over is killed with SIGKILL at random moments, and
// each file is always either its whole old or its whole new version. The
// temporary files such kills leave are gone after the next start, and files
// of the player's that only look like them stay.
#include "data/file_io.h"
#include "data/save_file.h"
#include "data/stage_file.h"
#include "support/fake_platform.h"
#include "support/game_fixture.h"
#include "support/headless_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sys/file.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace tsu::testing {
namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Two whole versions of what the three files hold.
void set_version(Game& g, int v) {
    g.my.hi_score = v ? 98765 : 120;
    g.my.play_count = v ? 31 : 4;
    g.my.name = v ? "くノ一" : "忍";
    g.comment = v ? "またね" : "よろしく";
    for (int c = 1; c <= 100; ++c)
        for (int r = 1; r <= 21; ++r)
            g.map[std::size_t(c)][std::size_t(r)] = cell{(c + r + v) % 40, (c * v) % 20, r == 5 ? v : 0};
    g.stage_weather = v ? 3 : 1;
    for (int k = 0; k < 100; ++k) {
        g.pass_lower[std::size_t(k)] = (k + v) % 3;
        g.pass_upper[std::size_t(k)] = (k * (v + 1)) % 2;
    }
}

bool write_all(Game& g) { return write_save(g) && save_stage(g, 1); } // map1.dat and chip.dat

int temp_files_in(const fs::path& dat) {
    int n = 0;
    for (const auto& e : fs::directory_iterator(dat)) n += is_temp_file_name(e.path().filename().string());
    return n;
}

TEST(CrashSafeWrites, KilledWritesLeaveOldOrNewFilesAndTheNextStartClearsTheirLeftovers) {
    TempDir root, scratch;
    copy_built_root(root.path());
    const fs::path dat = root.path() / "dat";
    FakePlatform platform;
    auto game = std::make_unique<Game>();
    Game& g = *game;
    g.platform = &platform;
    g.root = root.str();
    const char* names[] = {"my.dat", "map1.dat", "chip.dat"};
    std::string version[2][3];
    for (int v : {1, 0}) {
        set_version(g, v);
        ASSERT_TRUE(write_all(g));
        for (int f = 0; f < 3; ++f) version[v][f] = slurp(dat / names[f]);
    }
    ASSERT_NE(version[0][0], version[1][0]);

    // Kill moments spread over about two rounds of writing the three files,
    // however fast this machine writes them today (fsync takes its time).
    const auto round_start = std::chrono::steady_clock::now();
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(write_all(g));
    const auto round_us = std::max<int64_t>(
        500, std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - round_start)
                     .count() / 3);
    std::mt19937 rng(std::random_device{}());
    const auto start = std::chrono::steady_clock::now();
    int kills = 0, changes = 0, mixed = 0, leftovers_seen = 0;
    int last[3] = {0, 0, 0};
    while (kills < 150 && std::chrono::steady_clock::now() - start < std::chrono::seconds(60)) {
        const int first = last[0] ^ 1; // each child starts with the version the files do not hold
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int v = first;; v ^= 1) {
                set_version(g, v);
                write_all(g);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(int64_t(rng() % uint32_t(2 * round_us))));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        ++kills;
        int now[3];
        for (int f = 0; f < 3; ++f) {
            const std::string text = slurp(dat / names[f]);
            now[f] = text == version[0][f] ? 0 : text == version[1][f] ? 1 : -1;
            ASSERT_NE(now[f], -1) << names[f] << " is neither version after kill " << kills;
            changes += now[f] != last[f];
            last[f] = now[f];
        }
        mixed += now[0] != now[1] || now[1] != now[2];
        leftovers_seen += temp_files_in(dat) > 0;
    }
    EXPECT_GE(kills, 100);
    // The kills landed while the files were being written, not before.
    EXPECT_GE(changes, 20);
    EXPECT_GE(mixed, 1);
    EXPECT_GE(leftovers_seen, 1);

    // Look-alikes of the player's, and ours left by a kill in another folder.
    const char* players[] = {"my.dat.backup", "my.dat.tsumikiya-tmp.old", "map1.dat.bak123",
                             "notes.tsumikiya-tmp.ABCDE"};
    for (const char* p : players) std::ofstream(dat / p) << "keep me";
    fs::create_directory(dat / "map2.dat.tsumikiya-tmp.Dir123");
    fs::create_directories(dat / "replays");
    std::ofstream(dat / "replays" / "20260101-000000-1.rep.tsumikiya-tmp.aZ09xY") << "half";
    ASSERT_GE(temp_files_in(dat), 2);

    run_headless_dump(root.path(), scratch.path(), "", 1, 7);
    EXPECT_EQ(temp_files_in(dat), 1); // the folder of that name stays
    EXPECT_TRUE(fs::is_directory(dat / "map2.dat.tsumikiya-tmp.Dir123"));
    EXPECT_EQ(temp_files_in(dat / "replays"), 0);
    for (const char* p : players) EXPECT_EQ(slurp(dat / p), "keep me") << p;
    for (int f = 0; f < 3; ++f) EXPECT_EQ(slurp(dat / names[f]), version[last[f]][f]);
}

TEST(CrashSafeWrites, ALockedTemporaryFileIsAWriteInProgressAndStays) {
    TempDir dir;
    const fs::path busy = dir.path() / "my.dat.tsumikiya-tmp.Ab12Cd";
    std::ofstream(busy) << "being written";
    const int fd = ::open(busy.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    EXPECT_EQ(remove_stale_temp_files(dir.str()), 0);
    EXPECT_TRUE(fs::exists(busy));
    ::close(fd);
    EXPECT_EQ(remove_stale_temp_files(dir.str()), 1);
    EXPECT_FALSE(fs::exists(busy));
}

} // namespace
} // namespace tsu::testing
