// The screen shake (250): the view as drawn so far is copied onto itself a
// few pixels off, so the map, the sprites and the earlier effects jump while
// whatever is drawn after it this tick stands still.
#include "game/game.h"
#include "render/effect_families.h"
#include "render/effect_shape.h"

#include <array>

namespace tsu {

namespace {

using namespace effect_shape;

bool draw_shake(EffectSlot& s) {
    Bitmap& view = s.canvas;
    // The offsets are drawn y first, each -5..+5.
    const int dy = s.g.rnd(11) - 5;
    const int dx = s.g.rnd(11) - 5;
    // A copy of the view to read from; kept between ticks so the shake
    // allocates nothing once it has run.
    thread_local Bitmap before;
    before = view;
    view.copy_rect(Rect{dx, dy, dx + view.width(), dy + view.height()}, before,
                   Rect{0, 0, view.width(), view.height()});
    return false;
}

constexpr std::array kKinds = {shape_kind(250, kView, draw_shake, 5, -1)};

} // namespace

std::span<const EffectKind> shake_kinds() { return kKinds; }

} // namespace tsu
