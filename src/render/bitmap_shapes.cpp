// Outlined and filled rectangles and ellipses of the canvas.
//
// Pen widths: a pen of width w is centred on the shape's border line, as the
// system's geometric pens are: the outline band covers w / 2 pixels outside
// the box and w - w / 2 pixels inside it. Width 1 (and 0, the thinnest pen)
// therefore draws exactly the border pixels of the box (x = l, x = r - 1,
// y = t, y = b - 1); width 3 adds one pixel outside and one more inside.
// The brush fills what the pen band leaves inside, unless the brush is clear.
// Boxes given the wrong way round are put in order first.
#include "render/bitmap.h"
#include "render/raster_span.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tsu {
namespace raster {

namespace {
long long isqrt(unsigned long long m) {
    auto s = static_cast<long long>(std::sqrt(static_cast<double>(m)));
    while (s > 0 && static_cast<unsigned long long>(s) * static_cast<unsigned long long>(s) > m) --s;
    while (static_cast<unsigned long long>(s + 1) * static_cast<unsigned long long>(s + 1) <= m) ++s;
    return s;
}
} // namespace

Span ellipse_row(int l, int t, int r, int b, int y) {
    const long long dx = (long long)r - l, dy = (long long)b - t;
    if (dx <= 0 || dy <= 0 || dx > kMaxEllipse || dy > kMaxEllipse || y < t || y >= b) return {};
    // Work in doubled coordinates so the centre of an even box is an integer:
    // pixel x lies 2x - c half-pixels from the centre.
    const long long c = (long long)l + r - 1;
    const long long dy2 = 2LL * y - ((long long)t + b - 1);
    long long half; // largest |2x - c| inside this row
    if (dy2 >= -1 && dy2 <= 1) {
        half = dx - 1;
    } else {
        const auto m = static_cast<unsigned long long>(dx * dx * (dy * dy - dy2 * dy2) / (dy * dy));
        half = std::clamp(isqrt(m), dx % 2 == 0 ? 1LL : 0LL, dx - 1);
    }
    return {int(floor_div(c - half + 1, 2)), int(floor_div(c + half, 2) + 1)};
}

} // namespace raster

namespace {

// Keeps far-away coordinates from overflowing the pen arithmetic; anything
// this far out lies well outside any picture.
constexpr int kFar = 1 << 24;
constexpr int kMaxPen = 4096;

void order_box(int& l, int& t, int& r, int& b) {
    if (l > r) std::swap(l, r);
    if (t > b) std::swap(t, b);
    l = std::clamp(l, -kFar, kFar);
    r = std::clamp(r, -kFar, kFar);
    t = std::clamp(t, -kFar, kFar);
    b = std::clamp(b, -kFar, kFar);
}

int pen_of(int width) { return std::clamp(width, 1, kMaxPen); }

} // namespace

void Bitmap::rectangle(int l, int t, int r, int b) {
    order_box(l, t, r, b);
    if (l == r || t == b) return;
    const int w = pen_of(pen_width), out = w / 2, in = w - w / 2;
    const int ol = l - out, ot = t - out, orr = r + out, ob = b + out;
    const int il = l + in, it = t + in, ir = r - in, ib = b - in;
    const bool inner = il < ir && it < ib;
    const bool brush = brush_style == BrushStyle::solid;
    const int y0 = std::max(ot, 0), y1 = std::min(ob, height_);
    for (int y = y0; y < y1; ++y) {
        if (inner && y >= it && y < ib) {
            raster::hspan(*this, ol, il, y, pen_colour);
            if (brush) raster::hspan(*this, il, ir, y, brush_colour);
            raster::hspan(*this, ir, orr, y, pen_colour);
        } else {
            raster::hspan(*this, ol, orr, y, pen_colour);
        }
    }
}

void Bitmap::ellipse(int l, int t, int r, int b) {
    order_box(l, t, r, b);
    if (l == r || t == b) return;
    const int w = pen_of(pen_width);
    const bool brush = brush_style == BrushStyle::solid;
    if (w == 1) {
        // The outline is every pixel of the shape with a 4-neighbour outside
        // it: a thin, 8-connected ring.
        const int y0 = std::max(t, 0), y1 = std::min(b, height_);
        for (int y = y0; y < y1; ++y) {
            const raster::Span s = raster::ellipse_row(l, t, r, b, y);
            if (s.empty()) continue;
            const raster::Span up = raster::ellipse_row(l, t, r, b, y - 1);
            const raster::Span dn = raster::ellipse_row(l, t, r, b, y + 1);
            int x0 = s.x0 + 1, x1 = s.x1 - 1;
            if (up.empty() || dn.empty()) {
                x1 = x0;
            } else {
                x0 = std::max({x0, up.x0, dn.x0});
                x1 = std::min({x1, up.x1, dn.x1});
            }
            if (x0 >= x1) {
                raster::hspan(*this, s.x0, s.x1, y, pen_colour);
                continue;
            }
            raster::hspan(*this, s.x0, x0, y, pen_colour);
            if (brush) raster::hspan(*this, x0, x1, y, brush_colour);
            raster::hspan(*this, x1, s.x1, y, pen_colour);
        }
        return;
    }
    // Wide pens: the band between the ellipse of the grown box and the one of
    // the shrunken box.
    const int out = w / 2, in = w - w / 2;
    const int ol = l - out, ot = t - out, orr = r + out, ob = b + out;
    const int il = l + in, it = t + in, ir = r - in, ib = b - in;
    const bool inner = il < ir && it < ib;
    const int y0 = std::max(ot, 0), y1 = std::min(ob, height_);
    for (int y = y0; y < y1; ++y) {
        const raster::Span so = raster::ellipse_row(ol, ot, orr, ob, y);
        if (so.empty()) continue;
        raster::Span si = inner ? raster::ellipse_row(il, it, ir, ib, y) : raster::Span{};
        if (si.empty()) {
            raster::hspan(*this, so.x0, so.x1, y, pen_colour);
            continue;
        }
        si.x0 = std::max(si.x0, so.x0);
        si.x1 = std::min(si.x1, so.x1);
        raster::hspan(*this, so.x0, si.x0, y, pen_colour);
        if (brush) raster::hspan(*this, si.x0, si.x1, y, brush_colour);
        raster::hspan(*this, si.x1, so.x1, y, pen_colour);
    }
}

} // namespace tsu
