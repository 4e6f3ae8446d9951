// Drawing helpers of the interim art: key-coloured sprite pictures, filled
// polygons, discs and outlined boxes, thick lines, small pixel-art grids
// given as text, and shaded text.
#pragma once
#include "render/bitmap.h"

#include <initializer_list>
#include <string_view>
#include <utility>

namespace tsu::assetgen {

// The key colour of every sprite: a magenta no figure uses.
inline constexpr Colour kKey = rgb(0xFF00FF);
// "No colour" for optional outlines (real colours are always opaque).
inline constexpr Colour kNone = 0;

struct Pt {
    double x, y;
};

// A picture of the given size filled with the key colour.
Bitmap keyed(int w, int h, Colour key = kKey);

// Ellipse in the box [l, r) x [t, b), filled, with an optional 1-pixel outline.
void oval(Bitmap& b, int l, int t, int r, int bottom, Colour fill, Colour outline = kNone);
// Ellipse of radius rx, ry around the pixel centre (cx, cy).
void disc(Bitmap& b, int cx, int cy, int rx, int ry, Colour fill, Colour outline = kNone);
// Rectangle [l, r) x [t, b), filled, with an optional 1-pixel outline.
void box(Bitmap& b, int l, int t, int r, int bottom, Colour fill, Colour outline = kNone);
// Line of the given pen width (round tip).
void stroke(Bitmap& b, int x0, int y0, int x1, int y1, int width, Colour c);
// Filled polygon (pixel centres inside by the even-odd rule).
void polygon(Bitmap& b, std::initializer_list<Pt> points, Colour c);
// A polygon given relative to an origin and scaled, for shapes reused at sizes.
void polygon_at(Bitmap& b, double ox, double oy, double scale, std::initializer_list<Pt> points, Colour c);
// Vertical gradient over [t, b) from colour `top` to colour `bottom_colour`.
void gradient(Bitmap& b, int t, int bottom, Colour top, Colour bottom_colour);
// Blend of two colours, f = 0 gives a, f = 1 gives b.
Colour mix(Colour a, Colour b, double f);

// Closes see-through pinholes: key-coloured pixels that the figure encloses
// (not joined to the picture's edge through key pixels) take the colour
// above them. Overlapping strokes leave such pockets now and then.
void seal_pinholes(Bitmap& b, Colour key);

// Pixel art: one string per row, one character per pixel; characters not
// in the legend (like '.') are left as they are.
using Legend = std::initializer_list<std::pair<char, Colour>>;
void pixel_art(Bitmap& b, int x, int y, std::initializer_list<std::string_view> rows, Legend legend);

// Text with the game's Japanese font: size in points, optional 1-pixel shadow
// down-right. Returns the text's width in pixels.
int text(Bitmap& b, int x, int y, std::string_view utf8, int size, bool bold, Colour c,
         Colour shadow = kNone);
int text_width(std::string_view utf8, int size, bool bold);

} // namespace tsu::assetgen
