// The real window under a private X server while the ranking server takes
// its time: the window keeps repainting the wait, and closing it ends the
// program at once with the save file written.
#include "support/game_fixture.h"
#include "support/test_http_server.h"
#include "support/x11_session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

namespace tsu {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// The option panel's status line in client pixels (the window at scale 1).
constexpr int kStatusX = 10, kStatusY = 360, kStatusW = 384, kStatusH = 20;

std::string read_file(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// The save file the game wrote last somewhere below `dir`.
fs::path newest_save(const fs::path& dir) {
    fs::path best;
    fs::file_time_type when{};
    for (const auto& e : fs::recursive_directory_iterator(dir))
        if (e.is_regular_file() && e.path().filename() == "my.dat" && (best.empty() || e.last_write_time() > when)) {
            best = e.path();
            when = e.last_write_time();
        }
    return best;
}

TEST(RankingWindow, ASlowExchangeKeepsTheWindowAliveAndClosingEndsTheGame) {
    testing::Xvfb x;
    if (!x.ok()) GTEST_SKIP() << x.error();
    testing::TestHttpServer server;
    server.reply_with({200, "", 3000, false}); // answers after 3 s
    testing::TempDir work;
    testing::copy_built_root(work.path());
    std::ofstream(work.path() / "in.txt") << "2 key M down\n3 key M up\n4 click Label31\n5 click ir_name\n"
                                             "6 text Sora7\n7 click ir_name_b\n8 click close_b\n"
                                             "10 key I down\n11 key I up\n";
    const std::string w = work.str();
    testing::ChildProcess game({std::string(TSUMIKIYA_GAME_DIR) + "/tsumikiya", "--root", w, "--seed", "5",
                                "--scale", "1", "--input", w + "/in.txt", "--ranking-url", server.base_url()},
                               {"DISPLAY=" + x.display(), "SDL_AUDIODRIVER=dummy", "HOME=" + w,
                                "XDG_DATA_HOME=" + w + "/data", "XDG_CONFIG_HOME=" + w + "/config",
                                "ASAN_OPTIONS=detect_leaks=0"},
                               w + "/game.log");
    ASSERT_GT(game.pid(), 0);
    testing::XConnection xc(x.display());
    ASSERT_TRUE(xc.ok());
    const unsigned long window = xc.find_window(game.pid(), 20s);
    ASSERT_NE(window, 0u) << read_file(work.path() / "game.log");
    ASSERT_TRUE(server.wait_for_requests(1, 20s)) << read_file(work.path() / "game.log");

    // Two looks at the status line a second apart while the game waits.
    std::this_thread::sleep_for(200ms);
    const auto first = xc.grab(window, kStatusX, kStatusY, kStatusW, kStatusH);
    std::this_thread::sleep_for(1000ms);
    const auto second = xc.grab(window, kStatusX, kStatusY, kStatusW, kStatusH);
    ASSERT_EQ(first.size(), std::size_t(kStatusW * kStatusH));
    EXPECT_NE(first, second) << "the wait was not repainted";

    const auto t0 = std::chrono::steady_clock::now();
    xc.request_close(window);
    int status = -1;
    ASSERT_TRUE(game.wait_exit(3s, status)) << "the game did not end";
    const auto took = std::chrono::steady_clock::now() - t0;
    EXPECT_LT(took, 1s);
    EXPECT_EQ(status, 0) << read_file(work.path() / "game.log");
    const fs::path save = newest_save(work.path());
    ASSERT_FALSE(save.empty()) << "no save file written";
    EXPECT_NE(read_file(save).find("Sora7"), std::string::npos) << save;
}

} // namespace
} // namespace tsu
