// The Platform calls that need neither a display nor a sound card.
#include "platform/sdl_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

TEST(ListFolder, RegularFilesOnlySortedByName) {
    const fs::path dir = fs::temp_directory_path() / ("tsu_list_" + std::to_string(::getpid()));
    fs::create_directories(dir / "sub");
    for (const char* n : {"b.mp3", "a.mid", "c.txt"}) std::ofstream(dir / n) << "x";
    fs::create_symlink(dir / "sub", dir / "link_to_dir");

    tsu::SdlPlatform p;
    // Sorted, so the window and the headless runner pick the same track
    // from the same random draw.
    EXPECT_EQ(p.list_folder(dir.string()), (std::vector<std::string>{"a.mid", "b.mp3", "c.txt"}));
    fs::remove_all(dir);
}

TEST(ListFolder, MissingFolderIsEmpty) {
    tsu::SdlPlatform p;
    EXPECT_TRUE(p.list_folder("/nonexistent/tsumikiya/mp3").empty());
    EXPECT_TRUE(p.list_folder("").empty());
}

TEST(LocalTime, BrokenDownInTheLocalZone) {
    const char* old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    ::setenv("TZ", "JST-9", 1);
    ::tzset();
    // 2024-02-29 15:04:05 UTC is 2024-03-01 00:04:05 in Japan.
    const tsu::LocalTime t = tsu::local_time_of(1709219045LL);
    if (old) ::setenv("TZ", saved.c_str(), 1);
    else ::unsetenv("TZ");
    ::tzset();
    EXPECT_EQ(t.year, 2024);
    EXPECT_EQ(t.month, 3);
    EXPECT_EQ(t.day, 1);
    EXPECT_EQ(t.hour, 0);
    EXPECT_EQ(t.minute, 4);
    EXPECT_EQ(t.second, 5);
}

TEST(ScriptedBoxes, QuestionsTakeQueuedAnswersThenYes) {
    tsu::SdlPlatform p;
    p.set_scripted(true); // never opens a box that waits for a person
    p.answers().push_back(false);
    p.answers().push_back(true);
    EXPECT_FALSE(p.ask_yes_no("初期化したいときは、はいを押してね"));
    EXPECT_TRUE(p.ask_yes_no("?"));
    EXPECT_TRUE(p.ask_yes_no("?"));
    p.message_box("a message does not block");
    EXPECT_TRUE(p.answers().empty());
}

} // namespace
