// Twinkles on the light layer, after 66: a large and a small cross that swell
// and shrink through the point, and six dots circling it. 178 is the same
// sparkle with its dots drawn first and a warmer cross.
#include "game/game.h"
#include "render/effect_families.h"
#include "render/effect_shape.h"

#include <algorithm>
#include <array>
#include <span>

namespace tsu {

namespace {

using namespace effect_shape;

// Colours step every `div` ages.
struct Twinkle {
    std::span<const Colour> big_cross, small_cross, dot_brush, dot_pen;
    int div;
    bool dots_first;
    int dot_random; // > 0: the dots grow by random(dot_random), drawn once per tick
};

// 66: a blue cross fading to plum, a pink inner cross and pink dots fading to
// deep blue.
constexpr std::array kBlueCross = {rgb(0x00A9FB), rgb(0x0080C0), rgb(0x006697), rgb(0x233974),
                                   rgb(0x572F68), rgb(0x580E47), rgb(0x580E33)};
constexpr std::array kPinkCross = {rgb(0xFFBBFF), rgb(0xFF71FF), rgb(0xC53CFF), rgb(0x731FFE),
                                   rgb(0x1D02D9), rgb(0x001775), rgb(0x000055)};
// 178: white and violet dots, a red cross ripening to green.
constexpr std::array kVioletBrush = {rgb(0xFFFFFF), rgb(0xBC79FF), rgb(0x8E1EFF), rgb(0x75009B),
                                     rgb(0x000000)};
constexpr std::array kVioletPen = {rgb(0x00FFFF), rgb(0xA346FF), rgb(0x7C00F9), rgb(0x7D007A),
                                   rgb(0x7D007A)};
constexpr std::array kWarmCross = {rgb(0xFF0000), rgb(0xFF8822), rgb(0xAAEE66), rgb(0x88DD44),
                                   rgb(0x66BB22)};

constexpr std::array kTwinkles = {
    Twinkle{kBlueCross, kPinkCross, kPinkCross, kPinkCross, 3, false, 0}, // 66
    Twinkle{kWarmCross, kWarmCross, kVioletBrush, kVioletPen, 4, true, 2}, // 178
};

void cross(Bitmap& b, int x, int y, int half, int pen_width) {
    b.pen_width = pen_width;
    b.line(x, y - half, x, y + half);
    b.line(x - half, y, x + half, y);
}

bool draw_twinkle(EffectSlot& s) {
    Bitmap& b = s.canvas;
    PenScope scope(b);
    const Twinkle& t = kTwinkles[std::size_t(s.info.style)];
    const int age = s.age(), x = s.x(), y = s.y();
    const int step = age / t.div;
    const int u = std::min(age, 14);
    const int k = u * (14 - u) / 3;
    const int grow = t.dot_random > 0 ? s.g.rnd(t.dot_random) : 0;
    auto dots = [&] {
        b.pen_width = 1;
        colours(b, at(t.dot_pen, step), at(t.dot_brush, step));
        const int h = std::max(1, 2 - age / 5) + grow;
        for (int j = 1; j <= 6; ++j) {
            const Point p = on_circle(x, y, 60 * j + 2 * age, age + 20, pi_for(s.kind()));
            dot(b, p.x, p.y, h);
        }
    };
    if (t.dots_first) dots();
    b.pen_colour = at(t.big_cross, step);
    cross(b, x, y, 2 * k, std::max(0, 6 - age / 5));
    b.pen_colour = at(t.small_cross, step);
    cross(b, x, y, k, std::max(0, 3 - age / 6));
    if (!t.dots_first) dots();
    return false;
}

constexpr std::array kKinds = {
    shape_kind(66, kLight, draw_twinkle, 20, 0, 0),
    shape_kind(178, kLight, draw_twinkle, 16, -1, 1),
};

} // namespace

std::span<const EffectKind> twinkle_kinds() { return kKinds; }

} // namespace tsu
