// Drawing helpers of the content tools: filled shapes with optional
// outlines, thick lines, polygons, gradients, colour blends and text in the
// game's Japanese font. Recipes under content/ reach them by name.
#pragma once
#include "render/bitmap.h"

#include <string_view>
#include <vector>

namespace tsu::assetgen {

// The key colour of the sprites: a magenta no figure uses.
inline constexpr Colour kKey = rgb(0xFF00FF);
// "No colour" for optional outlines (real colours are always opaque).
inline constexpr Colour kNone = 0;

struct Pt {
    double x, y;
};

// Ellipse in the box [l, r) x [t, b), filled, with an optional 1-pixel outline.
void oval(Bitmap& b, int l, int t, int r, int bottom, Colour fill, Colour outline = kNone);
// Ellipse of radius rx, ry around the pixel centre (cx, cy).
void disc(Bitmap& b, int cx, int cy, int rx, int ry, Colour fill, Colour outline = kNone);
// Rectangle [l, r) x [t, b), filled, with an optional 1-pixel outline.
void box(Bitmap& b, int l, int t, int r, int bottom, Colour fill, Colour outline = kNone);
// Line of the given pen width, both end points included.
void stroke(Bitmap& b, int x0, int y0, int x1, int y1, int width, Colour c);
// Filled polygon (pixel centres inside by the even-odd rule).
void polygon(Bitmap& b, const std::vector<Pt>& points, Colour c);
// Vertical gradient over rows [t, b) and columns [l, r).
void gradient(Bitmap& b, int l, int t, int r, int bottom, Colour top, Colour bottom_colour);
// Horizontal gradient over columns [l, r) and rows [t, b).
void hgradient(Bitmap& b, int l, int t, int r, int bottom, Colour left, Colour right);
// Blend of two colours, f = 0 gives a, f = 1 gives b.
Colour mix(Colour a, Colour b, double f);

// Text with the game's Japanese font: size in points, optional 1-pixel
// shadow down-right. Returns the text's width in pixels.
int text(Bitmap& b, int x, int y, std::string_view utf8, int size, bool bold, Colour c, Colour shadow = kNone);
int text_width(std::string_view utf8, int size, bool bold);

// Deterministic noise: a well-mixed 32-bit hash of three numbers.
unsigned hash3(int a, int b, int c);

} // namespace tsu::assetgen
