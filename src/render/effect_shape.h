// What the shape and particle effects share: points on circles with the
// game's two values of pi, dots and hollow rings, colour ramps by age, the
// drawing state every drawer leaves behind, and the table entries of a
// shape kind.
#pragma once
#include "render/bitmap.h"
#include "render/effect_kind.h"
#include "render/raster_span.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <span>

namespace tsu::effect_shape {

// Degrees become radians with pi taken as 3.1415; a handful of kinds were
// tuned with 3.14 and keep it (their dots sit a little further round).
enum class Pi { p3_1415, p3_14 };

inline constexpr double pi_value(Pi pi) { return pi == Pi::p3_14 ? 3.14 : 3.1415; }

// The kinds that take pi as 3.14; every other kind takes 3.1415.
inline constexpr std::array<int32_t, 15> kPi314Kinds = {41, 42,  51,  52,  78,  79,  90, 92,
                                                        93, 94, 120, 121, 148, 176, 236};
inline constexpr Pi pi_for(int32_t kind) {
    for (int32_t k : kPi314Kinds)
        if (k == kind) return Pi::p3_14;
    return Pi::p3_1415;
}

struct Point {
    int x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

// A coordinate offset truncated toward zero, kept inside int.
inline int truncate(double v) {
    constexpr double kFar = 1 << 28;
    return int(std::clamp(v, -kFar, kFar));
}

// The point at `deg` degrees and radius r around (ox, oy): cosine and sine
// times the radius, each truncated toward zero; y grows downward.
inline Point on_circle(int ox, int oy, double deg, double r, Pi pi) {
    const double a = deg * pi_value(pi) / 180.0;
    return {ox + truncate(std::cos(a) * r), oy + truncate(std::sin(a) * r)};
}

// A dot of half-size h: the ellipse in the box (cx - h, cy - h)-(cx + h, cy + h).
// Most dots are one colour (a 1 px pen the colour of a solid brush); those
// are filled a row at a time, the same pixels the canvas's ellipse gives
// them, at a third of its cost (the particle effects draw hundreds a tick).
inline void dot(Bitmap& b, int cx, int cy, int h) {
    const bool one_colour = b.pen_colour == b.brush_colour && b.pen_width <= 1 &&
                            b.brush_style == BrushStyle::solid;
    if (!one_colour) {
        b.ellipse(cx - h, cy - h, cx + h, cy + h);
        return;
    }
    h = h < 0 ? -h : h; // a box given the wrong way round is the same box
    if (h == 0) return;
    const int top = cy - h, bottom = cy + h;
    const int y0 = std::max(top, 0), y1 = std::min(bottom, b.height());
    for (int y = y0; y < y1; ++y) {
        const raster::Span row = raster::ellipse_row(cx - h, top, cx + h, bottom, y);
        if (!row.empty()) raster::hspan(b, row.x0, row.x1, y, b.pen_colour);
    }
}

// A hollow ring of radius r in the pen (the brush stays as it was set).
inline void ring(Bitmap& b, int cx, int cy, int r) {
    const BrushStyle before = b.brush_style;
    b.brush_style = BrushStyle::clear;
    b.ellipse(cx - r, cy - r, cx + r, cy + r);
    b.brush_style = before;
}

inline void colours(Bitmap& b, Colour pen, Colour brush) {
    b.pen_colour = pen;
    b.brush_colour = brush;
}
inline void colour(Bitmap& b, Colour both) { colours(b, both, both); }

// Entry i of a ramp, the ends repeated beyond either side.
inline Colour at(std::span<const Colour> ramp, int i) {
    return ramp[std::size_t(std::clamp(i, 0, int(ramp.size()) - 1))];
}

// A colour step of a ramp: used up to and including age `upto`.
struct Step {
    int upto;
    Colour colour;
};
// The colour for an age: the first step whose upto reaches it, else the last.
inline Colour by_age(std::span<const Step> ramp, int age) {
    for (const Step& s : ramp)
        if (age <= s.upto) return s.colour;
    return ramp.back().colour;
}

// Every drawer leaves the canvas as the next one expects it: a one-pixel pen
// and a solid brush, whatever it set on the way.
class PenScope {
  public:
    explicit PenScope(Bitmap& b) : b_(b) {}
    ~PenScope() {
        b_.pen_width = 1;
        b_.brush_style = BrushStyle::solid;
    }
    PenScope(const PenScope&) = delete;
    PenScope& operator=(const PenScope&) = delete;

  private:
    Bitmap& b_;
};

// Entries of the shape families: the age after which the slot is freed and
// the age written then (0 or -1).
constexpr EffectKind shape_kind(int32_t kind, EffectLayer layer, EffectDrawer draw, int32_t last_age,
                                int32_t end_value, int32_t style = 0) {
    EffectKind k;
    k.kind = kind;
    k.layer = layer;
    k.draw = draw;
    k.end = EffectEnd::after_age;
    k.limit = last_age;
    k.end_value = end_value;
    k.style = style;
    return k;
}

// A kind with no age limit: it keeps its slot until a later spawn takes it.
constexpr EffectKind endless_kind(int32_t kind, EffectLayer layer, EffectDrawer draw,
                                  int32_t style = 0) {
    EffectKind k = shape_kind(kind, layer, draw, 0, 0, style);
    k.end = EffectEnd::never;
    return k;
}

inline constexpr EffectLayer kView = EffectLayer::view;
inline constexpr EffectLayer kLight = EffectLayer::light;

} // namespace tsu::effect_shape
