// The third heroine's blocks during the player step: each tick a block ages
// by one, is drawn shrinking and vanishes after 30 ticks; a block in her own
// cell lifts her onto it (which is how repeated placing climbs).
#include "game/game.h"
#include "game/grid.h"
#include "game/player.h"

namespace tsu {

namespace {
constexpr int kBlockLife = 30;   // ticks a block lasts
constexpr int kBlockPicture = 88;
constexpr int kBlockHalf = 25;   // half size at age 0, in pixels; one less every 2 ticks
} // namespace

void block_step(Game& g) {
    for (int i = 1; i <= 100; ++i) {
        tman& b = g.block[std::size_t(i)];
        if (b.alive < 1) continue;
        b.alive += 1;
        if (b.alive >= kBlockLife) {
            b.alive = 0;
            continue;
        }
        const int h = kBlockHalf - b.alive / 2;
        const int cx = b.x * kCell + kCell / 2, cy = b.y * kCell + kCell / 2;
        g.cg.stretch_draw(Rect{cx - h, cy - h, cx + h, cy + h}, g.cg_img[kBlockPicture]);
    }
    if (block_at(g, g.my.x, g.my.y) != 0 && g.my.fly == 0) g.my.y -= 1;
}

} // namespace tsu
