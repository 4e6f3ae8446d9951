// Command line and input scripts.
#include "app/command_line.h"
#include "app/input_script.h"

#include <gtest/gtest.h>

namespace tsu {
namespace {

TEST(CommandLine, HeadlessOptions) {
    const char* argv[] = {"tsumikiya", "--headless", "--root", "/tmp/r", "--seed", "42",
                          "--input", "in.txt", "--ticks", "300", "--dump", "d.json",
                          "--shot", "a.png@0", "--shot", "b@c.png@120"};
    CommandLine cl;
    std::string error;
    ASSERT_TRUE(parse_command_line(int(std::size(argv)), argv, cl, error)) << error;
    EXPECT_TRUE(cl.headless);
    EXPECT_EQ(cl.root, "/tmp/r");
    EXPECT_TRUE(cl.seed_given);
    EXPECT_EQ(cl.seed, 42u);
    EXPECT_EQ(cl.input, "in.txt");
    EXPECT_EQ(cl.ticks, 300);
    EXPECT_EQ(cl.dump, "d.json");
    ASSERT_EQ(cl.shots.size(), 2u);
    EXPECT_EQ(cl.shots[0].path, "a.png");
    EXPECT_EQ(cl.shots[0].tick, 0);
    EXPECT_EQ(cl.shots[1].path, "b@c.png");
    EXPECT_EQ(cl.shots[1].tick, 120);
}

TEST(CommandLine, RejectsMalformedOptions) {
    const std::vector<std::vector<const char*>> bad = {
        {"t", "--ticks"},           {"t", "--ticks", "-1"},   {"t", "--ticks", "12x"},
        {"t", "--shot", "a.png"},   {"t", "--shot", "@5"},    {"t", "--seed", "abc"},
        {"t", "--scale", "0"},      {"t", "--frobnicate"},
    };
    for (const auto& argv : bad) {
        CommandLine cl;
        std::string error;
        EXPECT_FALSE(parse_command_line(int(argv.size()), argv.data(), cl, error)) << argv[1];
        EXPECT_FALSE(error.empty());
    }
}

TEST(InputScript, ParsesEveryEventAndSortsByTick) {
    const std::string text = "# a comment line\n"
                             "10 key Z down   # trailing comment\n"
                             "3 mouse right down 120 45\r\n"
                             "\n"
                             "10 key Yen up\n"
                             "4 move 7 8\n"
                             "5 answer no\n"
                             "6 text なまえ #1\n"
                             "7 click Label22\n"
                             "11 text a\tb\r\r\n";
    std::vector<InputEvent> ev;
    std::string error;
    ASSERT_TRUE(parse_input_script(text, ev, error)) << error;
    ASSERT_EQ(ev.size(), 8u);
    EXPECT_EQ(ev[0].tick, 3);
    EXPECT_EQ(ev[0].type, InputEvent::Type::mouse);
    EXPECT_EQ(ev[0].button, MouseButton::right);
    EXPECT_TRUE(ev[0].down);
    EXPECT_EQ(ev[0].x, 120);
    EXPECT_EQ(ev[0].y, 45);
    EXPECT_EQ(ev[1].type, InputEvent::Type::move);
    EXPECT_EQ(ev[2].type, InputEvent::Type::answer);
    EXPECT_FALSE(ev[2].yes);
    EXPECT_EQ(ev[3].type, InputEvent::Type::text);
    EXPECT_EQ(ev[3].text, "なまえ #1"); // a typed text may hold '#'
    EXPECT_EQ(ev[4].text, "Label22");
    // Same-tick events keep their order.
    EXPECT_EQ(ev[5].key, 'Z');
    EXPECT_TRUE(ev[5].down);
    EXPECT_EQ(ev[6].key, vk::yen);
    EXPECT_FALSE(ev[6].down);
    // Control characters are no text: the line writes back as it reads.
    EXPECT_EQ(ev[7].text, "ab");
}

TEST(InputScript, ReportsTheBadLine) {
    const char* bad[] = {"x key Z down", "1 key Ä down", "1 key Z sideways", "1 mouse middle down 1 2",
                         "1 mouse left down 1", "1 jump", "1 answer maybe", "1 click",
                         "1 key Z down extra"};
    for (const char* line : bad) {
        std::vector<InputEvent> ev;
        std::string error;
        EXPECT_FALSE(parse_input_script(std::string("0 key A down\n") + line, ev, error)) << line;
        EXPECT_EQ(error.rfind("line 2:", 0), 0u) << error;
    }
}

TEST(InputScript, KeyNames) {
    EXPECT_EQ(key_code_from_name("Left"), 37);
    EXPECT_EQ(key_code_from_name("Enter"), 13);
    EXPECT_EQ(key_code_from_name("F1"), 112);
    EXPECT_EQ(key_code_from_name("Yen"), 220);
    EXPECT_EQ(key_code_from_name("Q"), 81);
    EXPECT_EQ(key_code_from_name("q"), 0);
    EXPECT_EQ(key_code_from_name("Space"), 32);
    EXPECT_EQ(key_code_from_name("Menu"), 0);
}

} // namespace
} // namespace tsu
