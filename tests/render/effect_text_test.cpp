// How the text effects look: colours by age, fonts, shadows and placement,
// the side message's easing, the scrolling comment's placement, random draws
// and speed, and the comment option. The block text engine makes every text
// a solid box, so a colour's bounding box is exactly where a text stands.
#include "render/effect_test_engine.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tsu {
namespace {

using test::EffectGame;
using test::ink_box;

// Draws the slot once more with the given age (the walk advances it by one).
struct TextLooks : EffectGame {
    void tick_at_age(std::size_t slot, int age, Colour background = kBlack) {
        pool().ef_age[slot] = age - 1;
        tick(background);
    }
    bool shows(Colour c) { return ink_box(g().cg, c).has_value(); }
};

// ---- rising and fading ----------------------------------------------------------

TEST_F(TextLooks, RedTextIsCentredRaisedAndFades) {
    const std::size_t s = spawn(1, 200, 200, "ab");
    tick(); // age 2: font 8 bold, 9 px a character, 12 px high
    EXPECT_EQ(ink_box(g().cg, rgb(0xAA0000)), (Rect{191, 193, 209, 205}));
    tick_at_age(s, 6);
    EXPECT_EQ(ink_box(g().cg, rgb(0xFF0000)), (Rect{191, 191, 209, 203}));
    tick_at_age(s, 9);
    EXPECT_TRUE(shows(rgb(0xDD0000)));
    tick_at_age(s, 20);
    EXPECT_TRUE(shows(rgb(0x110000)));
    pool().ef_kind[s] = 5; // the pink one fades along its own ramp
    tick_at_age(s, 8);
    EXPECT_TRUE(shows(rgb(0xDD00BB)));
    tick_at_age(s, 14);
    EXPECT_TRUE(shows(rgb(0x770055)));
}

TEST_F(TextLooks, RainbowTextHasAGreyShadowAndCyclesByTwelve) {
    const std::size_t s = spawn(2, 200, 200, "ab");
    tick(); // age 2: font 10 bold, 11 px a character, 14 px high
    EXPECT_EQ(ink_box(g().cg, rgb(0xFFFF00)), (Rect{189, 193, 211, 207}));
    EXPECT_EQ(ink_box(g().cg, rgb(0x555555)), (Rect{190, 194, 212, 208}));
    tick_at_age(s, 13);
    EXPECT_TRUE(shows(rgb(0xFF9900)));
    tick_at_age(s, 24);
    EXPECT_TRUE(shows(rgb(0xFF0000)));
    tick_at_age(s, 11);
    EXPECT_TRUE(shows(rgb(0xFF0099)));
}

TEST_F(TextLooks, GreyTextBlinksByEight) {
    const std::size_t s = spawn(4, 200, 200, "ab");
    tick_at_age(s, 4);
    EXPECT_TRUE(shows(rgb(0x777777)));
    tick_at_age(s, 7);
    EXPECT_TRUE(shows(rgb(0xDDDDDD)));
    tick_at_age(s, 16);
    EXPECT_TRUE(shows(kWhite));
}

TEST_F(TextLooks, FlashingTextRisesByItsAgeInBoldItalic) {
    const std::size_t s = spawn(8, 200, 200, "ab");
    tick(); // age 2: font 13 bold italic, 16 px a character, 17 px high
    EXPECT_EQ(ink_box(g().cg, rgb(0x00FF00)), (Rect{200, 198, 232, 215}));
    tick_at_age(s, 5);
    EXPECT_EQ(ink_box(g().cg, rgb(0xFF00FF)), (Rect{200, 195, 232, 212}));
    tick_at_age(s, 19);
    EXPECT_TRUE(shows(rgb(0xFFFF00)));
}

TEST_F(TextLooks, RisingColouredTextsByKind) {
    const std::size_t green = spawn(301, 100, 200, "ab");
    tick(); // age 2: font 10 at (x, y - age), shadow one pixel down-right
    EXPECT_EQ(ink_box(g().cg, rgb(0x00BF0F)), (Rect{100, 198, 122, 212}));
    EXPECT_EQ(ink_box(g().cg, rgb(0x555555)), (Rect{101, 199, 123, 213}));
    tick_at_age(green, 9);
    EXPECT_TRUE(shows(rgb(0x00DB10)));
    tick_at_age(green, 15);
    EXPECT_TRUE(shows(rgb(0x00B50C)));
    pool().ef_kind[green] = 310;
    tick_at_age(green, 20);
    EXPECT_TRUE(shows(rgb(0xFFBBCC)));
    EXPECT_TRUE(shows(rgb(0x552255)));
    pool().ef_kind[green] = 311; // lime and violet rise without a shadow
    tick_at_age(green, 4, kWhite);
    EXPECT_TRUE(shows(rgb(0x44BB11)));
    EXPECT_FALSE(shows(kBlack));
    EXPECT_FALSE(shows(rgb(0x555555)));
    pool().ef_kind[green] = 312;
    tick_at_age(green, 3, kWhite);
    EXPECT_TRUE(shows(rgb(0x9900DD)));
}

// ---- bouncing ---------------------------------------------------------------------

TEST_F(TextLooks, BouncingNumberIsCentredWithItsTopAtY) {
    const std::size_t s = spawn(13, 200, 100, "50");
    tick(); // age 2, y bounced to 90; font 30 bold: 31 px a character, 34 high
    EXPECT_EQ(ink_box(g().cg, rgb(0xFF7070)), (Rect{169, 90, 231, 124}));
    tick_at_age(s, 30);
    EXPECT_TRUE(shows(rgb(0xDD5050)));
    tick_at_age(s, 39);
    EXPECT_TRUE(shows(rgb(0x550000)));
    tick_at_age(s, 42);
    EXPECT_TRUE(shows(rgb(0x330000)));
    // Kind 16 on a white view shows the black shadow: font 10 bold, 11 x 14.
    const std::size_t small = spawn(16, 200, 100, "7");
    pool().ef_age[s] = 0;
    tick(kWhite);
    EXPECT_EQ(ink_box(g().cg, rgb(0xFF7070)), (Rect{195, 90, 206, 104}));
    EXPECT_EQ(ink_box(g().cg, kBlack), (Rect{196, 91, 207, 105}));
    EXPECT_EQ(pool().ef_age[small], 3);
}

struct FontCase {
    int kind;
    const char* text;
    int font;
    Colour colour;
    int drop; // px below y
};

class BouncingFonts : public TextLooks, public ::testing::WithParamInterface<FontCase> {};

TEST_P(BouncingFonts, SizeByLengthAndPlace) {
    const FontCase c = GetParam();
    spawn(c.kind, 250, 100, c.text);
    tick();
    const auto box = ink_box(g().cg, c.colour);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->width(), int(std::string(c.text).size()) * (c.font + 1));
    EXPECT_EQ(box->height(), c.font + 4);
    EXPECT_EQ(box->top, 90 + c.drop);
}

INSTANTIATE_TEST_SUITE_P(
    Effects, BouncingFonts,
    ::testing::Values(FontCase{14, "12", 20, rgb(0xFF7070), 0},
                      FontCase{15, "12", 15, rgb(0xFF7070), 0},
                      FontCase{17, "12", 12, rgb(0x2F97FF), 0},
                      FontCase{18, "1234", 8, rgb(0xFFACD6), 10},
                      FontCase{18, "123", 10, rgb(0xFFACD6), 10},
                      FontCase{19, "12345678901", 8, rgb(0xBBBBBB), 10},
                      FontCase{19, "1234567890", 9, rgb(0xBBBBBB), 10},
                      FontCase{199, "12345678901", 9, rgb(0xCCCCCC), 10},
                      FontCase{199, "1234567890", 10, rgb(0xCCCCCC), 10},
                      FontCase{299, "12345678901", 10, rgb(0xDDDDDD), 10},
                      FontCase{299, "1234567890", 11, rgb(0xDDDDDD), 10}));

TEST_F(TextLooks, BouncingFontRuleCountsCharactersNotBytes) {
    spawn(18, 250, 100, "回復"); // two characters, six bytes: the short rule's font 10
    tick();
    EXPECT_EQ(ink_box(g().cg, rgb(0xFFACD6))->width(), 2 * 11);
}

TEST_F(TextLooks, BouncingFadesOfTheOtherRamps) {
    const std::size_t blue = spawn(17, 100, 100, "1");
    const std::size_t pink = spawn(18, 200, 100, "1");
    const std::size_t grey = spawn(19, 300, 100, "1");
    tick_at_age(blue, 36);
    pool().ef_age[pink] = pool().ef_age[grey] = 35;
    EXPECT_TRUE(shows(rgb(0x000099)));
    tick();
    EXPECT_TRUE(shows(rgb(0x773355)));
    EXPECT_TRUE(shows(rgb(0x555555)));
}

TEST_F(TextLooks, BouncingLabelStandsAboveYWithItsShadow) {
    const std::size_t s = spawn(97, 200, 200, "abcd"); // more than 3 characters: font 8
    tick(kWhite);                                       // y bounced to 190
    EXPECT_EQ(ink_box(g().cg, rgb(0x6BFEE0)), (Rect{182, 180, 218, 192}));
    EXPECT_EQ(ink_box(g().cg, kBlack), (Rect{184, 182, 220, 194}));
    pool().ef_age[s] = 0;
    // Three characters or fewer: font 13.
    spawn(99, 200, 200, "abc");
    spawn(100, 400, 200, "ok");
    tick();
    EXPECT_EQ(ink_box(g().cg, rgb(0xBB44FF)), (Rect{179, 180, 221, 197}));
    EXPECT_EQ(ink_box(g().cg, kWhite)->width(), 28);
}

// ---- moving texts -------------------------------------------------------------------

TEST_F(TextLooks, SideMessageEasesInToEndAt509AndSlidesOut) {
    const std::size_t s = spawn(6, 600, 50, "ab"); // font 8 bold: 18 px wide
    std::vector<int> xs;
    for (int i = 0; i < 12; ++i) {
        tick();
        xs.push_back(pool().ef_x[s]);
    }
    EXPECT_EQ(xs, (std::vector<int>{563, 538, 522, 511, 504, 499, 496, 494, 492, 491, 491, 491}));
    EXPECT_EQ(ink_box(g().cg, rgb(0x0099AA)), (Rect{491, 50, 509, 62})); // age 13: 13 mod 8 = 5
    while (pool().ef_age[s] < 109) tick();
    EXPECT_EQ(pool().ef_x[s], 491);
    tick(); // age 110: the slide out starts
    EXPECT_EQ(pool().ef_x[s], 495);
    ticks_until_free(s);
    EXPECT_EQ(pool().ef_x[s], 517);
    // A message already left of its place stays there and pulses.
    const std::size_t still = spawn(6, 100, 50, "ab");
    tick();
    EXPECT_EQ(pool().ef_x[still], 100);
    EXPECT_TRUE(shows(rgb(0x00AABB)));
    tick_at_age(still, 8);
    EXPECT_TRUE(shows(rgb(0x00CCDD)));
    tick_at_age(still, 9);
    EXPECT_TRUE(shows(rgb(0x00BBCC)));
}

TEST_F(TextLooks, ClimbingRainbowTextIsNotBold) {
    spawn(107, 200, 200, "ab");
    tick(); // y 191; font 9 plain: 9 px a character, 13 high
    EXPECT_EQ(ink_box(g().cg, rgb(0xFFFF00)), (Rect{191, 185, 209, 198}));
}

// ---- the scrolling comment ------------------------------------------------------------

TEST_F(TextLooks, CommentPlacesItselfAwayFromTheHeroineWithItsDrawsInOrder) {
    g().my.y = 5; // upper half: the comment runs low
    Random expected = g().random;
    const std::size_t s = spawn(106, 0, 0, "hello");
    const auto draws_before = g().random.draws();
    tick();
    const int ahead = expected(500), back = expected(150), y = 364 - expected(100);
    const int colour = expected(25), size = 10 + expected(13);
    EXPECT_EQ(g().random.draws() - draws_before, 5u);
    EXPECT_EQ(pool().ef_a[s], colour);
    EXPECT_EQ(pool().ef_b[s], size);
    EXPECT_EQ(pool().ef_y[s], y);
    EXPECT_EQ(pool().ef_x[s], 512 + ahead - back - 15); // slow text: the speed floor
    tick();
    EXPECT_EQ(g().random.draws() - draws_before, 5u); // placed once

    g().my.y = 10; // 200 px, below the middle: the comment runs high
    expected = g().random;
    const std::size_t high = spawn(106, 0, 0, "x");
    tick();
    expected(500);
    expected(150);
    EXPECT_EQ(pool().ef_y[high], expected(100));
    EXPECT_LT(pool().ef_y[high], 100);
}

TEST_F(TextLooks, CommentColourFontAndSpeed) {
    const std::string long_text(30, 'w'); // 30 div 3 x 2 = 20: the speed cap 25
    const std::size_t s = spawn(106, 0, 0, long_text);
    tick();
    pool().ef_a[s] = 13;
    pool().ef_b[s] = 12;
    pool().ef_x[s] = 300;
    pool().ef_y[s] = 40;
    tick();
    EXPECT_EQ(pool().ef_x[s], 275);
    EXPECT_EQ(ink_box(g().cg, rgb(0xFF6600)), (Rect{275, 40, 512, 56})); // font 12 bold, clipped
    pool().ef_a[s] = 24;
    tick();
    EXPECT_TRUE(shows(rgb(0xCC00FF)));
}

TEST_F(TextLooks, CommentEndsOnceItsWholeTextIsOffTheLeftEdge) {
    const std::size_t s = spawn(106, 0, 0, "a");
    tick();
    const int width = pool().ef_b[s] + 1; // one bold character
    int x = pool().ef_x[s];
    int expected_ticks = 1;
    while (x - 15 >= -width) {
        x -= 15;
        ++expected_ticks;
    }
    EXPECT_EQ(1 + ticks_until_free(s), expected_ticks + 1);
    EXPECT_EQ(pool().ef_x[s], 0);
    EXPECT_TRUE(pool().ef_text[s].empty());
    EXPECT_LT(expected_ticks, 100);
}

TEST_F(TextLooks, CommentWiderThanTheViewEndsAfterAge100) {
    const std::size_t s = spawn(106, 0, 0, std::string(300, 'm'));
    EXPECT_EQ(ticks_until_free(s), 100);
    EXPECT_EQ(pool().ef_age[s], 0);
    EXPECT_EQ(pool().ef_x[s], 0);
    EXPECT_TRUE(pool().ef_text[s].empty());
}

TEST_F(TextLooks, CommentOptionOffSpawnsAndDrawsNothing) {
    g().my.effect_off = 1;
    const int cursor = pool().effect_cursor;
    spawn_effect(g(), 100, 100, 106, "hello");
    EXPECT_EQ(pool().effect_cursor, cursor);
    tick();
    const auto& px = g().cg.pixels();
    EXPECT_TRUE(std::all_of(px.begin(), px.end(), [](Colour c) { return c == kBlack; }));
    for (int i = 0; i < kEffectSlots; ++i) EXPECT_FALSE(pool().active(i));
    spawn(1, 100, 100); // other kinds still spawn
    EXPECT_TRUE(pool().active(pool().effect_cursor));
}

// ---- the brush -----------------------------------------------------------------------

TEST_F(TextLooks, TextKindsLeaveTheBrushSolid) {
    spawn(2, 100, 100);
    g().cg.brush_style = BrushStyle::clear;
    tick();
    EXPECT_EQ(g().cg.brush_style, BrushStyle::solid);
}

} // namespace
} // namespace tsu
