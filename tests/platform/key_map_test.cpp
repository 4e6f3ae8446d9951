// The scancode table: SDL scancodes are USB HID usage numbers, written out
// here so the test does not share the table's own constants.
#include "platform/key_map.h"

#include <gtest/gtest.h>

namespace {

using tsu::vk_from_scancode;

TEST(KeyMap, GameKeysGetTheirVirtualKeyCodes) {
    struct Row { int hid; int vk; const char* what; };
    const Row rows[] = {
        {80, 37, "Left"},   {82, 38, "Up"},     {79, 39, "Right"},   {81, 40, "Down"},
        {225, 16, "LShift"}, {229, 16, "RShift"}, {40, 13, "Return"}, {88, 13, "keypad Enter"},
        {41, 27, "Escape"}, {58, 112, "F1"}, {224, 17, "LCtrl"}, {228, 17, "RCtrl"},
        {137, 220, "JIS yen"}, {49, 220, "backslash"}, {100, 220, "non-US backslash"},
        {42, 8, "Backspace"}, {43, 9, "Tab"}, {44, 32, "Space"}, {74, 36, "Home"},
        {77, 35, "End"},      {76, 46, "Delete"},
    };
    for (const Row& r : rows) EXPECT_EQ(vk_from_scancode(r.hid), r.vk) << r.what;
    for (int i = 0; i < 26; ++i) // HID 4..29 are A..Z
        EXPECT_EQ(vk_from_scancode(4 + i), 'A' + i) << "letter " << char('A' + i);
}

TEST(KeyMap, KeysWithoutARoleAreIgnored) {
    // Caps Lock, F2, digit 1, left Alt, out of range.
    for (int sc : {0, 57, 59, 30, 226, 9999}) EXPECT_EQ(vk_from_scancode(sc), 0) << sc;
}

TEST(KeyMap, AltEnterIsTheFullScreenToggleOnly) {
    EXPECT_TRUE(tsu::is_fullscreen_toggle(40, true));
    EXPECT_TRUE(tsu::is_fullscreen_toggle(88, true));
    EXPECT_FALSE(tsu::is_fullscreen_toggle(40, false));
    EXPECT_FALSE(tsu::is_fullscreen_toggle(4, true));
}

} // namespace
