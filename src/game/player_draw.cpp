// Drawing the heroine: her picture by heroine and flight state, stretched
// to the square of half size my.size around her cell, with the hover bob in
// flight and the blinking after a hit.
#include "game/game.h"
#include "game/player.h"

#include <array>

namespace tsu {

namespace {

// Sprite numbers of one heroine. `held_odd` replaces `normal` on odd ticks
// while X is held (the second heroine's fuel flight); the flying pictures
// alternate on even and odd ticks.
struct HeroinePictures {
    int normal;
    int held_odd;
    int fly_even;
    int fly_odd;
};

constexpr std::array<HeroinePictures, 3> kPictures{{
    {0, 0, 76, 77},
    {66, 67, 78, 79},
    {85, 85, 86, 87},
}};

// Pixels the flying square is raised, by frame_count mod 4.
constexpr std::array<int, 4> kHoverBob{1, 2, 3, 2};

bool visible(int32_t blink) { return blink == 1 || (blink > 1 && blink % 2 == 0); }

} // namespace

void draw_heroine(Game& g) {
    tmy& my = g.my;
    if (visible(my.blink)) {
        const HeroinePictures& p = kPictures[std::size_t(g.chara >= 0 && g.chara <= 2 ? g.chara : 0)];
        const bool odd = g.frame_count % 2 == 1;
        int picture = p.normal;
        int raise = 0;
        if (my.fly > 0) {
            picture = odd ? p.fly_odd : p.fly_even;
            raise = kHoverBob[std::size_t(g.frame_count % 4)];
        } else if (g.key_x_held != 0 && odd) {
            picture = p.held_odd;
        }
        const int cx = my.x * kCell + kCell / 2;
        const int cy = my.y * kCell + kCell / 2 - raise;
        g.cg.stretch_draw(Rect{cx - my.size, cy - my.size, cx + my.size, cy + my.size},
                          g.cg_img[std::size_t(picture)]);
    }
    if (my.blink > 1) my.blink -= 1;
}

} // namespace tsu
