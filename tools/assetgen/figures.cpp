// Drawing helpers of the content tools (see figures.h).
#include "figures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tsu::assetgen {

void oval(Bitmap& b, int l, int t, int r, int bottom, Colour fill, Colour outline) {
    b.pen_width = 1;
    b.brush_style = BrushStyle::solid;
    b.brush_colour = fill;
    b.pen_colour = outline == kNone ? fill : outline;
    b.ellipse(l, t, r, bottom);
}

void disc(Bitmap& b, int cx, int cy, int rx, int ry, Colour fill, Colour outline) {
    oval(b, cx - rx, cy - ry, cx + rx + 1, cy + ry + 1, fill, outline);
}

void box(Bitmap& b, int l, int t, int r, int bottom, Colour fill, Colour outline) {
    b.pen_width = 1;
    b.brush_style = BrushStyle::solid;
    b.brush_colour = fill;
    b.pen_colour = outline == kNone ? fill : outline;
    b.rectangle(l, t, r, bottom);
}

void stroke(Bitmap& b, int x0, int y0, int x1, int y1, int width, Colour c) {
    b.pen_colour = c;
    b.pen_width = width;
    b.line(x0, y0, x1, y1);
    if (width <= 1) b.set_pixel(x1, y1, c);
    b.pen_width = 1;
}

void polygon(Bitmap& b, const std::vector<Pt>& p, Colour c) {
    if (p.size() < 3) return;
    double ymin = p[0].y, ymax = p[0].y;
    for (const Pt& q : p) {
        ymin = std::min(ymin, q.y);
        ymax = std::max(ymax, q.y);
    }
    const int y0 = std::max(0, int(std::floor(ymin))), y1 = std::min(b.height() - 1, int(std::ceil(ymax)));
    std::vector<double> xs;
    for (int y = y0; y <= y1; ++y) {
        const double yc = y + 0.5;
        xs.clear();
        for (std::size_t i = 0; i < p.size(); ++i) {
            const Pt& a = p[i];
            const Pt& d = p[(i + 1) % p.size()];
            if ((a.y <= yc && yc < d.y) || (d.y <= yc && yc < a.y))
                xs.push_back(a.x + (yc - a.y) * (d.x - a.x) / (d.y - a.y));
        }
        std::sort(xs.begin(), xs.end());
        for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
            const int xa = int(std::ceil(xs[i] - 0.5)), xb = int(std::ceil(xs[i + 1] - 0.5));
            for (int x = xa; x < xb; ++x) b.set_pixel(x, y, c);
        }
    }
}

Colour mix(Colour a, Colour b, double f) {
    auto ch = [&](int shift) {
        const double va = (a >> shift) & 0xFF, vb = (b >> shift) & 0xFF;
        return int(std::lround(va + (vb - va) * f));
    };
    return rgb(ch(16), ch(8), ch(0));
}

void gradient(Bitmap& b, int l, int t, int r, int bottom, Colour top, Colour bottom_colour) {
    const int n = std::max(1, bottom - t - 1);
    for (int y = t; y < bottom; ++y) {
        b.brush_colour = mix(top, bottom_colour, double(y - t) / n);
        b.brush_style = BrushStyle::solid;
        b.fill_rect({l, y, r, y + 1});
    }
}

void hgradient(Bitmap& b, int l, int t, int r, int bottom, Colour left, Colour right) {
    const int n = std::max(1, r - l - 1);
    for (int x = l; x < r; ++x) {
        b.brush_colour = mix(left, right, double(x - l) / n);
        b.brush_style = BrushStyle::solid;
        b.fill_rect({x, t, x + 1, bottom});
    }
}

int text(Bitmap& b, int x, int y, std::string_view utf8, int size, bool bold, Colour c, Colour shadow) {
    b.brush_style = BrushStyle::clear;
    b.font.style = {size, bold, false};
    if (shadow != kNone) {
        b.font.colour = shadow;
        b.text_out(x + 1, y + 1, utf8);
    }
    b.font.colour = c;
    b.text_out(x, y, utf8);
    b.brush_style = BrushStyle::solid;
    return b.text_width(utf8);
}

int text_width(std::string_view utf8, int size, bool bold) {
    Bitmap probe(1, 1);
    probe.font.style = {size, bold, false};
    return probe.text_width(utf8);
}

unsigned hash3(int a, int b, int c) {
    std::uint32_t h = std::uint32_t(a) * 73856093u ^ std::uint32_t(b) * 19349663u ^ std::uint32_t(c) * 83492791u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return h;
}

} // namespace tsu::assetgen
