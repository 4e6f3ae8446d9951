// The scancode table: SDL scancodes are USB HID usage numbers, written out
// here so the test does not share the table's own constants.
#include "platform/key_map.h"

#include <gtest/gtest.h>

namespace {

using tsu::is_fullscreen_toggle;
using tsu::vk_from_scancode;

// USB HID keyboard usage numbers.
constexpr int kHidA = 4, kHidZ = 29, kHidReturn = 40, kHidEscape = 41, kHidSpace = 44,
              kHidBackslash = 49, kHidF1 = 58, kHidF2 = 59, kHidRight = 79, kHidLeft = 80,
              kHidDown = 81, kHidUp = 82, kHidKpEnter = 88, kHidNonUsBackslash = 100,
              kHidInternational3 = 137, kHidLeftCtrl = 224, kHidLeftShift = 225,
              kHidLeftAlt = 226, kHidRightShift = 229, kHid1 = 30;

TEST(KeyMap, ArrowsUseTheWindowsCodes) {
    EXPECT_EQ(vk_from_scancode(kHidLeft), 37);
    EXPECT_EQ(vk_from_scancode(kHidUp), 38);
    EXPECT_EQ(vk_from_scancode(kHidRight), 39);
    EXPECT_EQ(vk_from_scancode(kHidDown), 40);
}

TEST(KeyMap, BothShiftsAndBothEntersAreOneKey) {
    EXPECT_EQ(vk_from_scancode(kHidLeftShift), 16);
    EXPECT_EQ(vk_from_scancode(kHidRightShift), 16);
    EXPECT_EQ(vk_from_scancode(kHidReturn), 13);
    EXPECT_EQ(vk_from_scancode(kHidKpEnter), 13);
}

TEST(KeyMap, EscapeAndF1) {
    EXPECT_EQ(vk_from_scancode(kHidEscape), 27);
    EXPECT_EQ(vk_from_scancode(kHidF1), 112);
}

TEST(KeyMap, EveryLetterIsItsUpperCaseAscii) {
    for (int i = 0; i <= kHidZ - kHidA; ++i)
        EXPECT_EQ(vk_from_scancode(kHidA + i), 'A' + i) << "letter " << char('A' + i);
}

TEST(KeyMap, YenKeyAndTheBackslashKeysAre220) {
    EXPECT_EQ(vk_from_scancode(kHidInternational3), 220);
    EXPECT_EQ(vk_from_scancode(kHidBackslash), 220);
    EXPECT_EQ(vk_from_scancode(kHidNonUsBackslash), 220);
}

TEST(KeyMap, KeysWithoutARoleAreIgnored) {
    for (int sc : {0, kHidSpace, kHidF2, kHid1, kHidLeftCtrl, kHidLeftAlt, 9999})
        EXPECT_EQ(vk_from_scancode(sc), 0) << "scancode " << sc;
}

TEST(KeyMap, AltEnterIsTheFullScreenToggleOnly) {
    EXPECT_TRUE(is_fullscreen_toggle(kHidReturn, true));
    EXPECT_TRUE(is_fullscreen_toggle(kHidKpEnter, true));
    EXPECT_FALSE(is_fullscreen_toggle(kHidReturn, false));
    EXPECT_FALSE(is_fullscreen_toggle(kHidA, true));
}

} // namespace
