// The player step: once per tick the heroine moves by whole cells (keys,
// jump, walk, flight, the treasure-box stop, gravity, the view's bounds) and
// is drawn; then her shots, her weapons and the love note follow.
#include "game/assets.h"
#include "game/collision.h"
#include "game/game.h"
#include "game/grid.h"
#include "game/items.h"
#include "game/player.h"
#include "game/weapons.h"

namespace tsu {

namespace {

constexpr int kJumpTicks = 5;      // rows a jump can rise, one per tick
constexpr int kLastColumn = 25;    // right-most view column
constexpr int kPushColumn = 21;    // right of this the view scrolls every tick
constexpr int kScrollNow = 15;     // scroll_tick value that makes the next tick scroll
constexpr int kLastRow = 19;       // bottom row of the view
constexpr int kTreasureBox = 6;    // upper chip that stops her walking
constexpr int kFuelFull = 70;      // the second heroine's tank

// Something to stand on: a solid cell or one of the third heroine's blocks.
bool supports(Game& g, int x, int y) { return is_solid(g, x, y) || block_at(g, x, y) != 0; }

// Arrows set the column to walk to; Up jumps, or with flight sets the row.
void keys_and_jump(Game& g) {
    tmy& my = g.my;
    if (g.mode != 1) {
        g.key_right = 0;
        g.key_left = 0;
        g.key_up = 0;
        return;
    }
    if (g.key_right != 0) my.target_x = my.x + 1;
    if (g.key_left != 0) my.target_x = my.x - 1; // left wins when both are held
    if (g.key_up != 0) {
        if (my.fly == 0) {
            if (supports(g, my.x, my.y + 1)) {
                play_se(g, "jump.wav");
                my.jump = kJumpTicks;
            }
            g.key_up = 0; // one key-down gives at most one jump
        } else {
            my.target_y = my.y - 1; // held Up keeps climbing
        }
    }
    // Down steers the flight on its own, and beats Up when both are held.
    if (my.fly != 0 && g.key_down != 0) my.target_y = my.y + 1;
}

// One column toward target_x; a wall cancels the walk.
void walk(Game& g) {
    tmy& my = g.my;
    if (my.x < my.target_x) {
        if (is_solid(g, my.x + 1, my.y))
            my.target_x = my.x;
        else
            my.x += 1;
    }
    if (my.target_x < my.x) {
        if (is_solid(g, my.x - 1, my.y))
            my.target_x = my.x;
        else
            my.x -= 1;
    }
}

// With flight she moves one row toward target_y.
void fly(Game& g) {
    tmy& my = g.my;
    if (my.fly <= 0) return;
    if (my.y < my.target_y && !is_solid(g, my.x, my.y + 1)) my.y += 1;
    if (my.target_y < my.y && !is_solid(g, my.x, my.y - 1)) my.y -= 1;
}

void rise_if_free(Game& g) {
    if (!is_solid(g, g.my.x, g.my.y - 1)) g.my.y -= 1;
}

// Falling, the jump's rising ticks and the second heroine's fuel flight.
void gravity_and_jump(Game& g) {
    tmy& my = g.my;
    const bool fuel_flight = g.chara == 1 && my.fuel > 0 && g.key_x_held != 0;
    if (my.fly == 0 && my.jump < 1) {
        if (!supports(g, my.x, my.y + 1)) my.y += 1;
        if (fuel_flight) {
            rise_if_free(g);
            if (g.frame_count % 2 == 1) rise_if_free(g);
            my.fuel -= 2;
        }
    } else if (my.fly == 0) {
        my.jump -= 1;
        rise_if_free(g); // under a ceiling the rising tick is used up in place
    } else if (fuel_flight) {
        if (!is_solid(g, my.x, my.y - 1)) my.target_y -= g.frame_count % 2;
        my.fuel -= 2;
    }
    if (g.chara == 1 && g.key_x_held == 0 && my.fuel <= kFuelFull - 1) my.fuel += 1;
}

// The view's left edge pushed her into a solid cell (the scroll moved the
// view past her, or she stepped off its left edge and was put back): she is
// squeezed out like a fall, losing a life, and put in the top free cell of
// her column. Carried on inside the wall she could end up walled in for good.
void squeezed(Game& g) {
    tmy& my = g.my;
    hit(g);
    for (int r = 0; r <= kLastRow; ++r)
        if (!is_solid(g, my.x, r)) {
            my.y = r;
            return;
        }
}

// Keeps her in the view; right of column 21 the view catches up with her.
void bounds(Game& g) {
    tmy& my = g.my;
    const bool at_the_left_edge = my.x < 0;
    if (my.x < 0) my.x = 0;
    if (my.x > kLastColumn) my.x = kLastColumn;
    if (my.x > kPushColumn) g.scroll_tick = kScrollNow;
    if (my.y < 0) my.y = 0;
    if (my.y > kLastRow) { // fell out of the bottom
        my.y = 0;
        hit(g);
    } else if (at_the_left_edge && is_solid(g, my.x, my.y)) {
        squeezed(g);
    }
}

} // namespace

void player_step(Game& g) {
    if (g.mode == 0 || g.editor) return;
    tmy& my = g.my;
    if (g.chara == 2 && g.mode == 1) block_step(g);
    keys_and_jump(g);
    walk(g);
    fly(g);
    if (g.view_cell(my.x + 1, my.y).upper == kTreasureBox) my.target_x = my.x;
    gravity_and_jump(g);
    bounds(g);
    draw_heroine(g);
    shot_step(g);
    draw_weapons(g);
    love_note_step(g);
}

} // namespace tsu
