// How the heroine and the third heroine's blocks are drawn: the picture by
// heroine and flight, the hover bob, the blinking after a hit.
#include "game/game.h"
#include "game/player.h"
#include "player_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace tsu {
namespace {

using Drawing = testing::PlayerFixture;

// A 10 x 10 sprite of one colour; its bottom-left pixel is the key colour.
Bitmap sprite(Colour c) {
    Bitmap b(10, 10, c);
    b.set_pixel(0, 9, rgb(0xFF00FF));
    b.transparent = true;
    return b;
}

// A colour per sprite number, so the picture drawn tells which it was.
Colour colour_of(int index) { return rgb(uint32_t(0x010000 * (index + 1) + 0x40)); }

struct HeroineDrawing : Drawing {
    HeroineDrawing() {
        for (int i : {0, 66, 67, 76, 77, 78, 79, 85, 86, 87, 88})
            g().cg_img[std::size_t(i)] = sprite(colour_of(i));
    }
    // Steps once on a black view; the colour at her centre.
    Colour drawn_at_centre() {
        g().cg.fill(kBlack);
        step();
        return g().cg.pixel(my().x * 20 + 10, my().y * 20 + 10);
    }
};

TEST_F(HeroineDrawing, PicturePerHeroineAndFlightState) {
    struct Case {
        int chara, fly, x_held, tick, picture;
    };
    const Case cases[] = {
        {0, 0, 0, 4, 0},  {0, 0, 1, 5, 0},  {0, 9, 0, 4, 76}, {0, 9, 0, 5, 77},
        {1, 0, 0, 5, 66}, {1, 0, 1, 4, 66}, {1, 0, 1, 5, 67}, {1, 9, 0, 4, 78},
        {1, 9, 1, 5, 79}, {2, 0, 0, 4, 85}, {2, 0, 1, 5, 85}, {2, 9, 0, 4, 86},
        {2, 9, 0, 5, 87},
    };
    for (const Case& c : cases) {
        g().chara = c.chara;
        my().fly = c.fly;
        my().target_y = my().y;
        my().fuel = 0;
        g().key_x_held = c.x_held;
        g().frame_count = c.tick - 1;
        EXPECT_EQ(drawn_at_centre(), colour_of(c.picture))
            << "heroine " << c.chara << " fly " << c.fly << " X " << c.x_held << " tick " << c.tick;
    }
}

TEST_F(HeroineDrawing, SquareOfHalfSizeAroundHerCell) {
    g().cg.fill(kBlack);
    step();
    const Colour c = colour_of(0);
    // Her cell (3, 17): centre (70, 350), the square 45..94 x 325..374.
    EXPECT_EQ(g().cg.pixel(45, 325), c);
    EXPECT_EQ(g().cg.pixel(94, 340), c);
    EXPECT_EQ(g().cg.pixel(70, 324), kBlack);
    EXPECT_EQ(g().cg.pixel(95, 340), kBlack);
    EXPECT_EQ(g().cg.pixel(44, 340), kBlack);
}

TEST_F(HeroineDrawing, HoverBobRaisesTheFlyingSquare) {
    my().fly = 50;
    my().target_y = my().y;
    const int raise_by_tick[4] = {1, 2, 3, 2};
    for (int tick = 8; tick < 12; ++tick) {
        g().frame_count = tick - 1;
        g().cg.fill(kBlack);
        step();
        const int top = 325 - raise_by_tick[tick % 4];
        EXPECT_NE(g().cg.pixel(70, top), kBlack) << tick;
        EXPECT_EQ(g().cg.pixel(70, top - 1), kBlack) << tick;
        EXPECT_NE(g().cg.pixel(70, top + 49), kBlack) << tick;
        EXPECT_EQ(g().cg.pixel(70, top + 50), kBlack) << tick;
    }
}

TEST_F(HeroineDrawing, BlinkingAfterAHitShowsHerOnEvenCountsOnly) {
    my().blink = 6;
    std::vector<bool> shown;
    std::vector<int> counts;
    for (int i = 0; i < 7; ++i) {
        shown.push_back(drawn_at_centre() != kBlack);
        counts.push_back(my().blink);
    }
    EXPECT_EQ(shown, (std::vector<bool>{true, false, true, false, true, true, true}));
    EXPECT_EQ(counts, (std::vector<int>{5, 4, 3, 2, 1, 1, 1}));
}

TEST_F(HeroineDrawing, BlocksShrinkFromTwentyFourToElevenPixels) {
    g().chara = 2;
    tman& b = g().block[3];
    b.x = 10;
    b.y = 5;
    b.alive = 1;
    const Colour c = colour_of(88);
    // Centre (210, 110); the half size is 25 - age / 2 after ageing.
    for (int age = 2; age <= 29; ++age) {
        g().cg.fill(kBlack);
        step();
        ASSERT_EQ(b.alive, age);
        const int h = 25 - age / 2;
        EXPECT_EQ(g().cg.pixel(210, 110 - h), c) << age;
        EXPECT_EQ(g().cg.pixel(210, 110 - h - 1), kBlack) << age;
        EXPECT_EQ(g().cg.pixel(210 + h - 1, 110), c) << age;
        EXPECT_EQ(g().cg.pixel(210 + h, 110), kBlack) << age;
    }
    g().cg.fill(kBlack);
    step();
    EXPECT_EQ(b.alive, 0);
    EXPECT_EQ(g().cg.pixel(210, 110), kBlack);
}

} // namespace
} // namespace tsu
