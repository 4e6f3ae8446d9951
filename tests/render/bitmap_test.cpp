// The canvas picture: size, pixel access and rectangle fills.
#include "render/bitmap.h"

#include "render/pixel_art.h"

#include <gtest/gtest.h>

namespace tsu {
namespace {
using namespace tsu::test;

TEST(BitmapPicture, StartsFilledAndClipsPixelAccess) {
    Bitmap b(3, 2, kRed);
    EXPECT_EQ(b.width(), 3);
    EXPECT_EQ(b.height(), 2);
    EXPECT_FALSE(b.empty());
    EXPECT_EQ(b.pixel(2, 1), kRed);
    EXPECT_EQ(b.pixel(3, 0), kBlack);
    EXPECT_EQ(b.pixel(-1, 0), kBlack);
    EXPECT_EQ(b.pixel(0, 2), kBlack);
    b.set_pixel(3, 0, kBlue);
    b.set_pixel(-1, 1, kBlue);
    b.set_pixel(0, 2, kBlue);
    b.set_pixel(1, 1, kBlue);
    EXPECT_EQ(art(b), "ooo\nobo");
}

TEST(BitmapPicture, NonPositiveSizesGiveAnEmptyPicture) {
    Bitmap b(-3, 4);
    EXPECT_TRUE(b.empty());
    EXPECT_EQ(b.width(), 0);
    EXPECT_EQ(b.height(), 0);
    EXPECT_TRUE(b.pixels().empty());
    EXPECT_EQ(b.key_colour(), kBlack);
    b.fill_rect({0, 0, 5, 5}); // must not touch memory
    b.set_pixel(0, 0, kRed);
    EXPECT_TRUE(b.pixels().empty());
}

TEST(BitmapPicture, ResizeDiscardsTheContents) {
    Bitmap b(2, 2, kRed);
    b.resize(3, 1, kGreen);
    EXPECT_EQ(art(b), "ggg");
    b.resize(2, 2);
    EXPECT_EQ(art(b), "..\n..");
}

TEST(BitmapPicture, KeyColourIsTheBottomLeftPixel) {
    Bitmap b = from_art({"ob", "gk"});
    EXPECT_EQ(b.key_colour(), kGreen);
}

TEST(FillRect, LeftAndTopInclusiveRightAndBottomExclusive) {
    Bitmap b(6, 5);
    b.brush_colour = kRed;
    b.pen_colour = kBlue; // the pen takes no part
    b.fill_rect({1, 1, 4, 3});
    EXPECT_EQ(art(b), lines({"......", ".ooo..", ".ooo..", "......", "......"}));
}

TEST(FillRect, ClipsToThePicture) {
    Bitmap b(4, 3);
    b.brush_colour = kRed;
    b.fill_rect({-5, -5, 2, 2});
    b.brush_colour = kBlue;
    b.fill_rect({3, 1, 100, 100});
    EXPECT_EQ(art(b), lines({"oo..", "oo.b", "...b"}));
}

TEST(FillRect, InvertedRectFillsNothingAndClearBrushStillFills) {
    Bitmap b(4, 2);
    b.brush_colour = kRed;
    b.fill_rect({3, 2, 1, 0});
    EXPECT_EQ(art(b), "....\n....");
    b.brush_style = BrushStyle::clear;
    b.fill_rect({1, 0, 3, 1});
    EXPECT_EQ(art(b), ".oo.\n....");
}

TEST(FillRect, FullWidthRowsAndWholePictureFill) {
    Bitmap b(3, 3);
    b.brush_colour = kGreen;
    b.fill_rect({0, 1, 3, 2});
    EXPECT_EQ(art(b), "...\nggg\n...");
    b.fill(kBlue);
    EXPECT_EQ(art(b), "bbb\nbbb\nbbb");
}

} // namespace
} // namespace tsu
