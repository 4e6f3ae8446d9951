// Drawing helpers of the interim art (see figures.h).
#include "figures.h"

#include <algorithm>
#include <cstdint>
#include <cmath>
#include <vector>

namespace tsu::assetgen {

Bitmap keyed(int w, int h, Colour key) { return Bitmap(w, h, key); }

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
    if (width <= 1) b.set_pixel(x1, y1, c); // include the end point
    b.pen_width = 1;
}

void polygon(Bitmap& b, std::initializer_list<Pt> points, Colour c) {
    polygon_at(b, 0, 0, 1, points, c);
}

void polygon_at(Bitmap& b, double ox, double oy, double scale, std::initializer_list<Pt> points, Colour c) {
    std::vector<Pt> p;
    for (const Pt& q : points) p.push_back({ox + q.x * scale, oy + q.y * scale});
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

void gradient(Bitmap& b, int t, int bottom, Colour top, Colour bottom_colour) {
    const int n = std::max(1, bottom - t - 1);
    for (int y = t; y < bottom; ++y) {
        b.brush_colour = mix(top, bottom_colour, double(y - t) / n);
        b.fill_rect({0, y, b.width(), y + 1});
    }
}

void seal_pinholes(Bitmap& b, Colour key) {
    const int w = b.width(), h = b.height();
    std::vector<std::uint8_t> outside(std::size_t(w) * std::size_t(h), 0);
    std::vector<std::pair<int, int>> todo;
    for (int x = 0; x < w; ++x) todo.insert(todo.end(), {{x, 0}, {x, h - 1}});
    for (int y = 0; y < h; ++y) todo.insert(todo.end(), {{0, y}, {w - 1, y}});
    while (!todo.empty()) {
        const auto [x, y] = todo.back();
        todo.pop_back();
        if (x < 0 || y < 0 || x >= w || y >= h) continue;
        std::uint8_t& o = outside[std::size_t(y) * std::size_t(w) + std::size_t(x)];
        if (o != 0 || b.pixel(x, y) != key) continue;
        o = 1;
        todo.insert(todo.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
    }
    // Row by row, so the pixel above a hole pixel is figure or already closed.
    for (int y = 1; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (b.pixel(x, y) == key && outside[std::size_t(y) * std::size_t(w) + std::size_t(x)] == 0)
                b.set_pixel(x, y, b.pixel(x, y - 1));
}

void pixel_art(Bitmap& b, int x, int y, std::initializer_list<std::string_view> rows, Legend legend) {
    int row = 0;
    for (const std::string_view r : rows) {
        for (std::size_t i = 0; i < r.size(); ++i)
            for (const auto& [ch, c] : legend)
                if (r[i] == ch) b.set_pixel(x + int(i), y + row, c);
        ++row;
    }
}

int text(Bitmap& b, int x, int y, std::string_view utf8, int size, bool bold, Colour c, Colour shadow) {
    b.brush_style = BrushStyle::clear;
    b.font.spec = {size, bold, false};
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
    probe.font.spec = {size, bold, false};
    return probe.text_width(utf8);
}

} // namespace tsu::assetgen
