// Pictures on the canvas: drawing at a point with the key colour, stretched
// and upside-down draws, raster copies (SRCCOPY, SRCPAINT) and flipping.
//
// Stretching is nearest neighbour: destination pixel i of a run of dn pixels
// takes source sample floor(i * sn / dn). A destination rectangle given the
// wrong way round (right < left or bottom < top) is mirrored on that axis,
// as the system's stretched copies do. Source pixels outside the source
// picture are not drawn.
#include "render/bitmap.h"

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace tsu {
namespace {

enum class Op { key, copy, paint };

constexpr int kFar = 1 << 24;

// How one axis of a stretched copy maps destination offsets to source samples.
struct Axis {
    long long i0 = 0, i1 = 0; // destination offsets i0 <= i < i1 are drawn
    long long k0 = 0, rem0 = 0; // source sample and remainder at i0
    long long step = 0, step_rem = 0, dn = 1;
    long long base = 0; // source index = base + k, or base - k when flipped
    bool flip = false;
    bool contiguous() const { return !flip && step == 1 && step_rem == 0; }
};

long long ceil_div(long long a, long long b) { return a >= 0 ? (a + b - 1) / b : -((-a) / b); }
long long floor_div(long long a, long long b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// d0, dn: destination start and length (dn > 0); s0, sn: source start and
// length (sn > 0). Returns false when nothing of the axis is visible.
bool map_axis(long long d0, long long dn, long long s0, long long sn, bool flip,
              long long dst_extent, long long src_extent, Axis& a) {
    long long kmin = 0, kmax = 0;
    if (!flip) {
        kmin = std::max(0LL, -s0);
        kmax = std::min(sn - 1, src_extent - 1 - s0);
    } else {
        kmin = std::max(0LL, s0 + sn - src_extent);
        kmax = std::min(sn - 1, s0 + sn - 1);
    }
    if (kmin > kmax) return false;
    // Destination offsets whose sample lies in [kmin, kmax], and on the picture.
    long long lo = ceil_div(kmin * dn, sn);
    long long hi = floor_div((kmax + 1) * dn - 1, sn) + 1;
    lo = std::max({lo, 0LL, -d0});
    hi = std::min({hi, dn, dst_extent - d0});
    if (lo >= hi) return false;
    a.i0 = lo;
    a.i1 = hi;
    a.k0 = lo * sn / dn;
    a.rem0 = lo * sn % dn;
    a.step = sn / dn;
    a.step_rem = sn % dn;
    a.dn = dn;
    a.flip = flip;
    a.base = flip ? s0 + sn - 1 : s0;
    return true;
}

void blit(Bitmap& dst, Rect d, const Bitmap& src, Rect s, bool flip_y, Op op) {
    if (dst.empty() || src.empty()) return;
    bool flip_x = false;
    if (d.right < d.left) { std::swap(d.left, d.right); flip_x = !flip_x; }
    if (d.bottom < d.top) { std::swap(d.top, d.bottom); flip_y = !flip_y; }
    if (s.right < s.left) { std::swap(s.left, s.right); flip_x = !flip_x; }
    if (s.bottom < s.top) { std::swap(s.top, s.bottom); flip_y = !flip_y; }
    // Rectangles reaching absurdly far out are pulled in, which keeps the
    // products below in range; no picture is that large.
    for (int* v : {&d.left, &d.top, &d.right, &d.bottom, &s.left, &s.top, &s.right, &s.bottom})
        *v = std::clamp(*v, -kFar, kFar);
    if (d.width() == 0 || d.height() == 0 || s.width() == 0 || s.height() == 0) return;

    Axis ax, ay;
    if (!map_axis(d.left, d.width(), s.left, s.width(), flip_x, dst.width(), src.width(), ax)) return;
    if (!map_axis(d.top, d.height(), s.top, s.height(), flip_y, dst.height(), src.height(), ay)) return;

    const Colour key = src.key_colour();
    const Colour* sp = src.pixels().data();
    Colour* dp = dst.pixels().data();
    const auto sw = std::size_t(src.width()), dw = std::size_t(dst.width());
    const auto n = std::size_t(ax.i1 - ax.i0);

    // Source columns of a stretched run, worked out once per draw rather
    // than per row (kept between draws: no allocation once grown).
    thread_local std::vector<std::size_t> columns;
    if (!ax.contiguous()) {
        columns.resize(n);
        long long kx = ax.k0, rx = ax.rem0;
        for (std::size_t j = 0; j < n; ++j) {
            columns[j] = std::size_t(ax.flip ? ax.base - kx : ax.base + kx);
            kx += ax.step;
            rx += ax.step_rem;
            if (rx >= ax.dn) { rx -= ax.dn; ++kx; }
        }
    }
    const std::size_t* col = columns.data();

    long long ky = ay.k0, ry = ay.rem0;
    for (long long i = ay.i0; i < ay.i1; ++i) {
        const long long sy = ay.flip ? ay.base - ky : ay.base + ky;
        const Colour* srow = sp + std::size_t(sy) * sw;
        Colour* drow = dp + std::size_t(d.top + i) * dw + std::size_t(d.left + ax.i0);
        if (ax.contiguous()) {
            const Colour* s_run = srow + std::size_t(ax.base + ax.k0);
            switch (op) {
            case Op::copy: std::copy(s_run, s_run + n, drow); break;
            case Op::paint:
                for (std::size_t j = 0; j < n; ++j) drow[j] |= s_run[j];
                break;
            case Op::key:
                for (std::size_t j = 0; j < n; ++j) drow[j] = s_run[j] != key ? s_run[j] : drow[j];
                break;
            }
        } else {
            switch (op) {
            case Op::copy:
                for (std::size_t j = 0; j < n; ++j) drow[j] = srow[col[j]];
                break;
            case Op::paint:
                for (std::size_t j = 0; j < n; ++j) drow[j] |= srow[col[j]];
                break;
            case Op::key:
                for (std::size_t j = 0; j < n; ++j) {
                    const Colour c = srow[col[j]];
                    drow[j] = c != key ? c : drow[j];
                }
                break;
            }
        }
        ky += ay.step;
        ry += ay.step_rem;
        if (ry >= ay.dn) { ry -= ay.dn; ++ky; }
    }
}

Rect whole(const Bitmap& b) { return {0, 0, b.width(), b.height()}; }

} // namespace

void Bitmap::draw(int x, int y, const Bitmap& src) {
    blit(*this, {x, y, x + src.width(), y + src.height()}, src, whole(src), false,
         src.transparent ? Op::key : Op::copy);
}

void Bitmap::stretch_draw(const Rect& dst, const Bitmap& src) {
    blit(*this, dst, src, whole(src), false, src.transparent ? Op::key : Op::copy);
}

void Bitmap::stretch_draw_flipped(const Rect& dst, const Bitmap& src) {
    blit(*this, dst, src, whole(src), true, src.transparent ? Op::key : Op::copy);
}

void Bitmap::copy_rect(const Rect& dst_rect, const Bitmap& src, const Rect& src_rect, CopyMode mode) {
    const Op op = mode == CopyMode::src_paint ? Op::paint : Op::copy;
    if (&src == this) { // copying within one picture: read from a snapshot
        const Bitmap snapshot = src;
        blit(*this, dst_rect, snapshot, src_rect, false, op);
        return;
    }
    blit(*this, dst_rect, src, src_rect, false, op);
}

void Bitmap::mirror_vertical() {
    const auto w = std::size_t(width_);
    for (int top = 0, bottom = height_ - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(pixels_.begin() + std::ptrdiff_t(std::size_t(top) * w),
                         pixels_.begin() + std::ptrdiff_t(std::size_t(top + 1) * w),
                         pixels_.begin() + std::ptrdiff_t(std::size_t(bottom) * w));
}

} // namespace tsu
