// Edit fields and spin edits: editing by characters in UTF-8, the maximum
// length in characters, the composition, and the spin edit's range.
#include "game/events.h"
#include "widgets/edit_field.h"
#include "widgets/spin_edit.h"

#include <gtest/gtest.h>

namespace tsu {
namespace {

TEST(EditField, EditsByCharactersNotBytes) {
    struct Step {
        const char* typed; // text typed, or null for the key
        int key;
        const char* value;
        int caret;
    } steps[] = {
        {"なまえ", 0, "なまえ", 3},
        {nullptr, vk::backspace, "なま", 2},
        {nullptr, vk::left, "なま", 1},
        {"x", 0, "なxま", 2},
        {nullptr, vk::home, "なxま", 0},
        {nullptr, vk::del, "xま", 0},
        {nullptr, vk::backspace, "xま", 0}, // nothing before the caret
        {nullptr, vk::end, "xま", 2},
        {nullptr, vk::right, "xま", 2},
        {"\x01\x7f" "a\tb", 0, "xまab", 4}, // control characters never go in
        {"\xff", 0, "xまab", 4},             // nor malformed bytes
        {"ソラ坊くん大好き", 0, "xまabソラ坊くん大", 10}, // cut at 10 characters
        {"z", 0, "xまabソラ坊くん大", 10},
    };
    EditField f("f", Rect{0, 0, 100, 20}, 10);
    for (const Step& s : steps) {
        if (s.typed)
            f.text_input(s.typed);
        else
            EXPECT_TRUE(f.key_down(s.key, false));
        EXPECT_EQ(f.value(), s.value) << (s.typed ? s.typed : "key");
        EXPECT_EQ(f.caret(), s.caret) << (s.typed ? s.typed : "key");
    }
    f.set_value("あいうえおかきくけこさしす");
    EXPECT_EQ(f.value(), "あいうえおかきくけこ");
}

TEST(EditField, TheCompositionShowsUntilItIsCommitted) {
    EditField f("f", Rect{0, 0, 100, 20}, 10);
    int changes = 0;
    f.on_change = [&] { ++changes; };
    f.composition("そら", 2);
    EXPECT_EQ(f.composing(), "そら");
    EXPECT_EQ(f.value(), "");
    f.text_input("ソラ");
    EXPECT_EQ(f.composing(), "");
    EXPECT_EQ(f.value(), "ソラ");
    f.composition("x", 1);
    f.focus_lost();
    EXPECT_EQ(f.composing(), "") << "leaving the field drops an unfinished composition";
    EXPECT_EQ(changes, 1);
}

TEST(SpinEdit, KeepsItsNumberInsideTheRange) {
    SpinEdit s("age", Rect{0, 0, 60, 20}, 0, 99);
    EXPECT_EQ(s.number(), 0);
    s.set_number(150);
    EXPECT_EQ(s.number(), 99);
    EXPECT_TRUE(s.key_down(vk::up, false));
    EXPECT_EQ(s.number(), 99);
    s.set_number(-3);
    EXPECT_EQ(s.value(), "0");
    s.key_down(vk::up, false);
    EXPECT_EQ(s.number(), 1);
    s.text_input("a7b");
    EXPECT_EQ(s.value(), "17") << "digits only, two at most";
    s.text_input("5");
    EXPECT_EQ(s.value(), "17");
    s.pointer_down(PointerButton::left, 55, 15); // the lower arrow
    EXPECT_EQ(s.number(), 16);
    s.pointer_down(PointerButton::left, 55, 2); // the upper arrow
    EXPECT_EQ(s.number(), 17);
    s.pointer_down(PointerButton::left, 10, 10); // on the number: typing replaces it
    s.text_input("4");
    s.text_input("2");
    EXPECT_EQ(s.number(), 42);
}

} // namespace
} // namespace tsu
