// Whole-multiple scaling and the mouse mapping back to client pixels.
#include "platform/window_layout.h"

#include <gtest/gtest.h>

namespace {

using namespace tsu;

TEST(WindowScale, LargestWholeMultipleThatFits) {
    EXPECT_EQ(largest_scale(1920, 1080, 512, 384), 2); // 1536 wide would fit, 1152 high not
    EXPECT_EQ(largest_scale(2560, 1440, 512, 384), 3);
    EXPECT_EQ(largest_scale(3840, 2160, 512, 384), 5);
    EXPECT_EQ(largest_scale(1024, 768, 512, 384), 2);  // exact fit counts
    EXPECT_EQ(largest_scale(1023, 768, 512, 384), 1);
}

TEST(WindowScale, AtLeastOneWhenNothingFits) {
    EXPECT_EQ(largest_scale(400, 300, 512, 384), 1);
    EXPECT_EQ(largest_scale(0, 0, 512, 384), 1);
    EXPECT_EQ(largest_scale(1920, 1080, 0, 0), 1);
}

TEST(WindowScale, EditorSizeKeepsTheScaleWhileItFits) {
    // 1320 x 960 at scale 2 fits 2400 x 1500: stay at 2 although 3 would fit.
    EXPECT_EQ(scale_for_client(2, 2400, 1500, 660, 480), 2);
    EXPECT_EQ(largest_scale(2400, 1500, 660, 480), 3);
}

TEST(WindowScale, EditorSizeShrinksTheScaleWhenItNoLongerFits) {
    // 1280 x 1024: scale 2 holds 512 x 384 but not 660 x 480 (1320 wide).
    EXPECT_EQ(scale_for_client(2, 1280, 1024, 660, 480), 1);
    EXPECT_EQ(scale_for_client(3, 1920, 1040, 660, 480), 2);
    EXPECT_EQ(scale_for_client(0, 1920, 1040, 512, 384), 2);
}

TEST(PictureLayout, CentredWithBorders) {
    const PictureLayout l = layout_picture(1280, 1024, 512, 384);
    EXPECT_EQ(l.scale, 2);
    EXPECT_EQ(l.width, 1024);
    EXPECT_EQ(l.height, 768);
    EXPECT_EQ(l.x, 128);
    EXPECT_EQ(l.y, 128);
}

TEST(PictureLayout, MaxScaleCaps) {
    const PictureLayout l = layout_picture(1280, 1024, 512, 384, 1);
    EXPECT_EQ(l.scale, 1);
    EXPECT_EQ(l.x, 384);
    EXPECT_EQ(l.y, 320);
}

TEST(PictureLayout, TooSmallOutputKeepsTheTopLeftCorner) {
    const PictureLayout l = layout_picture(300, 200, 512, 384);
    EXPECT_EQ(l.scale, 1);
    EXPECT_EQ(l.x, 0);
    EXPECT_EQ(l.y, 0);
}

TEST(MouseMapping, RemovesTheBorderAndDividesByTheScale) {
    const PictureLayout l = layout_picture(1280, 1024, 512, 384); // scale 2 at (128, 128)
    ClientPoint p = map_to_client(l, 128, 128);
    EXPECT_TRUE(p.inside);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 0);
    p = map_to_client(l, 128 + 2 * 511 + 1, 128 + 2 * 383 + 1); // last pixel's second half
    EXPECT_TRUE(p.inside);
    EXPECT_EQ(p.x, 511);
    EXPECT_EQ(p.y, 383);
    p = map_to_client(l, 128 + 41, 128 + 19);
    EXPECT_EQ(p.x, 20);
    EXPECT_EQ(p.y, 9);
}

TEST(MouseMapping, BorderPixelsAreOutsideOnEverySide) {
    const PictureLayout l = layout_picture(1280, 1024, 512, 384);
    EXPECT_FALSE(map_to_client(l, 127, 500).inside); // left border, one pixel off
    EXPECT_FALSE(map_to_client(l, 126, 500).inside); // would truncate to column 0
    EXPECT_LT(map_to_client(l, 126, 500).x, 0);
    EXPECT_FALSE(map_to_client(l, 128 + 1024, 500).inside);
    EXPECT_FALSE(map_to_client(l, 500, 127).inside);
    EXPECT_FALSE(map_to_client(l, 500, 128 + 768).inside);
}

TEST(MouseMapping, PressesOnlyInsideTheView) {
    // Editor layout 660 x 480 at scale 1: the margin right of and below the
    // view is picture, but not view.
    const PictureLayout l = layout_picture(660, 480, 660, 480);
    EXPECT_TRUE(press_reaches_view(map_to_client(l, 511, 383)));
    EXPECT_FALSE(press_reaches_view(map_to_client(l, 512, 100)));
    EXPECT_FALSE(press_reaches_view(map_to_client(l, 100, 384)));
    const PictureLayout big = layout_picture(1280, 1024, 512, 384);
    EXPECT_FALSE(press_reaches_view(map_to_client(big, 10, 10)));
}

TEST(MouseMapping, MotionIsClampedToTheView) {
    const PictureLayout l = layout_picture(1280, 1024, 512, 384);
    ClientPoint v = clamp_to_view(map_to_client(l, 0, 0));
    EXPECT_EQ(v.x, 0);
    EXPECT_EQ(v.y, 0);
    v = clamp_to_view(map_to_client(l, 1279, 1023));
    EXPECT_EQ(v.x, 511);
    EXPECT_EQ(v.y, 383);
}

} // namespace
