// Flood fill: the surface and border styles, 4-connectivity, and whole
// pictures filled without recursion.
#include "render/bitmap.h"

#include "render/pixel_art.h"

#include <gtest/gtest.h>

namespace tsu {
namespace {
using namespace tsu::test;

TEST(FloodFill, SurfaceRecoloursTheConnectedAreaOfTheColour) {
    Bitmap b = from_art({"..#..", "..#..", "###..", ".....", "....."});
    b.brush_colour = kRed;
    b.flood_fill(0, 0, kWhite, FillStyle::surface);
    EXPECT_EQ(art(b), lines({"oo#..", "oo#..", "###..", ".....", "....."}));
    b.brush_colour = kBlue;
    b.flood_fill(4, 4, kWhite, FillStyle::surface);
    EXPECT_EQ(art(b), lines({"oo#bb", "oo#bb", "###bb", "bbbbb", "bbbbb"}));
}

TEST(FloodFill, BorderFillsEverythingInsideTheBorderColour) {
    Bitmap b = from_art({".......", ".#####.", ".#gob#.", ".#b.g#.", ".#####.", "......."});
    b.brush_colour = kKey;
    b.flood_fill(3, 3, kBlack, FillStyle::border);
    EXPECT_EQ(art(b), lines({".......", ".#####.", ".#kkk#.", ".#kkk#.", ".#####.", "......."}));
}

TEST(FloodFill, DiagonalGapsDoNotLeak) {
    Bitmap b = from_art({".#..", "#...", "....", "...."});
    b.brush_colour = kRed;
    b.flood_fill(0, 0, kWhite, FillStyle::surface);
    EXPECT_EQ(art(b), lines({"o#..", "#...", "....", "...."}));
    b.brush_colour = kBlue;
    b.flood_fill(3, 3, kBlack, FillStyle::border);
    EXPECT_EQ(art(b), lines({"o#bb", "#bbb", "bbbb", "bbbb"}));
}

TEST(FloodFill, StartPointsThatDoNotQualifyChangeNothing) {
    Bitmap b = from_art({".#", "#."});
    b.brush_colour = kRed;
    b.flood_fill(1, 0, kWhite, FillStyle::surface); // the start is black
    b.flood_fill(1, 0, kBlack, FillStyle::border);  // the start is the border
    b.flood_fill(5, 5, kWhite, FillStyle::surface); // outside
    b.brush_colour = kWhite;
    b.flood_fill(0, 0, kWhite, FillStyle::surface); // same colour: no endless loop
    EXPECT_EQ(art(b), lines({".#", "#."}));
}

TEST(FloodFill, BorderFillWithTheBrushAlreadyInsideTerminates) {
    Bitmap b = from_art({"###", "#o#", "###"});
    b.brush_colour = kRed;
    b.flood_fill(1, 1, kBlack, FillStyle::border);
    EXPECT_EQ(art(b), lines({"###", "#o#", "###"}));
}

TEST(FloodFill, WholeViewAndASerpentineWithoutRecursion) {
    Bitmap b(512, 384, kBlack);
    b.brush_colour = kRed;
    b.flood_fill(100, 100, kBlack, FillStyle::surface);
    for (const Colour c : b.pixels()) ASSERT_EQ(c, kRed);

    // Walls on every other column, open alternately at the top and bottom:
    // one long corridor through the whole picture.
    Bitmap m(512, 384);
    for (int x = 1; x < 512; x += 2)
        for (int y = 0; y < 384; ++y)
            if ((x % 4 == 1) ? y != 383 : y != 0) m.set_pixel(x, y, kBlack);
    m.brush_colour = kBlue;
    m.flood_fill(0, 0, kBlack, FillStyle::border);
    int filled = 0;
    for (const Colour c : m.pixels()) filled += c == kBlue;
    EXPECT_EQ(filled, 256 * 384 + 256);
    EXPECT_EQ(m.pixel(511, 0), kBlue);   // the last wall's gap
    EXPECT_EQ(m.pixel(511, 200), kBlack); // walls stay
}

} // namespace
} // namespace tsu
