// The heroine's shots: the shuriken, clones, kunai, comments and piercing
// shuriken, moved and drawn once per tick in slot order.
#include "game/comment_texts.h"
#include "game/game.h"
#include "game/grid.h"
#include "game/weapons.h"

namespace tsu {

namespace {

constexpr int kShotRing = 29;  // slots 0..28 take spawns
constexpr int kShotSlots = 30; // slots 0..29 are moved

tman& shot_slot(Game& g, int s) { return g.shot[std::size_t(s + 1)]; }

int advance(int s) { return (s < 0 || s >= kShotRing - 1) ? 0 : s + 1; }

// Thrown weapons stop in a cell whose lower chip has passability exactly 1.
bool stops_shot(Game& g, int x, int y) {
    return pass_of(g.pass_lower.data(), g.view_cell(x, y).lower) == 1;
}

bool outside_view(const tman& s) { return s.x < 0 || s.x > 25 || s.y < 0 || s.y > 19; }

void draw_square(Bitmap& b, const tman& s, const Bitmap& pic, int half) {
    const int cx = s.x * kCell + 10, cy = s.y * kCell + 10;
    b.stretch_draw(Rect{cx - half, cy - half, cx + half, cy + half}, pic);
}

void draw_comment(Game& g, int slot, const tman& s) {
    const CommentCase& c = comment_case(g.chara, slot + s.alive);
    Bitmap& cg = g.cg;
    cg.brush_style = BrushStyle::clear;
    for (const CommentCopy& copy : c.copies) {
        if (copy.size == 0) break;
        cg.font.style = FontStyle{copy.size, true, false};
        cg.font.colour = copy.colour;
        const char* text = copy.second_text && c.second != nullptr ? c.second : c.text;
        cg.text_out(20 * s.x + copy.dx, 20 * s.y + copy.dy, text);
    }
    cg.brush_style = BrushStyle::solid;
}

// One shot's move and drawing; a shot stopped by a wall is still drawn.
void step_shot(Game& g, int slot, tman& s) {
    switch (s.kind) {
    case 0:
    case 2:
    case 6:
        s.x += 1;
        if (stops_shot(g, s.x, s.y) || outside_view(s)) s.alive = 0;
        s.anim ^= 1;
        if (s.kind == 0)
            draw_square(g.cg, s, g.cg_img[std::size_t(3 + s.anim)], s.size);
        else if (s.kind == 2)
            draw_square(g.cg, s, g.cg_img[47], s.size);
        else
            draw_square(g.bak, s, g.cg_img[s.anim == 0 ? 43 : 75], s.size);
        break;
    case 3:
    case 4:
        if (s.kind == 3)
            s.y -= 1;
        else
            s.x -= 1;
        if (stops_shot(g, s.x, s.y) || outside_view(s)) s.alive = 0;
        draw_square(g.cg, s, g.cg_img[s.kind == 3 ? 48 : 49], s.size);
        break;
    case 1: {
        // A clone falls until she stands, then walks through anything:
        // left in odd slots, right in even ones.
        if (is_solid(g, s.x, s.y + 1))
            s.x += slot % 2 != 0 ? -1 : 1;
        else
            s.y += 1;
        if (s.x < 0 || s.x > 25 || s.y > 19) s.alive = 0;
        if (g.chara == 0)
            draw_square(g.cg, s, g.cg_img[34], s.size);
        else
            draw_square(g.cg, s, g.cg_img[g.chara == 1 ? 72 : 89], 2 * s.size);
        break;
    }
    case 5: {
        s.x -= (slot % 2 != 0 ? 2 : 3) + s.alive - 1;
        if (s.x < 1 && g.rnd(10) == 0) {
            // Back from the right on the other half of the view, faster each pass.
            s.alive += 1;
            s.x = 25 + g.rnd(20);
            s.y = s.y > 9 ? g.rnd(10) : 10 + g.rnd(10);
        }
        draw_comment(g, slot, s);
        if (s.x < 0) s.alive = 0;
        break;
    }
    default: break;
    }
}

} // namespace

void spawn_shot(Game& g, int column, int row, int kind) {
    g.shot_next = advance(g.shot_next);
    for (int step = 0; step < 99 && shot_slot(g, g.shot_next).alive >= 1; ++step)
        g.shot_next = advance(g.shot_next);
    tman& s = shot_slot(g, g.shot_next);
    s.kind = kind;
    s.alive = 1;
    s.x = column;
    s.y = row;
    s.size = kind == 1 ? 15 : 10;
    s.anim = g.rnd(2);
}

void shot_step(Game& g) {
    for (int slot = 0; slot < kShotSlots; ++slot) {
        tman& s = shot_slot(g, slot);
        if (s.alive < 1) {
            s.x = s.y = 0;
            continue;
        }
        if (s.x < 0 || s.x > 50 || s.y < 0 || s.y > 19) s.alive = 0;
        step_shot(g, slot, s);
    }
}

} // namespace tsu
