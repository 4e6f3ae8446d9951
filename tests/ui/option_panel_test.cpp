// The option panel through its controls: the switches and the EASY note,
// closing with the old sound setting, keys while it is open, and the
// profile box with the name registration.
#include "game/events.h"
#include "support/game_fixture.h"
#include "ui/option_panel.h"
#include "ui/panels.h"

#include <gtest/gtest.h>

namespace tsu {
namespace {

struct OptionPanel : ::testing::Test, testing::GameFixture {
    OptionPanel() { testing::copy_built_root(root.path()); }
    void open() { cgMouseDown(g(), MouseButton::right, 100, 100); }
    bool easy_note() { return control(g(), "easy_l").shown(); }
};

TEST_F(OptionPanel, TheEasyNoteShowsOnlyWhenOpenedOnEasy) {
    g().my.easy = 1;
    open();
    EXPECT_TRUE(easy_note());
    ASSERT_TRUE(click_control(g(), "nomal_b1"));
    EXPECT_FALSE(easy_note());
    ASSERT_TRUE(click_control(g(), "nomal_b2"));
    EXPECT_FALSE(easy_note()) << "pressing EASY does not bring it back";
    FormKeyDown(g(), vk::esc);
    EXPECT_EQ(g().my.easy, 1);
    open();
    EXPECT_TRUE(easy_note());
    click_control(g(), "ef_b1"); // text effects ON shares the handler
    EXPECT_FALSE(easy_note());
}

TEST_F(OptionPanel, ClosingPlaysWithTheOldSoundSettingThenApplies) {
    open();
    for (const char* name : {"option_b2", "se_b2", "nomal_b2", "ef_b2"}) ASSERT_TRUE(click_control(g(), name));
    platform.sounds.clear();
    ASSERT_TRUE(click_control(g(), "Label4"));
    EXPECT_EQ(platform.sounds, std::vector<std::string>{"1.wav"});
    EXPECT_FALSE(g().panels.option_box);
    EXPECT_EQ(g().my.music_off, 1);
    EXPECT_EQ(g().my.se_off, 1);
    EXPECT_EQ(g().my.easy, 1);
    EXPECT_EQ(g().my.effect_off, 1);
    open(); // silent now, and the switches come back as the options are
    EXPECT_EQ(platform.sounds, std::vector<std::string>{"1.wav"});
    EXPECT_TRUE(static_cast<LatchButton&>(control(g(), "se_b2")).down());
}

TEST_F(OptionPanel, WhileOpenEnterRAndClicksOnItDoNotReachTheTitle) {
    open();
    for (int key : {vk::enter, int('R'), int('M')}) {
        FormKeyDown(g(), key);
        FormKeyUp(g(), key);
    }
    mouse_down(g(), MouseButton::left, 200, 250); // on the help picture
    mouse_up(g(), MouseButton::left, 200, 250);
    EXPECT_EQ(g().mode, 0);
    EXPECT_EQ(g().chara, 0);
    EXPECT_TRUE(g().panels.option_box);
    FormKeyDown(g(), vk::esc);
    EXPECT_FALSE(panel_open(g()));
}

TEST_F(OptionPanel, TypingIntoTheProfileNeverWorksTheTitleKeys) {
    open();
    ASSERT_TRUE(click_control(g(), "Label31"));
    EXPECT_TRUE(g().panels.tusin_box);
    ASSERT_TRUE(click_control(g(), "ir_mes"));
    EXPECT_TRUE(wants_text_input(g()));
    for (int key : {int('E'), int('I'), vk::esc}) FormKeyDown(g(), key);
    EXPECT_TRUE(g().panels.option_box);
    EXPECT_FALSE(g().panels.ex_box);
    EXPECT_FALSE(g().panels.ir_rank_box);
    EXPECT_FALSE(wants_text_input(g())) << "Esc left the field";
    ASSERT_TRUE(click_control(g(), "close_b"));
    FormKeyDown(g(), 'E');
    EXPECT_TRUE(g().panels.ex_box);
}

TEST_F(OptionPanel, TheNameIsRegisteredOnceWithARandomId) {
    open();
    click_control(g(), "Label31");
    EditField& name = edit_field(g(), "ir_name");
    EXPECT_EQ(name.value(), "なまえ");
    click_control(g(), "ir_name");
    for (int i = 0; i < 3; ++i) FormKeyDown(g(), vk::backspace);
    click_control(g(), "ir_name_b");
    EXPECT_EQ(platform.messages, std::vector<std::string>{"名前を入力してください"});
    text_input(g(), "積木ソラ");
    platform.answers.push_back(false);
    click_control(g(), "ir_name_b");
    EXPECT_EQ(g().my.name, "");
    click_control(g(), "ir_name_b");
    EXPECT_EQ(g().my.name, "積木ソラ");
    EXPECT_GE(g().my.ir_id, 0);
    EXPECT_LE(g().my.ir_id, 9999);
    EXPECT_FALSE(name.enabled);
    EXPECT_FALSE(control(g(), "ir_name_b").shown());
    // Reopened, the registered name stands greyed and the hints are gone.
    click_control(g(), "close_b");
    FormKeyDown(g(), vk::esc);
    g().comment = "よろしく";
    g().my.age = 14;
    open();
    EXPECT_FALSE(control(g(), "touroku_l").visible());
    EXPECT_EQ(edit_field(g(), "ir_mes").value(), "よろしく");
    EXPECT_EQ(spin_edit(g(), "ir_age").number(), 14);
}

} // namespace
} // namespace tsu
