// Lines with the pen: Bresenham steps, the left-out end point, the pen
// position, wide round pens and far-away coordinates.
#include "render/bitmap.h"

#include "render/pixel_art.h"

#include <gtest/gtest.h>

namespace tsu {
namespace {
using namespace tsu::test;

TEST(Line, HorizontalLineLeavesOutItsEndPoint) {
    Bitmap b(7, 3);
    b.move_to(1, 1);
    b.line_to(5, 1);
    EXPECT_EQ(art(b), lines({".......", ".####..", "......."}));
    EXPECT_EQ(b.pen_x(), 5);
    EXPECT_EQ(b.pen_y(), 1);
}

TEST(Line, BackwardsAndVerticalLines) {
    Bitmap b(5, 5);
    b.line(4, 0, 0, 0); // x = 4..1
    b.line(0, 4, 0, 1); // y = 4..2
    EXPECT_EQ(art(b), lines({".####", ".....", "#....", "#....", "#...."}));
}

TEST(Line, DiagonalAndShallowSteps) {
    Bitmap d(5, 5);
    d.line(0, 0, 4, 4);
    EXPECT_EQ(art(d), lines({"#....", ".#...", "..#..", "...#.", "....."}));
    Bitmap s(7, 3);
    s.line(0, 0, 6, 2);
    EXPECT_EQ(art(s), lines({"##.....", "..###..", ".....#."}));
    Bitmap t(3, 7);
    t.line(0, 0, 2, 6);
    EXPECT_EQ(art(t), lines({"#..", "#..", ".#.", ".#.", ".#.", "..#", "..."}));
}

TEST(Line, JoinedLinesDrawEachCornerOnce) {
    Bitmap b(5, 5);
    b.pen_colour = kRed;
    b.move_to(0, 0);
    b.line_to(4, 0);
    b.line_to(4, 4);
    b.line_to(0, 4);
    b.line_to(0, 0);
    EXPECT_EQ(art(b), lines({"ooooo", "o...o", "o...o", "o...o", "ooooo"}));
}

TEST(Line, ZeroLengthThinLineDrawsNothingWidePenDrawsADot) {
    Bitmap b(5, 5);
    b.line(2, 2, 2, 2);
    EXPECT_EQ(art(b), lines({".....", ".....", ".....", ".....", "....."}));
    b.pen_width = 3;
    b.line(2, 2, 2, 2);
    EXPECT_EQ(art(b), lines({".....", ".###.", ".###.", ".###.", "....."}));
}

TEST(Line, WidePenCoversBothEndPoints) {
    Bitmap b(9, 7);
    b.pen_width = 3;
    b.line(2, 3, 6, 3);
    EXPECT_EQ(art(b), lines({".........", ".........", ".#######.", ".#######.", ".#######.",
                             ".........", "........."}));
}

TEST(Line, WidePenTipIsRound) {
    Bitmap b(8, 8);
    b.pen_width = 4;
    b.line(4, 4, 4, 4);
    EXPECT_EQ(art(b), lines({"........", "........", "...##...", "..####..", "..####..", "...##...",
                             "........", "........"}));
}

TEST(Line, FarAwayEndsAreClippedNotWalked) {
    Bitmap b(10, 3);
    b.line(-1000000, 1, 1000000, 1);
    EXPECT_EQ(art(b), lines({"..........", "##########", ".........."}));
    Bitmap c(4, 4);
    c.line(-2000000000, -2000000000, 2000000000, 2000000000);
    EXPECT_EQ(art(c), lines({"#...", ".#..", "..#.", "...#"}));
    c.pen_width = 5;
    c.line(-2000000000, 0, -1999999000, 3); // entirely outside
    EXPECT_EQ(c.pen_x(), -1999999000);
}

} // namespace
} // namespace tsu
