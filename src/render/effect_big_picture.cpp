// The big picture (7): teki3.bmp leaps up into the view, hangs a moment and
// falls away. The slot's y moves by an amount set by the age each tick.
#include "game/game.h"
#include "render/effect_families.h"
#include "render/effect_shape.h"

#include <array>

namespace tsu {

namespace {

using namespace effect_shape;

constexpr std::size_t kPicture = 6; // teki3.bmp in the picture table

// The y step for an age: -40 at 0..1, -30 at 2..3, -20 at 4..5, -10 at 6..7,
// -5 at 8..13, +2 at 14..16, +5 at 17..18, +12 at 19..21, +22 from 22 on.
int lift(int age) {
    struct Span {
        int upto, dy;
    };
    static constexpr std::array<Span, 8> kLift = {
        {{1, -40}, {3, -30}, {5, -20}, {7, -10}, {13, -5}, {16, 2}, {18, 5}, {21, 12}}};
    for (const Span& s : kLift)
        if (age <= s.upto) return s.dy;
    return 22;
}

bool draw_big_picture(EffectSlot& s) {
    s.y() += lift(s.age());
    s.canvas.draw(s.x() - 150, s.y() - 75, s.g.cg_img[kPicture]);
    return false;
}

constexpr std::array kKinds = {shape_kind(7, kView, draw_big_picture, 30, 0)};

} // namespace

std::span<const EffectKind> big_picture_kinds() { return kKinds; }

} // namespace tsu
