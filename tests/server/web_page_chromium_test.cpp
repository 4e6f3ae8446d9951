// The ranking web page as a browser shows it: headless Chromium takes a
// desktop and a phone screenshot and reads the DOM.
#include "sqlite_store.h"
#include "support/rankd_harness.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace tsu::testing {
namespace {

std::string chromium() {
    for (const char* c : {"/usr/bin/chromium", "/usr/bin/chromium-browser"})
        if (std::filesystem::exists(c)) return c;
    return {};
}

std::vector<std::string> chromium_args(const std::string& profile, std::vector<std::string> extra) {
    std::vector<std::string> a = {chromium(), "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                                  "--no-first-run", "--disable-background-networking",
                                  "--disable-component-update", "--disable-sync", "--hide-scrollbars",
                                  "--user-data-dir=" + profile};
    a.insert(a.end(), extra.begin(), extra.end());
    return a;
}

TEST(RankdWebPage, ChromiumShowsTheTablesWithEscapedTexts) {
    if (chromium().empty()) GTEST_SKIP() << "chromium is not installed (package chromium)";
    TempFolder folder;
    LocalServer server(rankd::open_sqlite_store(folder.path() + "/page.sqlite"));
    const char* names[] = {"花園ソラ好き", "すず", "ナギ推し", "<script>", "tsumiki", "忍者", "れん", "Kei"};
    std::vector<tplayer> players;
    for (int i = 0; i < 8; ++i) {
        tplayer p = make_player(names[i], i, 2000 - 150 * i, 3 + i);
        p.hi_chara = i % 4, p.hi_stage = i == 0 ? 8 : i;
        if (i == 3) p.comment = "<script>alert(1)</script>";
        if (i % 2 == 0) p.ex_play[2] = 2, p.ex_score[2] = 300 + i, p.ex_chara[2] = 2, p.ex_stage[2] = 5;
        players.push_back(p);
    }
    server.seed(players);
    const std::string url = server.base_url() + "/";
    const std::string out = test_output_folder();
    std::filesystem::create_directories(out);

    std::string dom;
    ASSERT_EQ(run_command(chromium_args(folder.path() + "/profile-dom", {"--dump-dom", url}), dom), 0) << dom;
    // The browser's own DOM: the comment is text, no script element exists.
    EXPECT_NE(dom.find("&lt;script&gt;alert(1)&lt;/script&gt;"), std::string::npos) << dom.substr(0, 2000);
    EXPECT_EQ(dom.find("<script"), std::string::npos);
    EXPECT_NE(dom.find("花園ソラ好き"), std::string::npos);
    EXPECT_NE(dom.find("&lt;&lt;クリア&gt;&gt;"), std::string::npos); // stage 8 (escaped in the serialized DOM)
    EXPECT_NE(dom.find("IR MODE of パズルステージ"), std::string::npos);

    for (const auto& [file, size] : {std::pair{"rankd_page_desktop.png", "1100,900"}, std::pair{"rankd_page_phone.png", "390,844"}}) {
        const std::string png = out + "/" + file;
        std::filesystem::remove(png);
        std::string log;
        ASSERT_EQ(run_command(chromium_args(folder.path() + "/profile-" + file,
                                            {"--window-size=" + std::string(size), "--screenshot=" + png, url}),
                              log),
                  0)
            << log;
        ASSERT_TRUE(std::filesystem::exists(png)) << log;
        std::ifstream f(png, std::ios::binary);
        std::string head(8, '\0');
        f.read(head.data(), 8);
        EXPECT_EQ(head, "\x89PNG\r\n\x1a\n");
        EXPECT_GT(std::filesystem::file_size(png), 10000u) << "a blank page compresses to almost nothing";
    }
}

} // namespace
} // namespace tsu::testing
