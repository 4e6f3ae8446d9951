// Pictures on the canvas: key-colour transparency, nearest-neighbour
// stretching, upside-down draws, raster copies and mirroring.
#include "render/bitmap.h"

#include "render/pixel_art.h"

#include <gtest/gtest.h>

namespace tsu {
namespace {
using namespace tsu::test;

TEST(Draw, TransparentSkipsTheBottomLeftKeyColour) {
    Bitmap src = from_art({"kog", "kbk"}); // key from the bottom-left pixel: magenta
    src.transparent = true;
    Bitmap b(5, 4);
    b.draw(1, 1, src);
    EXPECT_EQ(art(b), lines({".....", "..og.", "..b..", "....."}));
}

TEST(Draw, KeyIsTakenFromTheBottomLeftNotTheTopLeft) {
    Bitmap src = from_art({"ko", "gg"}); // key green
    src.transparent = true;
    Bitmap b(2, 2, kBlue);
    b.draw(0, 0, src);
    EXPECT_EQ(art(b), lines({"ko", "bb"}));
}

TEST(Draw, OpaqueCopiesEveryPixelAndClipsAtTheEdges) {
    Bitmap src = from_art({"kog", "kbk"});
    Bitmap b(3, 2);
    b.draw(-1, 1, src);
    EXPECT_EQ(art(b), lines({"...", "og."}));
    b.draw(2, -1, src);
    EXPECT_EQ(art(b), lines({"..k", "og."}));
}

TEST(StretchDraw, NearestNeighbourUpAndDown) {
    const Bitmap src = from_art({"og", "bk"});
    Bitmap b(4, 4);
    b.stretch_draw({0, 0, 4, 4}, src);
    EXPECT_EQ(art(b), lines({"oogg", "oogg", "bbkk", "bbkk"}));
    Bitmap c(3, 3);
    c.stretch_draw({0, 0, 3, 3}, src); // samples 0, 0, 1
    EXPECT_EQ(art(c), lines({"oog", "oog", "bbk"}));
    const Bitmap wide = from_art({"ogb#", "####"});
    Bitmap d(2, 1);
    d.stretch_draw({0, 0, 2, 1}, wide); // samples 0, 2
    EXPECT_EQ(art(d), "ob");
}

TEST(StretchDraw, KeepsTransparencyAndClips) {
    Bitmap src = from_art({"ko", "kk"});
    src.transparent = true;
    Bitmap b(3, 3, kGreen);
    b.stretch_draw({-1, -1, 3, 3}, src);
    EXPECT_EQ(art(b), lines({"goo", "ggg", "ggg"}));
}

TEST(StretchDraw, FlippedDrawsUpsideDown) {
    const Bitmap src = from_art({"og", "bk", "#."});
    Bitmap b(2, 6);
    b.stretch_draw_flipped({0, 0, 2, 6}, src);
    EXPECT_EQ(art(b), lines({"#.", "#.", "bk", "bk", "og", "og"}));
    Bitmap c(2, 3);
    c.stretch_draw_flipped({0, -1, 2, 2}, src); // the top row is cut off
    EXPECT_EQ(art(c), lines({"bk", "og", ".."}));
}

TEST(StretchDraw, InvertedRectanglesMirror) {
    const Bitmap src = from_art({"ogb"});
    Bitmap b(3, 1);
    b.stretch_draw({3, 0, 0, 1}, src);
    EXPECT_EQ(art(b), "bgo");
}

TEST(StretchDraw, EmptyRectanglesAndPicturesDrawNothing) {
    Bitmap b(2, 2);
    b.stretch_draw({1, 1, 1, 2}, from_art({"o"}));
    b.stretch_draw({0, 0, 2, 2}, Bitmap());
    b.draw(0, 0, Bitmap());
    EXPECT_EQ(art(b), lines({"..", ".."}));
}

TEST(CopyRect, OrMergeBlackKeepsWhiteFillsRedSetsOnlyRed) {
    Bitmap view(3, 1);
    view.set_pixel(0, 0, rgb(0x123456));
    view.set_pixel(1, 0, rgb(0x123456));
    view.set_pixel(2, 0, rgb(0x123456));
    Bitmap light(3, 1);
    light.set_pixel(0, 0, kBlack);
    light.set_pixel(1, 0, kWhite);
    light.set_pixel(2, 0, kRed);
    view.copy_rect({0, 0, 3, 1}, light, {0, 0, 3, 1}, CopyMode::src_paint);
    EXPECT_EQ(view.pixel(0, 0), rgb(0x123456));
    EXPECT_EQ(view.pixel(1, 0), rgb(0xFFFFFF));
    EXPECT_EQ(view.pixel(2, 0), rgb(0xFF3456));
}

TEST(CopyRect, FullFrameOrMergeOfTheLightLayer) {
    Bitmap view(512, 384, rgb(0x102030));
    Bitmap light(512, 384, kBlack);
    light.set_pixel(511, 383, rgb(0x0000C0));
    light.set_pixel(0, 0, rgb(0x400000));
    view.copy_rect({0, 0, 512, 384}, light, {0, 0, 512, 384}, CopyMode::src_paint);
    EXPECT_EQ(view.pixel(0, 0), rgb(0x502030));
    EXPECT_EQ(view.pixel(511, 383), rgb(0x1020F0));
    EXPECT_EQ(view.pixel(200, 100), rgb(0x102030));
}

TEST(CopyRect, CopyIgnoresTransparencyAndTakesASubRectangle) {
    Bitmap src = from_art({"kogb", "kkkk"});
    src.transparent = true;
    Bitmap b(3, 2);
    b.copy_rect({0, 0, 2, 1}, src, {0, 0, 2, 1});
    b.copy_rect({1, 1, 3, 2}, src, {2, 0, 4, 1});
    EXPECT_EQ(art(b), lines({"ko.", ".gb"}));
}

TEST(CopyRect, StretchesWhenTheSizesDiffer) {
    const Bitmap src = from_art({"og"});
    Bitmap b(4, 2);
    b.copy_rect({0, 0, 4, 2}, src, {0, 0, 2, 1});
    EXPECT_EQ(art(b), lines({"oogg", "oogg"}));
    Bitmap c(3, 1);
    c.copy_rect({0, 0, 3, 1}, src, {1, 0, 2, 1});
    EXPECT_EQ(art(c), "ggg");
}

TEST(CopyRect, SourceOutsideItsPictureIsNotDrawn) {
    const Bitmap src = from_art({"og"});
    Bitmap b(4, 1, kBlue);
    b.copy_rect({0, 0, 4, 1}, src, {-1, 0, 3, 1});
    EXPECT_EQ(art(b), "bogb");
}

TEST(CopyRect, OverlappingCopyWithinOnePicture) {
    Bitmap b = from_art({"ogb.."});
    b.copy_rect({1, 0, 4, 1}, b, {0, 0, 3, 1});
    EXPECT_EQ(art(b), "oogb.");
}

TEST(MirrorVertical, TurnsThePictureUpsideDown) {
    Bitmap b = from_art({"og", "b#", "k."});
    b.mirror_vertical();
    EXPECT_EQ(art(b), lines({"k.", "b#", "og"}));
    Bitmap even = from_art({"o", "g"});
    even.mirror_vertical();
    EXPECT_EQ(art(even), lines({"g", "o"}));
}

} // namespace
} // namespace tsu
