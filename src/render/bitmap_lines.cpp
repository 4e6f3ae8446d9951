// Lines of the canvas: the pen position and Bresenham lines with the pen.
//
// A pen of width 1 (or 0) draws a one-pixel Bresenham line that leaves out
// its end point, so joined lines do not draw the corner twice, as the system
// does. Wider pens stamp a round pen tip (the disc of the pen's diameter,
// shaped like the canvas's ellipses) on every point of the line, end points
// included, which gives the round caps of a wide pen.
#include "render/bitmap.h"
#include "render/raster_span.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace tsu {

namespace {
constexpr int kFar = 1 << 24;   // coordinates beyond this are pulled in
constexpr int kMaxLinePen = 256; // the widest pen tip a line stamps
} // namespace

void Bitmap::move_to(int x, int y) {
    pen_x_ = x;
    pen_y_ = y;
}

void Bitmap::line_to(int x, int y) {
    const long long xa = std::clamp(pen_x_, -kFar, kFar), ya = std::clamp(pen_y_, -kFar, kFar);
    const long long xb = std::clamp(x, -kFar, kFar), yb = std::clamp(y, -kFar, kFar);
    pen_x_ = x;
    pen_y_ = y;
    if (empty()) return;
    const int w = std::clamp(pen_width, 1, kMaxLinePen);

    // Walk along the major axis a; the minor axis b follows by rounding.
    const bool x_major = std::llabs(xb - xa) >= std::llabs(yb - ya);
    const long long a0 = x_major ? xa : ya, b0 = x_major ? ya : xa;
    const long long n = x_major ? std::llabs(xb - xa) : std::llabs(yb - ya);
    const long long m = x_major ? std::llabs(yb - ya) : std::llabs(xb - xa);
    const long long sa = (x_major ? xb >= xa : yb >= ya) ? 1 : -1;
    const long long sb = (x_major ? yb >= ya : xb >= xa) ? 1 : -1;
    const long long last = w == 1 ? n - 1 : n; // steps 0..last are drawn
    if (last < 0) return;

    // Only the steps whose major coordinate can touch the picture.
    const long long reach = w;
    const long long extent = x_major ? width_ : height_;
    long long i0 = 0, i1 = last;
    if (sa > 0) {
        i0 = std::max(i0, -reach - a0);
        i1 = std::min(i1, extent - 1 + reach - a0);
    } else {
        i0 = std::max(i0, a0 - (extent - 1 + reach));
        i1 = std::min(i1, a0 + reach);
    }
    if (i0 > i1) return;

    // Minor offset at step i is round-half-up(i * m / n), kept incrementally.
    const long long two_n = 2 * std::max(n, 1LL);
    long long q = (2 * i0 * m + n) / two_n;
    long long rem = (2 * i0 * m + n) % two_n;

    if (w == 1) {
        for (long long i = i0; i <= i1; ++i) {
            const long long a = a0 + sa * i, b = b0 + sb * q;
            if (x_major) set_pixel(int(a), int(b), pen_colour);
            else set_pixel(int(b), int(a), pen_colour);
            rem += 2 * m;
            if (rem >= two_n) {
                rem -= two_n;
                ++q;
            }
        }
        return;
    }

    // The pen tip: row spans of the disc of diameter w around a point.
    const int out = w / 2;
    std::array<raster::Span, kMaxLinePen> tip{};
    for (int r = 0; r < w; ++r) tip[std::size_t(r)] = raster::ellipse_row(-out, -out, w - out, w - out, r - out);
    for (long long i = i0; i <= i1; ++i) {
        const long long a = a0 + sa * i, b = b0 + sb * q;
        const int px = int(x_major ? a : b), py = int(x_major ? b : a);
        if (py + w - out > 0 && py - out < height_) {
            for (int r = 0; r < w; ++r) {
                const raster::Span& s = tip[std::size_t(r)];
                raster::hspan(*this, px + s.x0, px + s.x1, py + r - out, pen_colour);
            }
        }
        rem += 2 * m;
        if (rem >= two_n) {
            rem -= two_n;
            ++q;
        }
    }
}

} // namespace tsu
