// The settings file: rewriting keeps what the player wrote, bad lines are
// reported once and never stop the game, and the command line wins.
#include "app/command_line.h"
#include "app/settings.h"
#include "support/game_fixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace tsu {
namespace {

std::string slurp(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

TEST(Settings, RewriteKeepsCommentsUnknownKeysAndOrder) {
    testing::TempDir dir;
    const std::string path = dir.str() + "/tsumikiya/settings.ini";
    std::filesystem::create_directories(dir.path() / "tsumikiya");
    const std::string original = "# my own notes\n"
                                 "[tsumikiya]\n"
                                 "future_option = 7   \n"
                                 "scale = 2\n"
                                 "\n"
                                 "; the next line is mine too\n"
                                 "key_jump = Space, Up\n"
                                 "fullscreen = off\n";
    std::ofstream(path) << original;
    Settings s = load_settings(path);
    EXPECT_TRUE(s.file.problems().empty());
    EXPECT_EQ(s.scale, 2);
    EXPECT_EQ(s.bindings.at("key_jump"), "Space, Up");
    EXPECT_EQ(s.bindings.at("key_throw"), "Z"); // not in the file: today's key

    s.scale = 4;
    s.fullscreen = true;
    std::string error;
    ASSERT_TRUE(save_settings(s, error)) << error;
    std::string expected = original;
    expected.replace(expected.find("scale = 2"), 9, "scale = 4");
    expected.replace(expected.find("fullscreen = off"), 16, "fullscreen = on");
    EXPECT_EQ(slurp(path), expected);
    // And it reads back.
    const Settings again = load_settings(path);
    EXPECT_EQ(again.scale, 4);
    EXPECT_TRUE(again.fullscreen);
}

TEST(Settings, ANewFileHoldsEverySettingAndReadsBackAsTheDefaults) {
    testing::TempDir dir;
    Settings s = load_settings(dir.str() + "/tsumikiya/settings.ini");
    EXPECT_FALSE(s.existed);
    std::string error;
    ASSERT_TRUE(save_settings(s, error)) << error;
    const Settings again = load_settings(s.path);
    EXPECT_TRUE(again.file.problems().empty());
    for (const char* key : {"scale", "fullscreen", "se_volume", "music_volume",
                            "pause_on_focus_loss", "ranking_url", "key_jump", "pad_jump"})
        EXPECT_TRUE(again.file.get(key).has_value()) << key;
    EXPECT_EQ(again.bindings, s.bindings);
    EXPECT_EQ(again.ranking_url, kDefaultRankingUrl);
    EXPECT_TRUE(again.pause_on_focus_loss);
}

TEST(Settings, GarbageGivesTheDefaultsAndOneWarning) {
    std::string text = "scale = 3\n";
    const char binary[] = "\x01\x02\xff\xfe binary\0 = 1\n";
    text.append(binary, sizeof binary - 1);
    text += "big = " + std::string(1 << 20, 'x') + "\n";
    text += "scale = 9\n";            // given again: the first counts
    text += "se_volume = 250\n";      // out of range
    text += "music_volume = loud\n";
    text += "fullscreen = maybe\n";
    text += "ranking_url = ftp://example\n";
    text += "no equals sign here\n";
    Settings s;
    read_settings(s, text);
    EXPECT_EQ(s.scale, 3);
    EXPECT_EQ(s.se_volume, 100);
    EXPECT_EQ(s.music_volume, 100);
    EXPECT_FALSE(s.fullscreen);
    EXPECT_EQ(s.ranking_url, kDefaultRankingUrl);
    EXPECT_EQ(s.file.problems().size(), 8u);
    s.path = "settings.ini";
    std::ostringstream err;
    report_settings_problems(s, err);
    const std::string warning = err.str();
    EXPECT_EQ(std::count(warning.begin(), warning.end(), '\n'), 1) << warning;
    EXPECT_NE(warning.find("line 2"), std::string::npos) << warning;
    EXPECT_NE(warning.find("7 more"), std::string::npos) << warning;
    EXPECT_LT(warning.size(), 300u); // the long line is not echoed
}

TEST(Settings, ValuesTheGameTakes) {
    Settings s;
    read_settings(s, "se_volume = 0\nmusic_volume = 100\npause_on_focus_loss = off\n"
                     "ranking_url = https://rank.example/tsumikiya\nscale=16\n");
    EXPECT_TRUE(s.file.problems().empty());
    EXPECT_EQ(s.se_volume, 0);
    EXPECT_EQ(s.music_volume, 100);
    EXPECT_FALSE(s.pause_on_focus_loss);
    EXPECT_EQ(s.ranking_url, "https://rank.example/tsumikiya");
    EXPECT_EQ(s.scale, 16);
}

TEST(CommandLine, FlagsOfTheWindowAndTheirBadValues) {
    const char* good[] = {"tsumikiya", "--fullscreen", "--ranking-url", "http://10.0.0.1:9/r",
                          "--replay", "r.replay", "--scale", "3", "--version"};
    CommandLine cl;
    std::string error;
    ASSERT_TRUE(parse_command_line(int(std::size(good)), good, cl, error)) << error;
    EXPECT_EQ(cl.fullscreen, 1);
    EXPECT_EQ(cl.ranking_url, "http://10.0.0.1:9/r");
    EXPECT_EQ(cl.replay, "r.replay");
    EXPECT_TRUE(cl.version);

    const std::vector<std::vector<const char*>> bad = {
        {"t", "--ranking-url", "rank.example"}, {"t", "--ranking-url", "http://"},
        {"t", "--ranking-url"},                 {"t", "--replay"},
        {"t", "--replay", "a", "--input", "b"}, {"t", "--scale", "17"},
    };
    for (const auto& argv : bad) {
        CommandLine c;
        EXPECT_FALSE(parse_command_line(int(argv.size()), argv.data(), c, error)) << argv[1];
    }
}

} // namespace
} // namespace tsu
