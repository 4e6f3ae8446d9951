// Enemy shots: spawning into the ring of the pool, moving by signed periods,
// drawing and freeing.
#include "game/enemy_shots.h"

#include "game/enemies.h"
#include "game/game.h"
#include "game/grid.h"

#include <cstdlib>

namespace tsu {

void spawn_teki_shot(Game& g, int column, int row, int image, int vy, int vx) {
    // Advance to the next free record, at most once round the ring; when
    // every record is taken the one the ring ends on is overwritten.
    for (int step = 0; step < kTekiShotRing; ++step) {
        g.teki_shot_next = (g.teki_shot_next < 0 || g.teki_shot_next >= kTekiShotRing - 1)
                               ? 0
                               : g.teki_shot_next + 1;
        if (g.teki_shot[std::size_t(g.teki_shot_next + 1)].alive < 1) break;
    }
    tman& s = g.teki_shot[std::size_t(g.teki_shot_next + 1)];
    s.alive = 1;
    s.x = column - g.scroll;
    s.y = row;
    s.vx = vx;
    s.vy = vy;
    s.image = image;
    s.size = 10;
    s.anim = g.rnd(2);
}

int shot_axis_step(int v, int frame_count) {
    if (v == 0) return 0;
    // |v| taken wide so that the most negative period cannot overflow.
    const long long period = std::llabs(static_cast<long long>(v));
    if (static_cast<long long>(frame_count) % period != 0) return 0;
    return v > 0 ? 1 : -1;
}

namespace {

void draw_shot(Game& g, const tman& s) {
    const int image = s.image + s.anim;
    if (image < 0 || image >= int(g.cg_img.size())) return; // no such sprite
    const int cx = s.x * kCell + kCell / 2, cy = s.y * kCell + kCell / 2;
    g.cg.stretch_draw(Rect{cx - s.size, cy - s.size, cx + s.size, cy + s.size},
                      g.cg_img[std::size_t(image)]);
}

bool stops_shot(Game& g, int x, int y) {
    if (x < 0 || x > 25 || y < 0 || y > 19) return true;
    const cell& k = g.view_cell(x, y);
    // Only plain walls (1) stop shots; windows and fences (2) let them by.
    return pass_of(g.pass_lower.data(), k.lower) == 1 || pass_of(g.pass_upper.data(), k.upper) == 1;
}

} // namespace

void enemy_shot_step(Game& g) {
    for (int r = 1; r <= kTekiShotRecords; ++r) {
        tman& s = g.teki_shot[std::size_t(r)];
        if (s.alive < 1) continue;
        s.x += shot_axis_step(s.vx, g.frame_count);
        s.y += shot_axis_step(s.vy, g.frame_count);
        s.anim = s.anim == 0 ? 1 : 0;
        // Drawn where it now is, even when that cell ends it.
        if (s.x >= -1 && s.x <= 26 && s.y >= -1 && s.y <= 20) draw_shot(g, s);
        if (stops_shot(g, s.x, s.y)) s.alive = 0;
    }
}

} // namespace tsu
