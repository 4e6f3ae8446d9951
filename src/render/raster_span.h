// Small raster helpers shared by the canvas's shape code: clipped
// horizontal spans, floor division for coordinates that may be negative, and
// the row spans of an ellipse inscribed in a box.
#pragma once
#include "render/bitmap.h"

#include <algorithm>
#include <cstddef>

namespace tsu::raster {

// Fills the pixels x0 <= x < x1 of row y with c, clipped to the picture.
inline void hspan(Bitmap& pic, int x0, int x1, int y, Colour c) {
    if (y < 0 || y >= pic.height()) return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, pic.width());
    if (x0 >= x1) return;
    Colour* row = pic.pixels().data() + std::size_t(y) * std::size_t(pic.width());
    std::fill(row + x0, row + x1, c);
}

inline long long floor_div(long long a, long long b) { // b > 0
    long long q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

// A half-open run of pixels x0 <= x < x1 (empty when x0 >= x1).
struct Span {
    int x0 = 0, x1 = 0;
    bool empty() const { return x0 >= x1; }
};

// The ellipse inscribed in the box [l, r) x [t, b) (r > l, b > t), as the
// pixels whose centres lie inside the ellipse touching the box's outer edges.
// Two rules keep thin shapes whole: every row of the box holds at least its
// centre pixel(s), and the middle row(s) span the box's full width, so the
// shape always touches all four sides of its box. Spans depend only on the
// distance from the centre, so the shape is symmetric in both axes.
// Boxes wider or taller than kMaxEllipse pixels are not drawn.
inline constexpr int kMaxEllipse = 32767;
Span ellipse_row(int l, int t, int r, int b, int y);

} // namespace tsu::raster
