// Rectangles and ellipses: outlines, pen widths, brush interiors, symmetry
// and the extents of the shapes.
#include "render/bitmap.h"

#include "render/pixel_art.h"

#include <gtest/gtest.h>

namespace tsu {
namespace {
using namespace tsu::test;

Bitmap canvas(int w, int h, int pen = 1, BrushStyle style = BrushStyle::solid) {
    Bitmap b(w, h);
    b.pen_colour = kBlack;
    b.brush_colour = kRed;
    b.pen_width = pen;
    b.brush_style = style;
    return b;
}

// Bounding box of every non-white pixel, as [l, r) x [t, b).
Rect ink_box(const Bitmap& b) {
    Rect r{b.width(), b.height(), -1, -1};
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if (b.pixel(x, y) != kWhite) {
                r.left = std::min(r.left, x);
                r.top = std::min(r.top, y);
                r.right = std::max(r.right, x + 1);
                r.bottom = std::max(r.bottom, y + 1);
            }
    return r;
}

bool symmetric(const Bitmap& b, const Rect& box) {
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) {
            const int mx = box.left + box.right - 1 - x, my = box.top + box.bottom - 1 - y;
            if (b.pixel(x, y) != b.pixel(mx, y) || b.pixel(x, y) != b.pixel(x, my)) return false;
        }
    return true;
}

TEST(Rectangle, PenOnTheBorderPixelsBrushInside) {
    Bitmap b = canvas(7, 6);
    b.rectangle(1, 1, 6, 5);
    EXPECT_EQ(art(b), lines({".......", ".#####.", ".#ooo#.", ".#ooo#.", ".#####.", "......."}));
}

TEST(Rectangle, ClearBrushLeavesTheInside) {
    Bitmap b = canvas(5, 4, 1, BrushStyle::clear);
    b.fill(kGreen);
    b.rectangle(0, 0, 5, 4);
    EXPECT_EQ(art(b), lines({"#####", "#ggg#", "#ggg#", "#####"}));
}

TEST(Rectangle, WidePensAreCentredOnTheBorder) {
    Bitmap b = canvas(9, 9, 2);
    b.rectangle(2, 2, 7, 7);
    EXPECT_EQ(art(b), lines({".........", ".#######.", ".#######.", ".##ooo##.", ".##ooo##.",
                             ".##ooo##.", ".#######.", ".#######.", "........."}));
    Bitmap c = canvas(9, 9, 3);
    c.rectangle(2, 2, 7, 7);
    EXPECT_EQ(art(c), lines({".........", ".#######.", ".#######.", ".#######.", ".###o###.",
                             ".#######.", ".#######.", ".#######.", "........."}));
}

TEST(Rectangle, ZeroPenWidthIsTheThinnestPenAndCornersMayComeInAnyOrder) {
    Bitmap a = canvas(7, 6, 0);
    a.rectangle(6, 5, 1, 1);
    Bitmap b = canvas(7, 6, 1);
    b.rectangle(1, 1, 6, 5);
    EXPECT_EQ(art(a), art(b));
}

TEST(Rectangle, ThinAndClippedBoxes) {
    Bitmap b = canvas(4, 3);
    b.rectangle(1, 0, 2, 3); // one pixel wide: all border
    b.rectangle(3, 1, 3, 2); // empty: nothing
    EXPECT_EQ(art(b), lines({".#..", ".#..", ".#.."}));
    Bitmap c = canvas(3, 3);
    c.rectangle(-1, -1, 2, 2);
    EXPECT_EQ(art(c), lines({"o#.", "##.", "..."})); // the brush fills the one inner pixel
}

TEST(Ellipse, SmallCircleExactPixels) {
    Bitmap b = canvas(7, 7);
    b.ellipse(1, 1, 6, 6);
    EXPECT_EQ(art(b), lines({".......", "..###..", ".#ooo#.", ".#ooo#.", ".#ooo#.", "..###..", "......."}));
}

TEST(Ellipse, ClearBrushDrawsOnlyTheRing) {
    Bitmap b = canvas(7, 7, 1, BrushStyle::clear);
    b.ellipse(1, 1, 6, 6);
    EXPECT_EQ(art(b), lines({".......", "..###..", ".#...#.", ".#...#.", ".#...#.", "..###..", "......."}));
}

TEST(Ellipse, TouchesItsBoxAndIsSymmetricForEverySmallBox) {
    for (int w = 1; w <= 14; ++w)
        for (int h = 1; h <= 14; ++h) {
            Bitmap b = canvas(20, 20);
            const Rect box{3, 2, 3 + w, 2 + h};
            b.ellipse(box.left, box.top, box.right, box.bottom);
            EXPECT_EQ(ink_box(b), box) << w << "x" << h;
            EXPECT_TRUE(symmetric(b, box)) << w << "x" << h;
            // The ring is closed: the brush never touches the outside.
            for (int y = 0; y < 20; ++y)
                for (int x = 0; x < 20; ++x)
                    if (b.pixel(x, y) == kRed) {
                        EXPECT_NE(b.pixel(x - 1, y), kWhite);
                        EXPECT_NE(b.pixel(x + 1, y), kWhite);
                        EXPECT_NE(b.pixel(x, y - 1), kWhite);
                        EXPECT_NE(b.pixel(x, y + 1), kWhite);
                    }
        }
}

TEST(Ellipse, DegenerateBoxesDoNotCrash) {
    Bitmap b = canvas(5, 5);
    b.ellipse(2, 2, 3, 3);
    EXPECT_EQ(art(b), lines({".....", ".....", "..#..", ".....", "....."}));
    b.fill(kWhite);
    b.ellipse(2, 2, 2, 4);
    b.ellipse(1, 1, 1, 1);
    EXPECT_EQ(ink_box(b).right, -1);
    b.ellipse(-2000000000, -2000000000, 2000000000, 2000000000); // too large: skipped
    b.ellipse(-40000, 2, 40000, 3);
    b.pen_width = 100000;
    b.ellipse(1, 1, 4, 4);
    EXPECT_EQ(b.pixel(2, 2), kBlack);
}

TEST(Ellipse, CornersInAnyOrder) {
    Bitmap a = canvas(9, 9);
    a.ellipse(7, 8, 1, 2);
    Bitmap b = canvas(9, 9);
    b.ellipse(1, 2, 7, 8);
    EXPECT_EQ(art(a), art(b));
}

TEST(Ellipse, WidePenGrowsAroundTheBoxSymmetrically) {
    Bitmap b = canvas(17, 17, 3);
    b.ellipse(4, 4, 13, 13);
    EXPECT_EQ(ink_box(b), (Rect{3, 3, 14, 14}));
    EXPECT_TRUE(symmetric(b, {3, 3, 14, 14}));
    EXPECT_EQ(b.pixel(8, 8), kRed);   // the brush in the middle
    EXPECT_EQ(b.pixel(3, 8), kBlack); // three pen pixels across the side
    EXPECT_EQ(b.pixel(4, 8), kBlack);
    EXPECT_EQ(b.pixel(5, 8), kBlack);
    EXPECT_EQ(b.pixel(6, 8), kRed);
}

TEST(Ellipse, WidePenOnASmallBoxIsAllPen) {
    Bitmap b = canvas(9, 9, 4);
    b.ellipse(3, 3, 6, 6);
    EXPECT_EQ(ink_box(b), (Rect{1, 1, 8, 8}));
    for (const Colour c : b.pixels()) EXPECT_NE(c, kRed);
}

} // namespace
} // namespace tsu
